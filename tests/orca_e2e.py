#!/usr/bin/python3
"""What a blind user hears under the real Orca screen reader, from its own
debug log, which records every phrase it would speak ("SPEECH OUTPUT: ...")
and every key it saw; no speech server is needed. The log goes to a
terminal, where Orca writes it line by line as it goes, and each key is
pressed once what the last one must bring has been heard.

4,7 кОм 5 % is decoded by typing, in ten keys: Tab, Left (four bands),
Shift+Tab twice (the chart), 4, 7, 2 (digits choose and go on), З twice
(typed with the Latin key at its place on the Russian layout: Зеленый, then
Золотой), Space. Then arrow steps, an edge, where-am-I (KP_Enter), and Tab
through the result fields. Vexil and Orca both run in LOCALE: speech is
Russian with a decimal comma in any.

Where VEXIL is the page's build folder, its site is served and opened in
Chromium, and the decode is typed there, the chart reached by Tab: Orca
must take the chart in focus mode by itself (the keys go to the page, not
to Orca's browsing), and hear each result once.

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
import pty
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

if not shutil.which("orca"):
    print("SKIPPED: orca is not installed")
    sys.exit(77)
import pyatspi

# Where Vexil is shaped by what Orca 43 does (docs/platforms.md,
# Workarounds), a newer Orca must be heard without those shapes first.
ORCA = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout.split()[-1]
if not ORCA.startswith("43."):
    sys.exit(f"FAIL: Orca {ORCA}: check the workarounds shaped by Orca 43 (docs/platforms.md), then this bound")

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "web"))
from browser import serve, wait_for  # noqa: E402

VEXIL = sys.argv[1]
LOCALE = sys.argv[2] if len(sys.argv) > 2 else "ru_RU.UTF-8"
WESTON = "WAYLAND_DISPLAY" in os.environ
WEB = os.path.isdir(VEXIL)
RESULT = re.compile(r"(ом|фарад|генри)\b")
home = tempfile.mkdtemp()
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"), LANG=LOCALE, LC_ALL=LOCALE)
for key in ("org.gnome.desktop.a11y.applications screen-reader-enabled",
            "org.gnome.desktop.interface toolkit-accessibility"):
    subprocess.run(["gsettings", "set", *key.split(), "true"], env=env, check=True)

# Orca's log, on a terminal: what it says after each key, in order: the
# log's lines between the key's processing and the next's, less Orca's echo
# of the key itself (said while it processes the key). Shift's own press
# goes with the key it shifts.
said = [("", [])]
processed = []  # keys whose processing has ended
master, slave = pty.openpty()


def read_log():
    echoing = False
    with os.fdopen(master, encoding="utf-8", errors="replace") as log:
        for line in iter(log.readline, ""):
            if m := re.search(r"^vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: '(.*?)'", line):
                echoing = True
                if said[-1][0] in ("Shift_L", "Shift_R"):
                    said[-1] = (m.group(1), said[-1][1])
                else:
                    said.append((m.group(1), []))
            elif re.search(r"^\^\^\^\^\^ PROCESS ATSPI_KEY_PRESSED_EVENT", line):
                echoing = False
                if said[-1][0] not in ("Shift_L", "Shift_R"):
                    processed.append(said[-1][0])
            elif (m := re.search(r"SPEECH OUTPUT: '(.*?)' ?\{", line)) and not echoing:
                said[-1][1].append(m.group(1).strip())


threading.Thread(target=read_log, daemon=True).start()
# Orca refuses to start beside another of the same user's: one that is
# still ending (another test's, or a run by hand) is waited for.
if not wait_for(lambda: subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                                       stdout=subprocess.DEVNULL).returncode != 0, 30):
    sys.exit("FAIL: another Orca of this user's still runs")
orca_out = open(os.path.join(home, "orca.out"), "w+")
orca = subprocess.Popen(["orca", "-u", os.path.join(home, "orca"), "--debug-file", os.ttyname(slave)], env=env,
                        stdout=orca_out, stderr=subprocess.STDOUT)


def heard(phrase, of):
    """Whether a phrase begins an utterance, or a part of one after a stop
    or Orca's own words ("… column header Белый, 9")."""
    return any(re.search(r"(^|\. |header )" + re.escape(phrase), h) for h in of)


def fail(what):
    print(f"FAIL: {what}")
    sys.exit(1)


if not wait_for(lambda: any(a is not None and a.name == "orca" for a in pyatspi.Registry.getDesktop(0)), 30):
    orca_out.seek(0)
    fail(f"Orca never joined the accessibility bus (it {'ended, ' + str(orca.returncode) if orca.poll() is not None else 'runs'}): "
         + orca_out.read().strip())
if WEB:
    site = os.path.join(home, "site")
    subprocess.run(["cmake", "--install", VEXIL, "--prefix", site], check=True, stdout=subprocess.DEVNULL)
    server = serve(site)
    app = subprocess.Popen(["chromium", "--no-sandbox", "--test-type", "--force-renderer-accessibility", "--no-first-run",
                            "--disable-background-networking", "--disable-features=Translate,TranslateUI",
                            f"--user-data-dir={home}/chromium", "--window-size=600,500", f"--app={server.__enter__()}"],
                           env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    first = "Завершение загрузки Vexil"  # the page loaded
else:
    app = subprocess.Popen([VEXIL], env=env)
    if not WESTON:  # in Weston, its window on the X display has the keys
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(app.pid)],
                                capture_output=True, text=True, check=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    first = "Vexil"
