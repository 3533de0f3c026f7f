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
# A live Wayland compositor: Weston, its output a window on the live X
# display, where xdotool can click. No panel, so the window's place is
# chosen within the output alone.
printf '[core]\nidle-time=0\n[shell]\npanel-position=none\n' >"$runtime/weston.ini"
XDG_RUNTIME_DIR="$runtime" weston --config="$runtime/weston.ini" --backend=x11-backend.so \
    --width=448 --height=441 --socket=live-wayland >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [[ -S $runtime/live-wayland ]] && break
    sleep 0.1
done
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
    "WAYLAND_DISPLAY=live-wayland DISPLAY=$live_x WAYLAND_DEBUG=1|native|"
)

# On the compositor: a native window of the fixed size (441 × 407 under a
# 20 px title bar of its own), which clicks where Qt's title bar had its
# maximize button leave as it is.
native() {
    local pid=$1 out=$2 request
    for _ in $(seq 100); do
        grep -q set_window_geometry "$out" && break
        sleep 0.2
    done
    xdotool mousemove 404 15 click 1 mousemove 380 10 click 1
    sleep 1
    kill -0 "$pid" || { echo "died: $(grep -a -m1 error "$out")"; return; }
    for request in 'set_title("Vexil...!")' 'set_app_id("org.vexil.Vexil")' \
        'set_min_size(441, 427)' 'set_max_size(441, 427)'; do
        grep -qF "$request" "$out" || { echo "no $request"; return; }
    done
    grep -a 'set_window_geometry\|set_maximized' "$out" | grep -v 'set_window_geometry(0, 0, 441, 427)' |
        head -1 | sed 's/^/asked /'
    echo native
}
for row in "${rows[@]}"; do
    IFS='|' read -r environment status expected <<<"$row"
    read -ra assignments <<<"$environment"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "${assignments[@]}" \
        "$vexil" >"$runtime/out" 2>&1 &
    pid=$!
    if [[ $status == native ]]; then
        got=$(native "$pid" "$runtime/out")
        got=${got//$'\n'/; }
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    elif [[ $status == running ]]; then
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
    [[ $status == running || $status == native ]] && expected=$status
    if [[ $got != "$expected" ]]; then
        echo "FAIL [$environment]: got '$got', expected '$expected'"
        failures=$((failures + 1))
    fi
done
echo "${#rows[@]} cases, $failures failed"
((failures == 0))
