"""Debian's headless Chromium, driven through chromedriver, on pages served
from a folder: what the browser's tests, their runner (scripts/web-run) and
its benchmark share."""

import contextlib
import functools
import http.server
import shutil
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# Every console line of the page, kept from its first script on.
_KEEP_CONSOLE = """
window.vexilConsole = [];
for (const level of ["log", "info", "warn", "error"]) {
  const original = console[level].bind(console);
  console[level] = (...args) => { window.vexilConsole.push(args.join(" ")); original(...args); };
}
window.addEventListener("error", (e) => window.vexilConsole.push("error: " + e.message));
"""

# When the first frame that drew anything was on the screen (ms since the
# page began to load): Qt draws through WebGL, so the first draw call, then
# the browser's next frame.
_TIME_FIRST_FRAME = """
window.vexilFirstFrame = null;
const getContext = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function (...args) {
  const context = getContext.apply(this, args);
  if (context && !context.vexilTimed && "drawArrays" in context) {
    context.vexilTimed = true;
    for (const name of ["drawArrays", "drawElements"]) {
      const draw = context[name].bind(context);
      context[name] = (...a) => {
        if (window.vexilFirstFrame === null) {
          window.vexilFirstFrame = 0;
          requestAnimationFrame(() => { window.vexilFirstFrame = performance.now(); });
        }
        return draw(...a);
      };
    }
  }
  return context;
};
"""


@contextlib.contextmanager
def serve(folder):
    """A static server for `folder` on a free local port; yields its URL."""
    handler = functools.partial(_QuietHandler, directory=str(folder))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm",
                      ".js": "text/javascript"}

    def log_message(self, *args):
        pass


@contextlib.contextmanager
def chromium(width=800, height=600, scale=1.0, phone=False, language="ru-RU", flags=()):
    """A fresh headless Chromium with its own profile, in `language`: a
    desktop viewport of `width` x `height` CSS px at device pixel ratio
    `scale`, or, with `phone`, a touch screen of that size; `flags` to it."""
    profile = tempfile.mkdtemp(prefix="vexil-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--enable-unsafe-swiftshader", "--use-angle=swiftshader",
                 "--disable-dev-shm-usage", "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--disable-extensions",
                 f"--user-data-dir={profile}", f"--lang={language}", *flags):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    if phone:
        options.add_experimental_option(
            "mobileEmulation", {"deviceMetrics": {"width": width, "height": height, "pixelRatio": scale,
                                                  "touch": True, "mobile": True}})
    else:
        options.add_argument(f"--window-size={width},{height}")
        options.add_argument(f"--force-device-scale-factor={scale}")
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        if not phone:
            # The window size counts the (absent) browser frame; the page
            # gets exactly what was asked.
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                   {"width": width, "height": height, "deviceScaleFactor": scale,
                                    "mobile": False})
        for script in (_KEEP_CONSOLE, _TIME_FIRST_FRAME):
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": script})
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def console(driver):
    """The page's console lines since the last call."""
    return driver.execute_script("return window.vexilConsole ? window.vexilConsole.splice(0) : []") or []


def first_frame(driver, timeout=60):
    """Milliseconds from the start of loading to the first frame drawn, once
    it is on the screen; None if none came within `timeout` s."""
    return wait_for(lambda: driver.execute_script("return window.vexilFirstFrame"), timeout)


def wait_for(what, timeout, step=0.05):
    """Polls `what` until it returns something true, or None at `timeout` s."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(step)
    return None
