#!/usr/bin/python3
"""The real executable decoded through the AT-SPI bus, as a screen reader
would drive it, and once more with key events alone.

Run as: scripts/with-xvfb dbus-run-session -- tests/atspi_e2e.py VEXIL [actions]
With "actions", the first part alone, on whatever display the environment
names (tests/display_choice_test.sh runs it on Weston).
Exits 77 (skipped) when pyatspi is not installed."""
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import Atspi, GLib
except ImportError:
    print("SKIPPED: pyatspi is not installed")
    sys.exit(77)

VEXIL = sys.argv[1]
ACTIONS_ONLY = sys.argv[2:] == ["actions"]
FAILURES = []
PASSED = []


def check(what, actual, expected):
    (PASSED if actual == expected else FAILURES).append(what)
    print(f"{'ok  ' if actual == expected else 'FAIL'} {what}: {actual!r}" +
          ("" if actual == expected else f", expected {expected!r}"))


def start():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="ru_RU.UTF-8", LC_ALL="ru_RU.UTF-8")
    app = subprocess.Popen([VEXIL], env=env)
    for _ in range(600):  # a loaded machine can take seconds
        if app.poll() is not None:
            sys.exit(f"Vexil exited with status {app.returncode} before it appeared")
        desktop = pyatspi.Registry.getDesktop(0)
        for a in desktop:
            if a is not None and a.name == "Vexil" and a.childCount > 0:
                return app, a
        time.sleep(0.05)
    app.kill()
    sys.exit("Vexil did not appear on the accessibility bus")


def named(root, name, role=None):
    matches = name if callable(name) else lambda n: n == name
    found = pyatspi.findDescendant(
        root, lambda o: o is not None and matches(o.name) and role in (None, o.getRoleName()))
    if found is None:
        sys.exit(f"nothing is named {name!r}")
    return found


def press(root, name):
    actions = named(root, name).queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    for wanted in ("Press", "Toggle"):
        if wanted in names:
            actions.doAction(names.index(wanted))
            return
    sys.exit(f"{name!r} offers no press action: {names}")


def swatch(root, band, colour):
    chart = named(root, lambda name: name.startswith("Таблица цветов"))
    column = chart.getChildAtIndex(band - 1)
    for i in range(column.childCount):
        if column.getChildAtIndex(i).name.startswith(colour + ","):
            return column.getChildAtIndex(i)
    sys.exit(f"band {band} ({column.name}) offers no {colour}")


def text_of(root, name):
    """What a result field shows; its name says what it is, in words."""
    t = named(root, lambda n: n.startswith(name), "label").queryText()
    return t.getText(0, t.characterCount)


def wait_for(what, read, expected):
    for _ in range(100):
        if read() == expected:
            break
        time.sleep(0.05)
    check(what, read(), expected)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout.strip()


# 1. Actions alone: four bands, yellow, violet, red, gold.
app, root = start()
if not os.environ.get("WAYLAND_DISPLAY"):  # no window manager on the X server to activate it
    xdotool("windowfocus", "--sync", xdotool("search", "--sync", "--onlyvisible", "--name", r"^Vexil\.\.\.!$").split()[0])
frame = root.getChildAtIndex(0)
check("window role", frame.getRoleName(), "frame")
check("window name", frame.name, "Vexil...!")
# The window is active: Orca passes over focus events of a frame that is not.
wait_for("window active", lambda: frame.getState().contains(pyatspi.STATE_ACTIVE), True)
bar = named(root, lambda name: name.startswith("Сопротивление"), "tool bar")
# A new result is told with its text, by the object that has the focus.
told = []
pyatspi.Registry.registerEventListener(lambda e: told.append((e.source.name, e.any_data)),
                                       "object:property-change:accessible-description")
named(root, "Сопротивление, 1 из 3").queryComponent().grabFocus()
wait_for("focus given", lambda: named(root, "Сопротивление, 1 из 3").getState().contains(pyatspi.STATE_FOCUSED),
         True)
press(root, "4, 2 из 3")
check("options say their place", named(root, "Кол-во полос").childCount, 3)
for band, colour in ((1, "Желтый"), (2, "Фиолетовый"), (3, "Красный"), (4, "Золотой")):
    swatch(root, band, colour).queryAction().doAction(0)
