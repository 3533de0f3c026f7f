#!/usr/bin/python3
"""What a blind user hears under the real Orca screen reader, from its own
debug log, which records every phrase it would speak ("SPEECH OUTPUT: ...")
and every key it saw; no speech server is needed. 4,7 кОм 5 % is decoded by
typing, in ten keys: Tab, Left (four bands), Shift+Tab twice (the chart),
4, 7, 2 (digits choose and go on), З twice (typed with the Latin key at its
place on the Russian layout: Зеленый, then Золотой), Space. Then arrow
steps, an edge, where-am-I (KP_Enter), and Tab through the result fields.
Vexil and Orca both run in LOCALE: speech is Russian with a decimal comma
in any.

Where VEXIL is the browser build's folder, its site is served and opened
in Chromium, and only the decode is pressed: Orca must take the canvas in
its focus mode by itself (the keys go to Vexil, not to Orca's browsing),
and hear each result once.

Run inside scripts/with-wayland, Vexil runs in Weston or mutter: the same
words are heard.

Run as: scripts/with-xvfb dbus-run-session -- [scripts/with-wayland weston|mutter] tests/orca_e2e.py VEXIL [LOCALE]
Exits 77 (skipped) when Orca is not installed. Where espeak-ng and sox are
installed, it times every phrase Orca speaks after a key, its own words
and none of its key echo (voice ru, default rate), and holds them to what
they take now: none over 3.1 s (Orca's "отмечено" takes the longest past
3 s), the decode at most 45 s, where-am-I (which Orca 43 ends with the
focused swatch and its place) at most 12 s."""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

if not shutil.which("orca"):
    print("SKIPPED: orca is not installed")
    sys.exit(77)
import pyatspi

VEXIL = sys.argv[1]
LOCALE = sys.argv[2] if len(sys.argv) > 2 else "ru_RU.UTF-8"
WESTON = "WAYLAND_DISPLAY" in os.environ
home = tempfile.mkdtemp()
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"), LANG=LOCALE, LC_ALL=LOCALE)
for key in ("org.gnome.desktop.a11y.applications screen-reader-enabled",
            "org.gnome.desktop.interface toolkit-accessibility"):
    subprocess.run(["gsettings", "set", *key.split(), "true"], env=env, check=True)
log = os.path.join(home, "orca.log")
orca = subprocess.Popen(["orca", "-u", os.path.join(home, "orca"), "--debug-file", log], env=env,
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
# Orca writes its log in blocks; that it has joined the accessibility bus
# is seen at once.
for _ in range(300):
    if any(a is not None and a.name == "orca" for a in pyatspi.Registry.getDesktop(0)):
        break
    time.sleep(0.1)
time.sleep(1)
WEB = os.path.isdir(VEXIL)
if WEB:
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "web"))
    import browser
    site = os.path.join(home, "site")
    subprocess.run(["cmake", "--install", VEXIL, "--prefix", site], check=True, stdout=subprocess.DEVNULL)
    server = browser.serve(site)
    app = subprocess.Popen(["chromium", "--no-sandbox", "--force-renderer-accessibility", "--no-first-run",
                            "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--disable-features=Translate",
                            f"--user-data-dir={home}/chromium", "--window-size=600,500", f"--app={server.__enter__()}"],
                           env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    time.sleep(15)  # the page loaded, the program compiled and started
else:
    app = subprocess.Popen([VEXIL], env=env)
    if not WESTON:  # in Weston, its window on the X display has the keys
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(app.pid)],
                                capture_output=True, text=True, check=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    time.sleep(4 if WESTON else 2)

# Each key, and what must be heard after it (a phrase begins an utterance).
DECODE = [("Tab", []), ("Left", ["4, 2 из 3", "99000 мегаом"]), ("shift+Tab", []),
          ("shift+Tab", ["Таблица цветов", "Первая цифра", "Белый, 9"]),
          ("4", ["Вторая цифра", "Белый, 9"]), ("7", ["Множитель", "Белый, умножить"]),
          ("2", ["Допуск", "4,7 килоома"]), ("p", ["Зеленый, полпроцента"]), ("p", ["Золотой, 5 процентов"]),
          ("space", ["допуск 5 процентов"])]
STEPS = [("Up", ["Черный, 20 процентов"]), ("Down", ["Золотой, 5 процентов"]),
         ("Left", ["Множитель", "Красный, умножить на 100"]), ("Right", ["Допуск", "Золотой, 5 процентов"]),
         ("Right", ["последняя полоса"])]
WHERE_AM_I = [("KP_Enter", ["Сопротивление, 4 полосы: 4,7 килоома, допуск 5 процентов"])]
# From the chart round to the options, then the fields: each its own name
# and its value in words.
FIELDS = [("Tab", []), ("Tab", []), ("Tab", ["Цифры: 47"]), ("Tab", ["Единица: ом"]), ("Tab", ["Множитель: 100"]),
          ("Tab", ["Номинал: 4,7 килоома"]), ("Tab", ["Допуск: 5 процентов"])]
