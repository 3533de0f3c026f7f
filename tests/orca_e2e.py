#!/usr/bin/python3
"""What a blind user hears: a four-band resistor decoded by keys under the
real Orca screen reader, which records every phrase it would speak in its
debug log ("SPEECH OUTPUT: ..."); no speech server is needed.

Run as: scripts/with-xvfb dbus-run-session -- tests/orca_e2e.py VEXIL
Exits 77 (skipped) when Orca is not installed."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

if not shutil.which("orca"):
    print("SKIPPED: orca is not installed")
    sys.exit(77)

VEXIL = sys.argv[1]
home = tempfile.mkdtemp()
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"))
for key in ("org.gnome.desktop.a11y.applications screen-reader-enabled",
            "org.gnome.desktop.interface toolkit-accessibility"):
    subprocess.run(["gsettings", "set", *key.split(), "true"], env=env, check=True)
log = os.path.join(home, "orca.log")
orca = subprocess.Popen(["orca", "-u", os.path.join(home, "orca"), "--debug-file", log], env=env,
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def spoken():
    with open(log, encoding="utf-8", errors="replace") as f:
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", f.read())


for _ in range(200):
    if "Screen reader on." in (spoken() if os.path.exists(log) else []):
        break
    time.sleep(0.1)
app = subprocess.Popen([VEXIL], env=dict(env, LANG="ru_RU.UTF-8", LC_ALL="ru_RU.UTF-8"))
window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(app.pid)],
                        capture_output=True, text=True, check=True).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
time.sleep(3)

# Four bands, then yellow, violet, red and gold in the chart (Shift+Tab from
# the kind reaches it), each chosen by Space or Enter; and what must be
# heard right after each choice, with no other key pressed: after the key's
# echo or its "selected", or, where the choice moved the focus (an option),
# as the newly selected option is presented.
steps = [(["Tab", "Left"], "99000 МОм, допуск +80% -20% (Z)", "selected radio button"),
         (["shift+Tab", "shift+Tab"] + ["Down"] * 5 + ["space"], "49000 МОм, допуск +80% -20% (Z)", "selected"),
         (["Right"] + ["Down"] * 2 + ["Return"], "47000 МОм, допуск +80% -20% (Z)", "return "),
         (["Right"] + ["Down"] * 7 + ["space"], "4,7 кОм, допуск +80% -20% (Z)", "selected"),
         (["Right"] + ["Down"] * 10 + ["Return"], "4,7 кОм, допуск 5% (J)", "return ")]
for keys, _, _ in steps:
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.3)
    time.sleep(2)
app.terminate()
app.wait(10)
orca.terminate()  # which writes out the rest of its log
orca.wait(10)

heard = spoken()
failures = 0
at = 0
for keys, expected, after in steps:
    found = next((i for i in range(max(at, 1), len(heard)) if heard[i] == expected and heard[i - 1] == after), None)
    failures += found is None
    print(f"{'ok  ' if found else 'FAIL'} after {keys[-1]}: {expected!r}")
    at = found or at
print(f"{len(steps)} choices, {failures} not heard; Orca said:", *heard, sep="\n  ")
sys.exit(1 if failures else 0)