if not wait_for(lambda: heard(first, said[-1][1]), 60):
    fail(f"Orca never said the window's first words ({first}): {said}")

# Each key, and what must be heard after it (a phrase begins an utterance):
# the next key waits for it.
DECODE = [("Tab", ["Кол-во полос"]), ("Left", ["4, 2 из 3", "99000 мегаом"]), ("shift+Tab", ["Элемент"]),
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
FIELDS = [("Tab", ["Элемент"]), ("Tab", ["Кол-во полос"]), ("Tab", ["Цифры: 47"]), ("Tab", ["Единица: ом"]),
          ("Tab", ["Множитель: 100"]), ("Tab", ["Номинал: 4,7 килоома"]), ("Tab", ["Допуск: 5 процентов"])]
# In the browser Orca browses: Left reads the option beside, Space selects
# it; the chart, reached forward past the fields, it takes in focus mode.
if WEB:
    DECODE = [("Tab", ["5"]), ("Left", ["4"]), ("space", ["99000 мегаом"]), ("Tab", ["Цифры: 99"]),
              ("Tab", ["Единица: ом"]), ("Tab", ["Множитель: 1000000000"]), ("Tab", ["Номинал: 99000 мегаом"]),
              ("Tab", ["Допуск: плюс 80 минус 20"]), ("Tab", ["Закрыть"]), ("Tab", ["Таблица цветов", "Белый, 9"]), ("4", ["Вторая цифра", "Белый, 9"]),
              ("7", ["Множитель", "Белый, умножить"]), ("2", ["Допуск", "Белый, плюс 80", "4,7 килоома"]), ("p", ["Зеленый, полпроцента"]),
              ("p", ["Золотой, 5 процентов"]), ("space", ["допуск 5 процентов"])]
    STEPS, WHERE_AM_I, FIELDS = [], [], []
keys = DECODE + STEPS + WHERE_AM_I + FIELDS
for n, (key, expected) in enumerate(keys, start=1):
    subprocess.run(["xdotool", "key", key], check=True)
    if not wait_for(lambda: len(said) > n and len(processed) >= n and all(heard(p, said[n][1]) for p in expected),
                    15):
        print(f"FAIL: after {key}, never heard {expected}: {said[n:]}")
        break
if WEB:  # Chromium with all its helpers
    os.killpg(app.pid, signal.SIGTERM)
    server.__exit__(None, None, None)
app.terminate()
app.wait(10)
orca.terminate()
try:
    orca.wait(10)
except subprocess.TimeoutExpired:
    orca.kill()
    orca.wait()

failures = 0
presses = said[1:]
if len(presses) != len(keys):
    print(f"FAIL: Orca saw {len(presses)} keys, {len(keys)} were pressed")
    failures += 1
for (key, expected), (seen, phrases) in zip(keys, presses):
    missing = [p for p in expected if not heard(p, phrases)]
    step = (key, expected) in STEPS
    # Each result is heard once, and only after a key that brings one.
    wrong = [h for h in phrases if RESULT.search(h)][len([p for p in expected if RESULT.search(p)]):]
    # An arrow step says the colour and its meaning, or the band's name, short.
    long = step and sum(len(h) for h in phrases) > 45
    # A field says no code letter, abbreviated unit, sign or Latin letter
    # of its own (Orca's role words aside), and no decimal point.
    field = expected[0].split(": ")[0] if expected and ": " in expected[0] and (key, expected) not in WHERE_AM_I else None
    written = [h for h in phrases if field and h.startswith(field)
               and re.search(r"[A-Za-z%]|кОм|пФ|\d\.\d", h.split(" label")[0].split(" statusbar")[0])]
    ok = not missing and not wrong and not long and not written
    failures += not ok
    print(f"{'ok  ' if ok else 'FAIL'} {key} ({seen}): {' | '.join(phrases)}" +
          (f"  -- missing {missing}" if missing else "") + (f"  -- a result too many {wrong}" if wrong else "") +
          ("  -- too long" if long else "") + (f"  -- as written {written}" if written else ""))

# How long it all is heard, phrase by phrase, from the window's first words
# to where-am-I.
if shutil.which("espeak-ng") and shutil.which("soxi") and not WEB:
    wav = os.path.join(home, "utterance.wav")

    def seconds(phrase):
        subprocess.run(["espeak-ng", "-v", "ru", "-w", wav, phrase], check=True, capture_output=True)
        return float(subprocess.run(["soxi", "-D", wav], capture_output=True, text=True).stdout)

    start = next(i for i, (_, phrases) in enumerate(said) if any("Vexil" in h for h in phrases))
    first_words = said[start][1][next(i for i, h in enumerate(said[start][1]) if "Vexil" in h):]
    decode = [first_words] + [phrases for _, phrases in said[start + 1:len(DECODE) + 1]]
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