if WEB:  # the page speaks its own words: the band with the colour, the result after them
    DECODE = [(key, [p for p in heard if p not in ("Таблица цветов", "Белый, 9", "Белый, умножить")])
              for key, heard in DECODE]
    STEPS, WHERE_AM_I, FIELDS = [], [], []
for keys in (DECODE, STEPS, WHERE_AM_I, FIELDS):
    for key, _ in keys:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(1)
if WEB:  # Chromium with all its helpers
    os.killpg(app.pid, signal.SIGTERM)
    server.__exit__(None, None, None)
app.terminate()
app.wait(10)
orca.terminate()  # which writes out the rest of its log
orca.wait(10)

# What was said after each key, in order: the log's lines between the key's
# processing and the next's, less Orca's echo of the key itself (said while
# it processes the key). Shift's own press goes with the key it shifts.
said = [("", [])]
echoing = False
with open(log, encoding="utf-8", errors="replace") as f:
    for line in f:
        if m := re.search(r"^vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: '(.*?)'", line):
            echoing = True
            if said[-1][0] in ("Shift_L", "Shift_R"):
                said[-1] = (m.group(1), said[-1][1])
            else:
                said.append((m.group(1), []))
        elif re.search(r"^\^\^\^\^\^ PROCESS ATSPI_KEY_PRESSED_EVENT", line):
            echoing = False
        elif (m := re.search(r"SPEECH OUTPUT: '(.*?)' ?\{", line)) and not echoing:
            said[-1][1].append(m.group(1).strip())

failures = 0
keys = DECODE + STEPS + WHERE_AM_I + FIELDS
presses = said[1:]
if len(presses) != len(keys):
    print(f"FAIL: Orca saw {len(presses)} keys, {len(keys)} were pressed")
    failures += 1
for (key, expected), (seen, heard) in zip(keys, presses):
    missing = [p for p in expected if not any(h.startswith(p) or f". {p}" in h for h in heard)]
    step = (key, expected) in STEPS
    # Each result is heard once.
    twice = len([h for h in heard if re.search(r"(ом|фарад|генри)\b", h)]) > 1
    # An arrow step says the colour and its meaning, or the band's name,
    # short, and never the result.
    results = [h for h in heard if re.search(r"(ом|фарад|генри)\b", h)] if step else []
    long = step and sum(len(h) for h in heard) > 45
    # A field says no code letter, abbreviated unit, sign or Latin letter
    # of its own (Orca's role words aside), and no decimal point.
    written = [h for h in heard if (key, expected) in FIELDS and expected and h.startswith(expected[0].split(":")[0])
               and re.search(r"[A-Za-z%]|кОм|пФ|\d\.\d", h.split(" label")[0])]
    # Where-am-I gives the whole state once: no result of a choice after it.
    if (key, expected) in WHERE_AM_I:
        results = [h for h in heard if re.search(r"(ом|фарад|генри)\b", h)][1:]
    ok = not missing and not results and not long and not written and not twice
    failures += not ok
    print(f"{'ok  ' if ok else 'FAIL'} {key} ({seen}): {' | '.join(heard)}" +
          (f"  -- missing {missing}" if missing else "") + (f"  -- a result {results}" if results else "") +
          ("  -- too long" if long else "") + ("  -- a result twice" if twice else "") + (f"  -- as written {written}" if written else ""))

# How long it all is heard, phrase by phrase, from the window's first words
# to where-am-I.
if shutil.which("espeak-ng") and shutil.which("soxi") and not WEB:
    wav = os.path.join(home, "utterance.wav")

    def seconds(phrase):
        subprocess.run(["espeak-ng", "-v", "ru", "-w", wav, phrase], check=True, capture_output=True)
        return float(subprocess.run(["soxi", "-D", wav], capture_output=True, text=True).stdout)

    start = next(i for i, (_, heard) in enumerate(said) if any("Vexil" in h for h in heard))
    first = said[start][1][next(i for i, h in enumerate(said[start][1]) if "Vexil" in h):]
    decode = [first] + [heard for _, heard in said[start + 1:len(DECODE) + 1]]
    where_am_i = said[len(DECODE + STEPS) + 1][1]
    total = 0.0
    for phrases in decode:
        for h in phrases:
            total += (t := seconds(h))
            if t > 3.1:
                print(f"FAIL over 3.1 s: {h} ({t:.2f} s)")
                failures += 1
    asked = sum(seconds(h) for h in where_am_i)
    print(f"the decode: {len(DECODE)} keys, {total:.1f} s of speech, where-am-I {asked:.1f} s (espeak-ng, voice ru)")
    if total > 45.0 or asked > 12.0:
        print("FAIL: the decode over 45 s, or where-am-I over 12 s")
        failures += 1
sys.exit(1 if failures else 0)
