#!/usr/bin/python3
"""Vexil's page in headless Chromium, as a visitor gets it: the site that
`cmake --install` makes from BUILD, served over HTTP. Every control of the
layout (tests/layout.json) is its element at its rectangle; the cases of
tests/interaction.json, clicked, tapped and typed, leave what they leave in
the desktop window; a phone shows it whole and takes a tap anywhere in a
swatch's cell; a zoom reloads nothing; it works offline, installed,
updated and from a file, under its Content-Security-Policy, with no
violation of axe-core's WCAG rules. Firefox, which has no driver here,
shows the window and decodes a click on a virtual X screen (run under
scripts/with-xvfb), driven by xdotool.
Usage: web_e2e.py BUILD"""

import io
import json
import os
import pathlib
import random
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

import brotli
from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools" / "web"))
import browser  # noqa: E402

BUILD = pathlib.Path(sys.argv.pop(1))
LAYOUT = json.loads((ROOT / "tests" / "layout.json").read_text(encoding="utf-8"))
CASES = json.loads((ROOT / "tests" / "interaction.json").read_text(encoding="utf-8"))
AXE = ROOT / "build" / "npm" / "node_modules" / "axe-core" / "axe.min.js"
KEYS = {"Tab": Keys.TAB, "Up": Keys.ARROW_UP, "Down": Keys.ARROW_DOWN, "Left": Keys.ARROW_LEFT,
        "Right": Keys.ARROW_RIGHT, "Space": Keys.SPACE, "Return": Keys.RETURN, "Enter": Keys.ENTER}
TEAL = (0, 64, 64)


def px(twips):
    return (twips + 7) // 15