wait_for("nominal value by actions", lambda: text_of(root, "Номинал:"), "4,7 кОм")
check("tolerance by actions", text_of(root, "Допуск:"), "5% (J)")
wait_for("result told, units in full", lambda: (GLib.MainContext.default().iteration(False), told[-2:])[1],
         [("Сопротивление, 1 из 3", "допуск 5 процентов"), ("Сопротивление, 1 из 3", "")])
check("the tool bar around everything holds the state", bar.name,
      "Сопротивление, 4 полосы: 4,7 килоома, допуск 5 процентов")
gold = swatch(root, 4, "Золотой")
check("gold swatch: colour and meaning", gold.name, "Золотой, 5 процентов")
check("gold swatch checked", gold.getState().contains(pyatspi.STATE_CHECKED), True)
check("swatch's band", gold.parent.name, "Допуск")
check("chart holds the shown bands", gold.parent.parent.childCount, 4)
if ACTIONS_ONLY:
    buttons = [o.name for o in pyatspi.findAllDescendants(frame, lambda o: o.getRoleName() == "push button")]
    check("title bar's buttons", sorted(b for b in buttons if b != "Закрыть") + buttons.count("Закрыть") * ["Закрыть"],
          ["Свернуть", "Закрыть", "Закрыть"])
    app.terminate()
    app.wait(10)
    print(f"{len(PASSED)} passed, {len(FAILURES)} failed")
    sys.exit(1 if FAILURES else 0)
field = named(root, lambda n: n.startswith("Номинал:"), "label")
check("field names its value in words", field.name, "Номинал: 4,7 килоома")
check("result field is read-only", field.getState().contains(pyatspi.STATE_EDITABLE), False)
check("result field offers no editing", "EditableText" in field.get_interfaces(), False)
# Called all the same, as the client that once overwrote it did.
for call in (lambda: Atspi.EditableText.set_text_contents(field, "XX"),
             lambda: Atspi.EditableText.insert_text(field, 0, "X", 1),
             lambda: Atspi.EditableText.delete_text(field, 0, 2)):
    try:
        call()
    except Exception:  # refused outright is as good
        pass
check("result field unchanged by editing calls", text_of(root, "Номинал:"), "4,7 кОм")
app.terminate()
app.wait(10)

# 2. Keys alone, then Return on "Закрыть".
app, root = start()
window = xdotool("search", "--sync", "--onlyvisible", "--name", r"^Vexil\.\.\.!$").splitlines()[0]
xdotool("windowfocus", "--sync", window)
# Docks tie the window to its desktop entry by the entry's StartupWMClass.
entry = open(os.path.join(os.path.dirname(__file__), "..", "data", "org.vexil.Vexil.desktop")).read()
wm_class = subprocess.run(["xprop", "-id", window, "WM_CLASS"], capture_output=True, text=True).stdout
check("WM_CLASS matches StartupWMClass",
      wm_class.rsplit('"', 2)[-2] if '"' in wm_class else wm_class,
      entry.split("StartupWMClass=")[1].split()[0])
wait_for("focus at start", lambda: named(root, "Сопротивление, 1 из 3").getState().contains(pyatspi.STATE_FOCUSED),
         True)
keys = ["Tab", "Left"] + ["Tab"] * 7 + ["Down"] * 5 + ["space", "Right"] + ["Down"] * 2 + ["space", "Right"] + \
    ["Down"] * 7 + ["space", "Right"] + ["Down"] * 10 + ["space"]
xdotool("key", "--delay", "20", *keys)
wait_for("nominal value by keys", lambda: text_of(root, "Номинал:"), "4,7 кОм")
# A screen reader follows the chart's cursor: it is the focused object.
wait_for("cursor's swatch focused", lambda: swatch(root, 4, "Золотой").getState().contains(
    pyatspi.STATE_FOCUSED), True)
xdotool("key", "shift+Tab", "Return")
try:
    status = app.wait(10)
except subprocess.TimeoutExpired:
    app.kill()
    status = "still running"
check("Return on Закрыть ends the program", status, 0)

print(f"{len(PASSED)} passed, {len(FAILURES)} failed")
sys.exit(1 if FAILURES else 0)
