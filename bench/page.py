#!/usr/bin/python3
"""The page's speed budget, against a baseline measured in the same run: a
static page with the same captions and texts and no script (the page as it
stands once started, its scripts taken out). Each is loaded ROUNDS times,
alternately, as measured and with the CPU slowed 4 times, as Lighthouse does for a phone, in one
headless Chromium that caches nothing (a browser started for each load
measures mostly its own start, which varies by a third here): the time
from the start of loading to the first animation frame in which the window
shows R_Full's text. With OTHER, another site (say an older build), that
one too, timed at its first frame drawn, in the same rounds. And the first
visit's download, every file the page fetches, with brotli.
Usage: page.py SITE [ROUNDS [OTHER]]"""

import pathlib
import re
import shutil
import statistics
import sys
import tempfile

import brotli

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tools" / "web"))
import browser  # noqa: E402

# A page that draws into a canvas through WebGL (an older build) has its
# first frame once it first draws, and the browser's next frame after.
DRAWN = """
const getContext = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function (...args) {
  const context = getContext.apply(this, args);
  if (context && !context.vexilTimed && "drawArrays" in context) {
    context.vexilTimed = true;
    for (const name of ["drawArrays", "drawElements"]) {
      const draw = context[name].bind(context);
      context[name] = (...a) => {
        if (window.vexilDrawn === undefined) {
          window.vexilDrawn = 0;
          requestAnimationFrame(() => { window.vexilFirstFrame = performance.now(); });
        }
        return draw(...a);
      };
    }
  }
  return context;
};
"""


def first_visit(site, page):
    """What the first visit to `page` fetches, worker included, with brotli."""
    with browser.serve(site) as url, browser.chromium() as driver:
        driver.get(url + page)
        browser.first_frame(driver)
        browser.wait_for(lambda: driver.execute_script(
            "return !('serviceWorker' in navigator) || navigator.serviceWorker.controller !== null"), 20)
        paths = set(p.split("?")[0] for p in url.served)
    return sum(len(brotli.compress((site / (p.lstrip("/") or "index.html")).read_bytes(), quality=11))
               for p in paths), len(paths)


def static_copy(site):
    """The page as it stands once started, without its scripts."""
    with browser.serve(site) as url, browser.chromium() as driver:
        driver.get(url)
        browser.first_frame(driver)
        page = driver.execute_script("return document.documentElement.outerHTML")
    page = re.sub(r"<script[^>]*>.*?</script>|<link rel=\"manifest\"[^>]*>", "", page, flags=re.S)
    (site / "static.html").write_text("<!DOCTYPE html>\n" + page, encoding="utf-8")


def load(driver, url):
    driver.get("about:blank")
    driver.get(url)
    return browser.first_frame(driver, 60)


def main():
    site = pathlib.Path(sys.argv[1])
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    other = pathlib.Path(sys.argv[3]) if len(sys.argv) > 3 else None
    with tempfile.TemporaryDirectory() as folder:
        sites = {"page": pathlib.Path(folder, "page")}
        shutil.copytree(site, sites["page"])
        static_copy(sites["page"])
        if other:
            sites["other"] = pathlib.Path(folder, "other")
            shutil.copytree(other, sites["other"])
        for name, path in sites.items():
            size, files = first_visit(path, "")
            print(f"first visit of {name}: {files} files, {size / 1000:.1f} kB with brotli -q 11")
        pages = [("page", "page", "", False), ("static", "page", "static.html", False)]
        if other:
            pages.append(("other", "other", "", True))
        for slower in (False, True):
            times = {name: [] for name, *_ in pages}
            with browser.serve(sites["page"]) as page_url, browser.serve(sites.get("other", site)) as other_url, \
                    browser.chromium(flags=["--use-angle=swiftshader", "--enable-unsafe-swiftshader"]) as driver:
                driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
                driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4 if slower else 1})
                driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": DRAWN})
                urls = {"page": page_url, "other": other_url}
                for _ in range(rounds):
                    for name, where, path, drawn in pages:
                        times[name].append(load(driver, urls[where] + path))
            median = {name: statistics.median(t) for name, t in times.items()}
            # The machine's speed drifts between rounds: each round's own ratio too.
            paired = statistics.median(p / s for p, s in zip(times["page"], times["static"]))
            line = (f"{'CPU slowed 4 x' if slower else 'as measured'}, median of {rounds}: page {median['page']:.0f} ms,"
                    f" static page {median['static']:.0f} ms: {median['page'] / median['static']:.2f} x, round by round"
                    f" {paired:.2f} x (goal <= 1.5)")
            if other:
                other_paired = statistics.median(o / s for o, s in zip(times["other"], times["static"]))
                line += (f"; other {median['other']:.0f} ms: {median['other'] / median['static']:.2f} x the static page,"
                         f" round by round {other_paired:.2f} x")
            print(line)


if __name__ == "__main__":
    main()
