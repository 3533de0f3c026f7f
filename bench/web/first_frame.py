#!/usr/bin/python3
"""The browser's speed budget: the download (.wasm + .js, raw, gzip and,
where the brotli command is, brotli) and the time from the start of loading
to the first frame on the screen, of Vexil and of the floor page, each
loaded ROUNDS times, alternately, in a fresh headless Chromium (no cache);
with BASELINE, another build of the same sources (on another Qt), that
one's Vexil too, in the same rounds.
Usage: first_frame.py BUILD [ROUNDS [BASELINE]]"""

import gzip
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "web"))
import browser  # noqa: E402

build = pathlib.Path(sys.argv[1])
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 7
baseline = pathlib.Path(sys.argv[3]) if len(sys.argv) > 3 else None

with tempfile.TemporaryDirectory() as site:
    site = pathlib.Path(site)
    subprocess.run(["cmake", "--install", build, "--prefix", site], check=True, stdout=subprocess.DEVNULL)
    # The floor page, through the same page and loader.
    for suffix in (".js", ".wasm"):
        shutil.copy(build / "bench" / "web" / ("floor_page" + suffix), site)
    page = (site / "index.html").read_text()
    (site / "floor.html").write_text(page.replace('loadEmscriptenModule("vexil")', 'loadEmscriptenModule("floor_page")'))
    pages = {"vexil": "index.html", "floor_page": "floor.html"}
    if baseline:
        subprocess.run(["cmake", "--install", baseline, "--prefix", site / "baseline"], check=True,
                       stdout=subprocess.DEVNULL)
        pages["baseline/vexil"] = "baseline/index.html"

    for name in pages:
        raw = sum((site / (name + s)).stat().st_size for s in (".wasm", ".js"))
        packed = sum(len(gzip.compress((site / (name + s)).read_bytes(), 9)) for s in (".wasm", ".js"))
        line = f"download of {name}: {raw / 1e6:.2f} MB, gzip -9 {packed / 1e6:.2f} MB"
        if shutil.which("brotli"):  # what most hosts and every browser also speak
            brotli = sum(len(subprocess.run(["brotli", "-q", "11", "-c", site / (name + s)], check=True,
                                            capture_output=True).stdout) for s in (".wasm", ".js"))
            line += f", brotli -q 11 {brotli / 1e6:.2f} MB"
        print(line)

    times = {page: [] for page in pages.values()}
    with browser.serve(site) as url:
        for _ in range(rounds):
            for name, seen in times.items():
                with browser.chromium() as driver:
                    driver.get(url + name)
                    seen.append(browser.first_frame(driver))
    vexil, floor, *other = (statistics.median(t) for t in times.values())
    print(f"first frame, median of {rounds}: Vexil {vexil:.0f} ms, floor page {floor:.0f} ms: "
          f"ratio {vexil / floor:.2f} (goal <= 1.2)")
    if other:
        print(f"the baseline's Vexil {other[0]:.0f} ms: this one against it {vexil / other[0]:.2f} (goal <= 1.05)")