def names(patterns):
    """Expands "L4_1-9" into L4_1 .. L4_9."""
    out = []
    for pattern in patterns:
        if m := re.match(r"^(.*?)(\d+)-(\d+)$", pattern):
            out += [f"{m[1]}{i}" for i in range(int(m[2]), int(m[3]) + 1)]
        else:
            out.append(pattern)
    return out


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = tempfile.TemporaryDirectory()
        subprocess.run(["cmake", "--install", BUILD, "--prefix", cls.site.name], check=True, stdout=subprocess.DEVNULL)
        cls.server = browser.serve(cls.site.name)
        cls.url = cls.server.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.server.__exit__(None, None, None)
        cls.site.cleanup()

    def open(self, url=None, **screen):
        context = browser.chromium(**screen)
        self.driver = context.__enter__()
        self.addCleanup(context.__exit__, None, None, None)
        self.load(url or self.url)

    def load(self, url):
        self.driver.get(url)
        self.assertIsNotNone(browser.first_frame(self.driver), "the window never showed its results")

    def js(self, code, *args):
        return self.driver.execute_script("return " + code, *args)

    def assert_starts_on_op_r(self):
        # The focus comes just after the first frame, at any start.
        self.assertTrue(browser.wait_for(lambda: self.js("document.activeElement.parentElement.id") == "Op_R", 10),
                        "the focus never came to Op_R")

    def quiet(self):
        """Nothing went wrong in the page: no console error, no breach of its policy."""
        self.assertEqual(browser.console(self.driver), [])

    def box(self, name):
        """An element's rectangle in the window, in CSS px."""
        return self.js("((e, w) => [e.left - w.left, e.top - w.top, e.width, e.height])("
                       "document.getElementById(arguments[0]).getBoundingClientRect(),"
                       "document.getElementById('Vexil').getBoundingClientRect())", name)

    def shown(self, name):
        return self.js("document.getElementById(arguments[0]).checkVisibility()", name)

    def colour(self, name):
        return self.js("getComputedStyle(document.getElementById(arguments[0])).backgroundColor", name)

    def tap(self, x, y):
        """A finger at (x, y) of the page's layout, in CSS px."""
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def gap(self, name):
        """Taps a swatch's cell beside the swatch itself, at its corner."""
        x, y = self.js("(r => [r.left, r.top])(document.getElementById(arguments[0])"
                       ".querySelector('.reach').getBoundingClientRect())", name)
        self.tap(x + 1, y + 1)

    def perform(self, steps):
        for word in steps.split():
            key, _, times = word.partition("*")
            if key in KEYS:
                ActionChains(self.driver).send_keys(KEYS[key] * int(times or 1)).perform()
            elif len(word) == 1:
                ActionChains(self.driver).send_keys(word).perform()
            elif word.startswith("gap:"):
                self.gap(word[4:])
            else:
                self.assertTrue(self.shown(word), f"{word} to click")
                ActionChains(self.driver).move_to_element(self.driver.find_element(By.ID, word)).click().perform()

    def test_layout_and_start(self):
        self.open()
        self.assertEqual(self.js("[document.documentElement.lang, document.title]"), ["ru", "Vexil...!"])
        self.assertEqual(self.js("document.getElementById('Vexil').getAttribute('aria-label')"), "Vexil...!")
        self.assertEqual(self.box("Vexil")[2:], [441, 407])
        for control in LAYOUT:
            with self.subTest(control["name"]):
                left, top, width, height = map(px, control["twips"])
                if control["parent"] != "Vexil":  # in its frame
                    frame = next(c for c in LAYOUT if c["name"] == control["parent"])["twips"]
                    left, top = left + px(frame[0]), top + px(frame[1])
                for got, want in zip(self.box(control["name"]) if self.shown(control["name"]) else [],
                                     (left, top, width, height)):
                    self.assertLessEqual(abs(got - want), 1, (self.box(control["name"]), [left, top, width, height]))
                if "caption" in control:
                    self.assertEqual(self.js("document.getElementById(arguments[0]).textContent", control["name"]),
                                     control["caption"])
        hidden = [c["name"] for c in LAYOUT if not self.shown(c["name"])]
        self.assertEqual(sorted(hidden), ["L3_10", "L3_11", "Result4", "Result4_Txt"])
        self.assertEqual(self.js("[...document.querySelectorAll('input:checked')].map(i => i.parentElement.id)"),
                         ["Op_R", "L5_En"])
        self.assert_starts_on_op_r()
        self.assertEqual(self.js("document.getElementById('R_Full').textContent"), "999000 МОм")
        self.driver.save_screenshot(str(BUILD / "page.png"))  # to look at beside docs/screenshot.png
        self.quiet()

    def test_shared_cases(self):
        self.open()
        colours = CASES["colours"]
        for case in CASES["cases"]:
            if case.get("only") == "desktop":
                continue
            with self.subTest(case["name"]):
                self.load(self.url)
                self.perform(case["steps"])
                for field, text in case.get("fields", {}).items():
                    self.assertEqual(self.js("document.getElementById(arguments[0]).textContent", field), text, field)
                # A stripe has the colour of its band's chosen swatch, hidden or not.
                for band, colour in case.get("stripes", {}).items():
                    self.assertEqual(self.colour(f"Line{band}"), self.colour(f"L{band}_{colours.index(colour)}"))
                chosen = self.js("[1, 2, 3, 4, 5].map(b => document.querySelector("
                                 "`[id^=L${b}_][aria-selected=true]`).id.split('_')[1])")
                for band, colour in case.get("stripes", {}).items():
                    self.assertEqual(chosen[int(band) - 1], str(colours.index(colour)), f"band {band}")
                if "bands" in case:
                    self.assertEqual(chosen, [str(colours.index(c)) for c in case["bands"]])
                for name in names(case.get("shown", [])):
                    self.assertTrue(self.shown(name), f"{name} should be shown")
                for name in names(case.get("hidden", [])):
                    self.assertFalse(self.shown(name), f"{name} should be hidden")
                for name in case.get("checked", []):
                    self.assertTrue(self.js("document.querySelector(`#${arguments[0]} input`).checked", name), name)
                if "cursor" in case:
                    # The chart's cursor: its one cell in the focus order.
                    self.assertEqual(self.js("document.querySelector('#ColourChart [tabindex=\"0\"]').id"),
                                     case["cursor"])
                    said = [s for s in self.js("window.vexilSaid") if s in case["cues"]]
                    self.assertEqual([s for i, s in enumerate(said) if i == 0 or said[i - 1] != s], case["cues"])
                self.quiet()

    def test_said_once_and_closed(self):
        """The decode in ten keys, and what the live region says after each."""
        self.open()
        heard = []
        for keys in ("Tab", "Left", "Tab*7", "4", "7", "2", "p", "p", "Space"):
            before = len(self.js("window.vexilSaid"))
            self.perform(keys)
            heard.append(self.js("window.vexilSaid")[before:])
        self.assertEqual(heard, [[], ["99000 мегаом"], ["цифры, буквы, стрелки"], [], [], ["4,7 килоома"], [], [],
                                 ["допуск 5 процентов"]])
        self.assertEqual(self.js("document.getElementById('vexil-state').textContent"),
                         "Сопротивление, 4 полосы: 4,7 килоома, допуск 5 процентов")
        self.assertEqual(self.js("document.activeElement.getAttribute('aria-label')"), "Золотой, 5 процентов")
        # "Закрыть" ends it, and it starts anew, as a reload does: all white.
        self.perform("Exit_Btn")
        self.assertTrue(self.js("!document.getElementById('vexil-closed').hidden && "
                                "document.activeElement.textContent == 'Запустить снова'"))
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.assertTrue(browser.wait_for(lambda: self.js("document.getElementById('R_Full').textContent")
                                         == "999000 МОм", 10))
        self.assert_starts_on_op_r()
        self.quiet()

    def test_english_browser_writes_a_point(self):
        self.open(language="en-US")
        self.perform("L4_2 L3_En L3_11")
        self.assertEqual(self.js("['R_Full', 'Result2', 'Result3'].map(i => document.getElementById(i).textContent)"),
                         ["0.99 Ом", "0.01", "+-20%"])
        self.assertEqual(self.js("document.getElementById('R_Full').getAttribute('aria-label')"),
                         "Номинал: 0,99 ома")  # speech keeps Russian's comma

    def test_phone(self):
        """360 x 740 at ratio 3, by touch: all of the window in view, and a
        tap anywhere in a shown swatch's cell chooses that swatch."""
        self.open(width=360, height=740, scale=3.0, phone=True)
        viewport = self.js("document.querySelector('meta[name=viewport]').content")
        self.assertNotRegex(viewport, "maximum-scale|user-scalable")
        self.assertEqual(self.js("[...document.querySelectorAll('*')].map(e => getComputedStyle(e).touchAction)"
                                 ".filter(t => !['auto', 'manipulation'].includes(t) && !t.includes('pinch-zoom'))"), [])
        window_ = self.js("(r => [r.left, r.right, r.top, r.bottom])(document.getElementById('Vexil')"
                          ".getBoundingClientRect())")
        seen = self.js("[visualViewport.offsetLeft, visualViewport.offsetLeft + visualViewport.width]")
        self.assertTrue(seen[0] <= window_[0] and window_[1] <= seen[1], (window_, seen))
        chance = random.Random(34)
        cells = self.js("[...document.querySelectorAll('[role=gridcell]')].filter(c => c.checkVisibility())"
                        ".map(c => [c.id, ...(r => [r.left, r.top, r.width, r.height])"
                        "(c.querySelector('.reach').getBoundingClientRect())])")
        for _ in range(40):
            name, left, top, width, height = chance.choice(cells)
            self.tap(left + chance.uniform(1, width - 1), top + chance.uniform(1, height - 1))
            with self.subTest(name):
                self.assertTrue(browser.wait_for(lambda: self.js(
                    "document.getElementById(arguments[0]).getAttribute('aria-selected') == 'true'", name), 2))
        self.quiet()

    def test_zoom_reloads_nothing(self):
        self.open()
        self.perform("L4_En L1_4")
        self.js("window.vexilBefore = true")
        for ratio in (2, 1.25, 0.75):
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                        {"width": 800, "height": 600, "deviceScaleFactor": ratio, "mobile": False})
            self.assertEqual(self.js("devicePixelRatio"), ratio)
        self.perform("L2_7")
        self.assertTrue(self.js("window.vexilBefore"))
        self.assertEqual(self.js("document.getElementById('R_Full').textContent"), "47000 МОм")
        self.assertEqual(self.js("[document.getElementById('Line5').hidden, document.getElementById('L1_4')"
                                 ".getAttribute('aria-selected'), document.getElementById('L2_7')"
                                 ".getAttribute('aria-selected')]"), [True, "true", "true"])
        self.quiet()

    def test_offline_installable_and_updated(self):
        with tempfile.TemporaryDirectory() as folder:
            site = pathlib.Path(folder, "site")
            shutil.copytree(self.site.name, site)
            with browser.serve(site, cached=True) as url:  # a server of its own, to be cut
                self.open(url)
                self.assertTrue(browser.wait_for(lambda: self.js("navigator.serviceWorker.controller !== null"), 20))
                self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
                                 ["installabilityErrors"], [])
                # The first visit, all of it, worker included: at most 150 kB with brotli.
                first = sum(len(brotli.compress((site / (p.lstrip("/") or "index.html")).read_bytes(), quality=11))
                            for p in set(url.served))
                self.assertLessEqual(first, 150_000, sorted(set(url.served)))
                # A new version: every file changed, the old ones still in the HTTP cache.
                for file in site.iterdir():
                    if file.suffix in (".js", ".css"):
                        file.write_text(file.read_text(encoding="utf-8") + "\n/* 2 */\n", encoding="utf-8")
                index = site / "index.html"
                index.write_text(index.read_text(encoding="utf-8").replace("</body>", "<!-- 2 --></body>"),
                                 encoding="utf-8")
                sw = site / "sw.js"
                sw.write_text(sw.read_text(encoding="utf-8").replace('const CACHE = "vexil-', 'const CACHE = "vexil-2'),
                              encoding="utf-8")
                self.load(url)
                self.assertTrue(browser.wait_for(lambda: self.js("window.vexilFirstFrame") and self.js(
                    "document.documentElement.outerHTML.includes('<!-- 2 -->')"), 20), "the old page stayed")
                stale = self.js("""(async () => {
                    const files = ['page.js', 'core.js', 'page.css', 'layout.css', 'fonts.css', 'index.html'];
                    const texts = await Promise.all(files.map(f => fetch(f).then(r => r.text())));
                    return files.filter((f, i) => !texts[i].includes('2 -->') && !texts[i].includes('/* 2 */'));
                })()""")
                self.assertEqual(stale, [])
            self.driver.refresh()  # its server gone
            self.assertIsNotNone(browser.first_frame(self.driver), "no window offline")

    def test_opened_as_a_file(self):
        self.open()
        self.load(pathlib.Path(self.site.name, "index.html").as_uri())
        self.perform("L4_2")
        self.assertEqual(self.js("document.getElementById('R_Full').textContent"), "99,9 кОм")
        self.assertTrue(self.js("document.fonts.check('bold 11px \"Vexil Sans\"')"))
        self.quiet()

    def test_accessibility(self):
        self.open()
        self.driver.execute_script(AXE.read_text(encoding="utf-8"))
        violations = self.driver.execute_async_script(
            "axe.run(document, {runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa']})"
            ".then(r => arguments[0](r.violations.map(v => [v.id, v.nodes.map(n => n.target.join(' '))])))")
        self.assertEqual(violations, [])
        # What a screen reader finds: a role it can choose and a name, for
        # every option and every swatch shown.
        tree = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        found = {(n.get("role", {}).get("value"), n.get("name", {}).get("value")) for n in tree if not n.get("ignored")}
        for role, name in (("radio", "Сопротивление"), ("radio", "4"), ("gridcell", "Желтый, 4"),
                           ("gridcell", "Золотой, 5 процентов"), ("grid", "Таблица цветов"),
                           ("button", "Закрыть"), ("status", "Номинал: 999000 мегаом")):
            self.assertIn((role, name), found)
        cells = [n for n in tree if n.get("role", {}).get("value") == "gridcell" and not n.get("ignored")]
        self.assertEqual(len(cells), 54)  # 56 less band 3's gold and silver
        self.assertTrue(all(n.get("name", {}).get("value") for n in cells))


