"""Debian's headless Chromium, driven through chromedriver, on pages served
from a folder: what the page's tests, Orca's test in the browser and the
page's benchmark share."""

import contextlib
import functools
import http.server
import shutil
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# From the page's first script on: every console line, every breach of its
# Content-Security-Policy, everything its live region says, and when the
# first frame came in which R_Full holds its text (ms since the page began
# to load).
_WATCH = """
window.vexilConsole = [];
for (const level of ["log", "info", "warn", "error"]) {
  const original = console[level].bind(console);
  console[level] = (...args) => { window.vexilConsole.push(args.join(" ")); original(...args); };
}
window.addEventListener("error", (e) => window.vexilConsole.push("error: " + e.message));
document.addEventListener("securitypolicyviolation",
  (e) => window.vexilConsole.push(`violation: ${e.violatedDirective} ${e.blockedURI}`));
window.vexilSaid = [];
window.vexilFirstFrame = null;
const watch = () => {
  const field = document.getElementById("R_Full");
  const window_ = document.getElementById("Vexil");
  if (field && field.textContent && window_ && !window_.hidden) {
    window.vexilFirstFrame = performance.now();
    return;
  }
  requestAnimationFrame(watch);
};
requestAnimationFrame(watch);
document.addEventListener("DOMContentLoaded", () => {
  const region = document.getElementById("vexil-speech");
  if (region)
    new MutationObserver(() => window.vexilSaid.push(region.textContent.replace(/\\u00a0/g, "")))
      .observe(region, { childList: true, characterData: true, subtree: true });
});
"""


@contextlib.contextmanager
def serve(folder, cached=False):
    """A static server for `folder` on a free local port; yields its URL.
    With `cached`, it lets browsers keep every file for a day. The paths
    it served are in the URL's `served` list."""
    served = []
    handler = functools.partial(_Handler, served, cached, directory=str(folder))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield _Url(f"http://127.0.0.1:{server.server_address[1]}/", served)
    finally:
        server.shutdown()
        server.server_close()


class _Url(str):
    def __new__(cls, url, served):
        self = super().__new__(cls, url)
        self.served = served
        return self


class _Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json"}

    def __init__(self, served, cached, *args, **kwargs):
        self.served = served
        self.cached = cached
        super().__init__(*args, **kwargs)

    def end_headers(self):
        self.send_header("Cache-Control", "max-age=86400" if self.cached else "no-cache")
        super().end_headers()

    def do_GET(self):
        self.served.append(self.path)
        super().do_GET()

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
    for flag in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-extensions", f"--user-data-dir={profile}", f"--lang={language}", *flags):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
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
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": _WATCH})
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def console(driver):
    """The page's console lines and breaches of its policy since the last
    call, and what the browser itself logged (a file it could not load)."""
    lines = driver.execute_script("return window.vexilConsole ? window.vexilConsole.splice(0) : []") or []
    return lines + [entry["message"] for entry in driver.get_log("browser") if entry["level"] != "INFO"]


def first_frame(driver, timeout=30):
    """Milliseconds from the start of loading to the first frame in which
    the window shows R_Full's text; None if none came within `timeout` s."""
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
