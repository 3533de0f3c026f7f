#!/usr/bin/python3
"""Vexil's page in headless Chromium, as a visitor gets it: the site that
`cmake --install` makes from BUILD, served over HTTP. Clicks, taps on a
phone's screen and keys decode as on Linux (the same stripes), the live
region says the result, and "Закрыть" ends the program.
Firefox, which has no driver here, shows the window and decodes a click
on a virtual X screen (run under scripts/with-xvfb), driven by xdotool.
Usage: web_e2e.py BUILD"""

import base64
import io
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from PIL import Image
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools" / "web"))
import browser  # noqa: E402

BUILD = pathlib.Path(sys.argv.pop(1))


def centre(left, top, width, height):  # twips to the window's px, as it places them
    p = lambda twips: (twips + 7) // 15  # noqa: E731
    return p(left) + p(width) // 2, p(top) + p(height) // 2


def swatch(band, colour):
    return centre(3360 + 480 * (band - 1), 4920 - 360 * colour, 255, 255)


STRIPES = [centre(3360 + 480 * band, 645, 255, 0) for band in range(5)]  # above the body
FOUR_BANDS = (centre(1095, 2040, 0, 255)[0] + 8, centre(1095, 2040, 0, 255)[1])  # on its round indicator
CLOSE = centre(240, 5520, 1575, 375)
WHITE, YELLOW, VIOLET, RED, HIDDEN = (255, 255, 255), (255, 255, 0), (255, 0, 255), (255, 0, 0), (0, 64, 64)
CANVAS = "document.getElementById('vexil-canvas')"
SPEECH = "document.getElementById('vexil-speech').textContent"


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

    def open(self, **screen):
        context = browser.chromium(**screen)
        self.driver = context.__enter__()
        self.addCleanup(context.__exit__, None, None, None)
        self.driver.get(self.url)

    def js(self, code):
        return self.driver.execute_script("return " + code)

    def at(self, point):
        """Where a point of the window lies on the page (a window kept at
        one device pixel per pixel is larger there than 441 px)."""
        box = self.js(f"{CANVAS}.getBoundingClientRect()")
        return box["x"] + (point[0] + 0.5) * box["width"] / 441, box["y"] + (point[1] + 0.5) * box["height"] / 407

    def click(self, point):
        x, y = self.at(point)
        for kind in ("mousePressed", "mouseReleased"):
            self.driver.execute_cdp_cmd("Input.dispatchMouseEvent",
                                        {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})

    def tap(self, point):
        x, y = self.at(point)
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def shot(self, left=0, top=0, right=441, bottom=407):
        """The window's rectangle (in its px), at every device pixel, even
        where it lies beyond the screen."""
        box = self.js(f"{CANVAS}.getBoundingClientRect()")
        f = box["width"] / 441
        png = self.driver.execute_cdp_cmd("Page.captureScreenshot", {"captureBeyondViewport": True, "clip": {
            "x": box["x"] + self.js("scrollX") + left * f, "y": box["y"] + self.js("scrollY") + top * f,
            "width": (right - left) * f, "height": (bottom - top) * f, "scale": 1}})["data"]
        return Image.open(io.BytesIO(base64.b64decode(png))).convert("RGB")

    def stripes(self, expected, points=STRIPES):
        """Waits until the window's `points` (the stripes) have the
        `expected` colours; those last seen."""
        seen = []

        def shown():
            shot = self.shot().resize((441, 407), Image.NEAREST)
            seen[:] = [shot.getpixel(p) for p in points]
            return seen == expected
        browser.wait_for(shown, 10)
        return seen

    def plain(self, left, top, right, bottom):
        """Whether the window's rectangle shows nothing but its background."""
        return set(self.shot(left, top, right, bottom).getdata()) == {HIDDEN}

    def said(self, expected=None):
        """What the live region says, once it says `expected`, if given."""
        browser.wait_for(lambda: self.js(SPEECH).strip(" \u00a0") == expected, 5 if expected else 0)
        return self.js(SPEECH).strip(" \u00a0")

    def started(self):
        self.assertIsNotNone(browser.first_frame(self.driver), "no first frame")
        self.assertEqual(self.js("[document.documentElement.lang, document.title]"), ["ru", "Vexil...!"])
        ratio = self.js("devicePixelRatio")
        box = self.js(f"{CANVAS}.getBoundingClientRect()")
        backing = self.js(f"[{CANVAS}.width, {CANVAS}.height]")
        self.assertEqual(backing, [round(box["width"] * ratio), round(box["height"] * ratio)])  # one per device px
        self.assertTrue(0 <= box["left"] and box["right"] <= self.js("innerWidth"), box)  # all of it in view
        self.assertEqual(self.stripes([WHITE] * 5), [WHITE] * 5)

    def test_decodes_by_click_and_tap_and_closes(self):
        screens = {"desktop": ({}, PageTest.click),
                   "desktop at 150 %": ({"width": 1000, "height": 700, "scale": 1.5}, PageTest.click),
                   "phone, 360 px": ({"width": 360, "height": 740, "scale": 2.0, "phone": True}, PageTest.tap)}
        for name, (screen, press) in screens.items():
            with self.subTest(name):
                self.open(**screen)
                self.started()
                for point in (swatch(1, 4), swatch(5, 2), FOUR_BANDS):
                    press(self, point)
                self.assertTrue(browser.wait_for(lambda: self.plain(348, 100, 374, 396), 5), "band 5 left behind")
                for point in (swatch(2, 7), swatch(3, 2)):
                    press(self, point)
                self.assertEqual(self.stripes([YELLOW, VIOLET, RED, WHITE, HIDDEN]), [YELLOW, VIOLET, RED, WHITE, HIDDEN])
                self.assertEqual(self.said("4,7 килоома"), "4,7 килоома")
                self.assertIn("4 полосы: 4,7 килоома", self.js("document.getElementById('vexil-state').textContent"))
                press(self, CLOSE)
                self.assertTrue(browser.wait_for(lambda: self.js(f"{CANVAS}.style.display") == "none", 5))
                self.assertTrue(self.js("document.getElementById('vexil-line').textContent").startswith("Vexil закрыт."))

    def test_decodes_by_keyboard(self):
        self.open()
        self.started()
        # Tab goes round the window, never out to the page, and reaches the chart.
        for _ in range(12):
            before = self.js(SPEECH)
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            browser.wait_for(lambda: self.js(SPEECH) != before, 5)  # a slow machine speaks late
            self.assertEqual(self.js("document.activeElement.id"), "vexil-canvas")
            if self.said().startswith("Первая цифра. Белый"):
                break
        self.assertTrue(self.said().startswith("Первая цифра. Белый"), self.said())
        ActionChains(self.driver).send_keys("4", "7", "2", Keys.DOWN).perform()
        self.assertEqual(self.stripes([YELLOW, VIOLET, RED, WHITE, WHITE]), [YELLOW, VIOLET, RED, WHITE, WHITE])
        self.assertTrue(browser.wait_for(lambda: self.said().startswith("Серый"), 5), self.said())

    def test_any_zoom_any_time(self):
        # Zoomed from 100 % to 200 % while it runs: it starts anew at 200 %,
        # with what was chosen, and a click still paints its stripe.
        self.open()
        self.started()
        for point in (FOUR_BANDS, swatch(1, 4)):
            self.click(point)
        self.assertEqual(self.stripes([YELLOW, WHITE, WHITE, WHITE, HIDDEN]), [YELLOW, WHITE, WHITE, WHITE, HIDDEN])
        self.js("window.vexilBefore = true")
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": 800, "height": 600, "deviceScaleFactor": 2, "mobile": False})
        self.assertTrue(browser.wait_for(lambda: not self.js("window.vexilBefore === true"), 20), "not started anew")
        self.assertIsNotNone(browser.first_frame(self.driver))
        self.click(swatch(2, 7))
        self.assertEqual(self.stripes([YELLOW, VIOLET, WHITE, WHITE, HIDDEN]), [YELLOW, VIOLET, WHITE, WHITE, HIDDEN])
        # Loaded at 90 %: kept at one device pixel per pixel, and whole.
        self.open(scale=0.9)
        self.assertIsNotNone(browser.first_frame(self.driver))
        self.click(swatch(1, 4))
        grey, teal = (192, 192, 192), (0, 64, 64)
        points = [STRIPES[0], (20, 230), (5, 400)]  # stripe 1, inside R_Full, the window
        self.assertEqual(self.stripes([YELLOW, grey, teal], points), [YELLOW, grey, teal])

    def test_offline_after_one_visit_and_installable(self):
        with browser.serve(self.site.name) as url:  # a server of its own, to be cut
            self.open()
            self.driver.get(url)
            self.started()
            self.assertTrue(browser.wait_for(lambda: self.js("navigator.serviceWorker.controller !== null"), 20))
            self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"],
                             [])
        self.driver.refresh()
        self.started()

    def test_opened_as_a_file_says_how_to_serve_it(self):
        self.open()
        self.driver.get(pathlib.Path(self.site.name, "index.html").as_uri())
        self.assertIn("python3 -m http.server", self.js("document.getElementById('vexil-line').textContent"))
        self.assertEqual([line for line in browser.console(self.driver) if "rror" in line], [])

    def test_says_what_is_missing(self):
        self.open(flags=["--disable-webgl"])
        self.assertTrue(browser.wait_for(lambda: "нет WebGL" in self.js("document.body.innerText"), 10))


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
        rows = [y for y in range(shot.height) if shot.getpixel((shot.width // 2, y)) == HIDDEN]
        cols = [x for x in range(shot.width) if rows and shot.getpixel((x, rows[0] + 3)) == HIDDEN]
        return shot, (cols[0], rows[0]) if cols else None

    @unittest.skipUnless(shutil.which("firefox-esr") and os.environ.get("DISPLAY"), "no Firefox, or no X display")
    def test_shows_the_window_and_decodes_a_click(self):
        with tempfile.TemporaryDirectory() as site, tempfile.TemporaryDirectory() as profile:
            subprocess.run(["cmake", "--install", BUILD, "--prefix", site], check=True, stdout=subprocess.DEVNULL)
            pathlib.Path(profile, "user.js").write_text(self.PREFERENCES)
            with browser.serve(site) as url:
                firefox = subprocess.Popen(["firefox-esr", "--kiosk", "--new-instance", "--profile", profile, url],
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                self.addCleanup(firefox.wait, 10)
                self.addCleanup(firefox.terminate)
                corner = browser.wait_for(lambda: self.shown()[1], 60)
                self.assertIsNotNone(corner, "no window")
                time.sleep(1)  # its first frame drawn whole
                shot, corner = self.shown()
                at = lambda p: (corner[0] + p[0], corner[1] + p[1])  # noqa: E731
                self.assertEqual([shot.getpixel(at(p)) for p in STRIPES], [WHITE] * 5)
                subprocess.run(["xdotool", "mousemove", "--sync", *map(str, at(swatch(1, 4))), "click", "1"],
                               check=True)
                self.assertTrue(browser.wait_for(lambda: self.shown()[0].getpixel(at(STRIPES[0])) == YELLOW, 10))


if __name__ == "__main__":
    unittest.main(verbosity=2)
