// Vexil's page. Its elements are the window's controls, written from the
// layout's table at build time; every rule is the core's (core.js, the same
// C++ as the desktop's). This passes each element's event to the core's
// handler of that name, and does to the elements what the core asks.
// A classic script, not a module: a page opened as a file may load no
// module in Chromium.
"use strict";

(() => {
  const window_ = document.getElementById("Vexil");
  const speech = document.getElementById("vexil-speech");
  const state = document.getElementById("vexil-state");
  const chart = document.getElementById("ColourChart");

  function show(id) {
    window_.hidden = true;
    document.getElementById(id).hidden = false;
  }

  // A phone narrower than the window shows all of it; a pinch still
  // enlarges it (no maximum or fixed scale).
  const margin = 8;
  function fit() {
    const wide = Number(window_.dataset.width);
    const viewport = document.querySelector('meta[name="viewport"]');
    const needed = wide + 2 * margin;
    const content = screen.width < needed ? `width=${needed}, initial-scale=${screen.width / needed}`
      : "width=device-width, initial-scale=1";
    if (viewport.content !== content)
      viewport.content = content;
  }

  // The decimal separator of the browser's language: "4,7 кОм", "4.7 кОм".
  // Its number rules take a browser tens of milliseconds to load: asked
  // where a number first needs it, or once the window shows.
  let decimal = null;
  function separator() {
    decimal ??= new Intl.NumberFormat(navigator.language).formatToParts(1.5)
      .find((part) => part.type === "decimal").value.codePointAt(0);
    return decimal;
  }

  // Heard once each time: the same words again are a change too.
  function say(text) {
    speech.textContent = speech.textContent === text ? `${text}\u00a0` : text;
  }

  function run(core) {
    // Each control's element, by its place in the layout, found as the
    // core first asks for it.
    const elements = [];
    const element = (i) => (elements[i] ??= document.getElementById(core.UTF8ToString(core._vexil_id(i))));
    const input = (i) => element(i).querySelector("input");
    const handler = (element) => core[`_${element.id}_Click`];
    const headers = chart.querySelectorAll("[role=columnheader]");
    let cursor = null;

    // What the core asks of the page.
    core.page = {
      show: (i, shown) => { element(i).hidden = !shown; },  // the core's bools come as 0 and 1
      selected: (i) => input(i).checked,
      select: (i) => {
        if (input(i).checked)
          return;
        input(i).checked = true;
        handler(element(i))();
      },
      background: (i) => {
        const [r, g, b] = getComputedStyle(element(i)).backgroundColor.match(/\d+/g).map(Number);
        return (r << 16) | (g << 8) | b;
      },
      setBackground: (i, rgb) => { element(i).style.backgroundColor = `#${rgb.toString(16).padStart(6, "0")}`; },
      markChosen: (i, chosen) => { element(i).setAttribute("aria-selected", chosen ? "true" : "false"); },
      name: (i, text) => { element(i).setAttribute("aria-label", text); },
      text: (i, text) => { element(i).textContent = text; },
      cursor: (i, focus) => {
        if (cursor !== null)
          cursor.tabIndex = -1;
        cursor = element(i);
        cursor.tabIndex = 0;
        if (focus)
          cursor.focus();
      },
      band: (band, name, shown) => {
        headers[band - 1].textContent = name;
        headers[band - 1].hidden = !shown;
      },
      separator,
      say,
      describe: (text) => { state.textContent = text; },
      close: () => {
        show("vexil-closed");
        document.querySelector("#vexil-closed button").focus();
      },
    };
    // Every event ends with what the core has to say of it.
    const then = (act) => (event) => {
      act(event);
      core._vexil_settle();
    };

    core._vexil_start();
    // A new run: nothing the browser kept of the last one's choices.
    for (const radio of window_.querySelectorAll("input"))
      radio.checked = radio.defaultChecked;
    core._Form_Load();

    for (const radio of window_.querySelectorAll("input"))
      radio.addEventListener("change", then(() => handler(radio.parentElement)()));
    document.getElementById("Exit_Btn").addEventListener("click", then(() => core._Exit_Btn_Click()));
    // A tap anywhere in a swatch's cell chooses the swatch. Chromium moves
    // a tap to the nearest element that takes clicks itself: each cell's
    // reach does, so a tap in a gap goes to its own swatch. A screen
    // reader's activation comes to the cell itself.
    // A swatch's band and colour, from its name: L3_10.
    const swatchOf = (target) => target.closest("[role=gridcell]")?.id.slice(1).split("_").map(Number);
    const choose = then((event) => core._SelectBandColour(...swatchOf(event.target)));
    for (const reach of chart.querySelectorAll(".reach"))
      reach.addEventListener("click", choose);
    chart.addEventListener("click", (event) => {
      if (event.target.matches("[role=gridcell]"))
        choose(event);
    });
    const keys = { ArrowUp: 0, ArrowDown: 1, ArrowLeft: 2, ArrowRight: 3, " ": 4, Enter: 4 };
    chart.addEventListener("keydown", then((event) => {
      if (event.ctrlKey || event.altKey || event.metaKey)
        return;
      const key = keys[event.key] ?? ([...event.key].length === 1 ? 5 : -1);
      if (key >= 0 && core._vexil_key(key, key === 5 ? event.key.codePointAt(0) : 0))
        event.preventDefault();
    }));
    window_.addEventListener("focusin", (event) => {
      const swatch = swatchOf(event.target);
      if (swatch)
        core._vexil_cell_focused(...swatch);
      else
        core._vexil_focused();
    });
    document.querySelector("#vexil-closed button").addEventListener("click", () => location.reload());

    window_.hidden = false;
    requestAnimationFrame(settled);
  }

  fit();
  addEventListener("resize", fit);
  if (typeof WebAssembly !== "object") {
    show("vexil-unable");
    return;
  }
  // The core's script comes on its own (async): waited for where it has
  // not yet run. Opened as a file, the core comes in one script after it
  // (a file may fetch no WebAssembly beside it).
  const script = (element) => new Promise((resolve, reject) => {
    element.addEventListener("load", resolve);
    element.addEventListener("error", reject);
  });
  const coreScript = document.querySelector('script[src="core.js"]');
  let loaded = typeof VexilCore === "function" ? Promise.resolve() : script(coreScript);
  if (location.protocol === "file:") {
    loaded = loaded.then(() => {
      const inOne = document.createElement("script");
      inOne.src = "core-file.js";
      document.head.append(inOne);
      return script(inOne);
    });
  }
  // Its script gives the core, or, where it compiles as it downloads, a
  // promise of it; either is ready with itself.
  loaded.then(() => VexilCore()).then((core) => core.ready).then(run).catch((error) => {
    console.error(error);
    show("vexil-failed");
  });

  // Once the window shows: the focus, the language's number rules, and,
  // served, the manifest that makes it installable and the worker that
  // keeps it for offline use; a new version takes over at once, and the
  // page loads its files. (A file may fetch neither a manifest nor a worker.)
  function settled() {
    document.querySelector("#Op_R input").focus({ focusVisible: false });
    setTimeout(separator);
    if (location.protocol === "file:")
      return;
    const manifest = document.createElement("link");
    manifest.rel = "manifest";
    manifest.href = "manifest.webmanifest";
    document.head.append(manifest);
    if (!("serviceWorker" in navigator))
      return;
    const updating = navigator.serviceWorker.controller !== null;
    navigator.serviceWorker.register("sw.js");
    navigator.serviceWorker.addEventListener("controllerchange", () => {
      if (updating)
        location.reload();
    });
  }
})();
