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
    const wide = parseFloat(getComputedStyle(window_).width);
    const viewport = document.querySelector('meta[name="viewport"]');
    const needed = wide + 2 * margin;
    viewport.content = screen.width < needed ? `width=${needed}, initial-scale=${screen.width / needed}`
      : "width=device-width, initial-scale=1";
  }

  // The decimal separator of the browser's language: "4,7 кОм", "4.7 кОм".
  function separator() {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    return parts.find((part) => part.type === "decimal").value.codePointAt(0);
  }

  // Heard once each time: the same words again are a change too.
  function say(text) {
    speech.textContent = speech.textContent === text ? `${text}\u00a0` : text;
  }

  function run(core) {
    const elements = [];
    for (let i = 0; i < core._vexil_controls(); ++i)
      elements.push(document.getElementById(core.UTF8ToString(core._vexil_id(i))));
    const input = (i) => elements[i].querySelector("input");
    const handler = (element) => core[`_${element.id}_Click`];
    const headers = chart.querySelectorAll("[role=columnheader]");
    let cursor = null;

    // What the core asks of the page.
    core.page = {
      show: (i, shown) => { elements[i].hidden = !shown; },  // the core's bools come as 0 and 1
      selected: (i) => input(i).checked,
      select: (i) => {
        if (input(i).checked)
          return;
        input(i).checked = true;
        handler(elements[i])();
      },
      background: (i) => {
        const [r, g, b] = getComputedStyle(elements[i]).backgroundColor.match(/\d+/g).map(Number);
        return (r << 16) | (g << 8) | b;
      },
      setBackground: (i, rgb) => { elements[i].style.backgroundColor = `#${rgb.toString(16).padStart(6, "0")}`; },
      markChosen: (i, chosen) => { elements[i].setAttribute("aria-selected", chosen ? "true" : "false"); },
      name: (i, text) => { elements[i].setAttribute("aria-label", text); },
      text: (i, text) => { elements[i].textContent = text; },
      cursor: (i, focus) => {
        if (cursor !== null)
          cursor.tabIndex = -1;
        cursor = elements[i];
        cursor.tabIndex = 0;
        if (focus)
          cursor.focus();
      },
      band: (band, name, shown) => {
        headers[band - 1].textContent = name;
        headers[band - 1].hidden = !shown;
      },
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

    core._vexil_start(separator());
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
    const choose = then((event) => {
      const cell = event.target.closest("[data-band]");
      core._SelectBandColour(Number(cell.dataset.band), Number(cell.dataset.colour));
    });
    for (const reach of chart.querySelectorAll(".reach"))
      reach.addEventListener("click", choose);
    chart.addEventListener("click", (event) => {
      if (event.target.matches("[data-band]"))
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
      const cell = event.target.closest("[data-band]");
      if (cell)
        core._vexil_cell_focused(Number(cell.dataset.band), Number(cell.dataset.colour));
      else
        core._vexil_focused();
    });
    document.querySelector("#vexil-closed button").addEventListener("click", () => location.reload());

    window_.hidden = false;
    input(elements.findIndex((element) => element.id === "Op_R")).focus({ focusVisible: false });
  }

  fit();
  addEventListener("resize", fit);
  if (typeof WebAssembly !== "object") {
    show("vexil-unable");
    return;
  }
  try {
    VexilCore().ready.then(run, () => show("vexil-failed"));
  } catch {
    show("vexil-failed");
  }

  // Served, it can be installed, and after the first visit it opens
  // without a network; a new version takes over at once, and the page
  // loads its files. (A file may fetch neither a manifest nor a worker.)
  if (location.protocol === "file:")
    return;
  const manifest = document.createElement("link");
  manifest.rel = "manifest";
  manifest.href = "manifest.webmanifest";
  document.head.append(manifest);
  if ("serviceWorker" in navigator) {
    const updating = navigator.serviceWorker.controller !== null;
    navigator.serviceWorker.register("sw.js");
    navigator.serviceWorker.addEventListener("controllerchange", () => {
      if (updating)
        location.reload();
    });
  }
})();