class FirefoxTest(unittest.TestCase):
    PREFERENCES = ('user_pref("browser.shell.checkDefaultBrowser", false);\n'
                   'user_pref("browser.aboutwelcome.enabled", false);\n'
                   'user_pref("datareporting.policy.dataSubmissionEnabled", false);\n'
                   'user_pref("browser.startup.homepage_override.mstone", "ignore");\n')

    def shown(self):
        """The X screen and where on it the window's top-left corner lies
        (the first row and column of its teal), if it is there."""
        shot = Image.open(io.BytesIO(subprocess.run(["import", "-window", "root", "png:-"], capture_output=True,
                                                    check=True).stdout)).convert("RGB")
        rows = [y for y in range(shot.height) if shot.getpixel((shot.width // 2, y)) == TEAL]
        cols = [x for x in range(shot.width) if rows and shot.getpixel((x, rows[0] + 3)) == TEAL]
        return shot, (cols[0], rows[0]) if cols else None

    @unittest.skipUnless(shutil.which("firefox-esr") and os.environ.get("DISPLAY"), "no Firefox, or no X display")
    def test_shows_the_window_and_decodes_a_click(self):
        with tempfile.TemporaryDirectory() as site, tempfile.TemporaryDirectory() as profile:
            subprocess.run(["cmake", "--install", BUILD, "--prefix", site], check=True, stdout=subprocess.DEVNULL)
            pathlib.Path(profile, "user.js").write_text(self.PREFERENCES)
            with browser.serve(site) as url:
                firefox = subprocess.Popen(["firefox-esr", "--kiosk", "--new-instance", "--profile", profile, url],
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                try:
                    self.decode_a_click()
                finally:
                    # Ended before its profile goes: it writes there to the last.
                    firefox.terminate()
                    firefox.wait(10)

    def decode_a_click(self):
        stripe, swatch = (px(3360) + 8, px(645)), (px(3360) + 8, px(4920 - 360 * 4) + 8)
        # Shown whole: the first stripe white where the window's corner is.
        corner = browser.wait_for(lambda: (s := self.shown())[1] and s[0].getpixel(
            (s[1][0] + stripe[0], s[1][1] + stripe[1])) == (255, 255, 255) and s[1], 60)
        self.assertIsNotNone(corner, "no window")
        at = lambda p: (corner[0] + p[0], corner[1] + p[1])  # noqa: E731
        subprocess.run(["xdotool", "mousemove", "--sync", *map(str, at(swatch)), "click", "1"], check=True)
        self.assertTrue(browser.wait_for(lambda: self.shown()[0].getpixel(at(stripe)) == (255, 255, 0), 10))


if __name__ == "__main__":
    unittest.main(verbosity=2)
