#!/usr/bin/env bash
# Which display Vexil opens, or the one line it prints where none answers:
# tests/display_choice_test.sh VEXIL. Run through scripts/with-xvfb, whose
# X server is the live display of the last rows.
set -uo pipefail
vexil=$1
live_x=$DISPLAY
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
# A Wayland socket that refuses: bound once, nobody listening.
python3 -c "import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])" "$runtime/dead-wayland"
failures=0

# environment | status | what it prints
rows=(
    "|1|vexil: needs a graphical display, but DISPLAY and WAYLAND_DISPLAY are unset"
    "QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY=|1|vexil: needs a graphical display, but DISPLAY and WAYLAND_DISPLAY are unset"
    "DISPLAY=:93|1|vexil: cannot open a display: WAYLAND_DISPLAY is unset, X display :93 refused"
    "WAYLAND_DISPLAY=dead-wayland|1|vexil: cannot open a display: Wayland socket dead-wayland refused, DISPLAY is unset"
    "WAYLAND_DISPLAY=missing DISPLAY=:93|1|vexil: cannot open a display: Wayland socket missing refused, X display :93 refused"
    "QT_QPA_PLATFORM=xcb|1|vexil: cannot open a display: DISPLAY is unset"
    "QT_QPA_PLATFORM=xcb DISPLAY=:93|1|vexil: cannot open a display: X display :93 refused"
    "QT_QPA_PLATFORM=wayland DISPLAY=$live_x|1|vexil: cannot open a display: WAYLAND_DISPLAY is unset"
    "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=dead-wayland|1|vexil: cannot open a display: Wayland socket dead-wayland refused"
    "WAYLAND_DISPLAY=dead-wayland DISPLAY=$live_x|running|"
    "QT_QPA_PLATFORM=xcb DISPLAY=$live_x|running|"
)
for row in "${rows[@]}"; do
    IFS='|' read -r environment status expected <<<"$row"
    read -ra assignments <<<"$environment"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "${assignments[@]}" \
        "$vexil" >"$runtime/out" 2>&1 &
    pid=$!
    if [[ $status == running ]]; then
        # It opened the live X display: its window comes up there.
        if DISPLAY=$live_x timeout 20 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null; then
            got=running
        else
            got="not running: $(cat "$runtime/out")"
        fi
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    else
        wait "$pid"
        got="$?|$(cat "$runtime/out")"
        expected="$status|$expected"
    fi
    [[ $status == running ]] && expected=running
    if [[ $got != "$expected" ]]; then
        echo "FAIL [$environment]: got '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
done
echo "${#rows[@]} cases, $failures failed"
((failures == 0))
