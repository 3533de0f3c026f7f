#!/usr/bin/env bash
# Which display Vexil opens, or the one line it prints where none answers:
# tests/display_choice_test.sh VEXIL FAULTS. Run through scripts/with-xvfb,
# whose X server is the live display of the last rows. FAULTS is a library
# that fails fork or poll as a loaded system may (fault_injection.cpp).
set -uo pipefail
vexil=$1
faults=$2
live_x=$DISPLAY
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
# A Wayland socket that refuses: bound once, nobody listening. One that
# accepts and closes at once, and one that accepts and never answers (a hung
# compositor), as is an X display on TCP port 6077.
python3 -c "import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])" "$runtime/dead-wayland"
serve() {
    python3 -c 'import socket, sys, time
s = socket.socket(*((socket.AF_UNIX,) if sys.argv[1].startswith("/") else ()))
s.bind(sys.argv[1] if sys.argv[1].startswith("/") else ("127.0.0.1", int(sys.argv[1])))
s.listen(8)
while True:
    c = s.accept()[0]
    if sys.argv[2] == "close": c.close()' "$@" &
    servers+=($!)
}
servers=()
serve "$runtime/closing-wayland" close
serve "$runtime/silent-wayland" keep
serve 6077 keep
# A live Wayland compositor: Weston, its output a window on the live X
# display, where xdotool can click. No panel, so the window's place is
# chosen within the output alone.
printf '[core]\nidle-time=0\n[shell]\npanel-position=none\n' >"$runtime/weston.ini"
XDG_RUNTIME_DIR="$runtime" weston --config="$runtime/weston.ini" --backend=x11-backend.so \
    --width=448 --height=441 --socket=live-wayland >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" "${servers[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
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
    "WAYLAND_DISPLAY=closing-wayland DISPLAY=$live_x|running|"
    "WAYLAND_DISPLAY=silent-wayland DISPLAY=$live_x|running|"
    "DISPLAY=127.0.0.1:77|1|vexil: cannot open a display: WAYLAND_DISPLAY is unset, X display 127.0.0.1:77 did not answer within 2 s"
    "QT_QPA_PLATFORM=xcb DISPLAY=$live_x|running|"
    "LD_PRELOAD=$faults VEXIL_FAULT=fork DISPLAY=$live_x|running|"
    "LD_PRELOAD=$faults VEXIL_FAULT=poll DISPLAY=$live_x|running|"
    "WAYLAND_DISPLAY=live-wayland DISPLAY=$live_x WAYLAND_DEBUG=1|native|"
    "WAYLAND_SOCKET=inherited WAYLAND_DEBUG=1|native|"
)

# Where on the screen the window's teal begins (its first row, and that
# row's first column).
corner() {
    import -window root -depth 8 ppm:- | python3 -c 'import sys
_, size, _, pixels = sys.stdin.buffer.read().split(b"\n", 3)
width = int(size.split()[0])
at = next((i // 3 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == b"\x00\x40\x40"), -1)
print(at % width, at // width)'
}
# After a barrier: the window's corner is back at $1 within five seconds, as
# the compositor's last frame reaches the screen; else where it is.
back_at() {
    for _ in $(seq 50); do
        [[ $(corner) == "$1" ]] && return
        sleep 0.1
    done
    corner
}

# Waits, by the client's own log (WAYLAND_DEBUG), until it holds COUNT
# lines matching PATTERN (extended) and, after the last of them, the client has
# acknowledged a configure and the compositor has since shown a frame of
# the window's (a frame callback done): the window is as the compositor
# left it. Says so where that never comes.
settled() {
    local out=$1 pattern=$2 count=$3
    for _ in $(seq 200); do
        [[ $(grep -Eac -- "$pattern" "$out") -ge $count ]] && P=$pattern awk '
            BEGIN { p = ENVIRON["P"] }
            function callback() { match($0, /wl_callback@[0-9]+/); return substr($0, RSTART, RLENGTH) }
            /\.frame\(new id wl_callback@/ { frames[callback()] = 1 }
            /\.sync\(new id wl_callback@/ { delete frames[callback()] }
            $0 ~ p { s = 1 }
            s == 1 && /ack_configure/ { s = 2 }
            /wl_callback@[0-9]+\.done\(/ { if (s == 2 && callback() in frames) s = 3; delete frames[callback()] }
            END { exit s != 3 }' "$out" && return
        sleep 0.1
    done
    echo "never settled after $pattern"
}
# Until the client has had a key, after whatever came before it from the
# compositor's input: a barrier after input that should change nothing.
key_barrier() {
    local out=$1 before released='wl_keyboard@[0-9]*\.key(.*, 42, 0)'  # shift let go
    before=$(grep -ac "$released" "$out")
    xdotool key shift
    for _ in $(seq 100); do
        (($(grep -ac "$released" "$out") > before)) && return
        sleep 0.1
    done
    echo "no key reached the window"
}

# On the compositor: a native window of the fixed size (441 × 407 under a
# 20 px title bar of its own), which clicks where Qt's title bar had its
# maximize button, and Weston's maximize (three times) and full-screen
# shortcuts, leave as it is and where it was.
native() {
    local pid=$1 out=$2 request
    settled "$out" set_window_geometry 1
    xdotool mousemove 404 15 click 1 mousemove 380 10 click 1
    key_barrier "$out"
    local before at
    before=$(corner)
    # Weston maximizes it, and it asks back at once to be as it was.
    for count in 1 2 3; do
        xdotool key super+shift+m
        settled "$out" unset_maximized "$count"
    done
    at=$(back_at "$before")
    [[ -z $at ]] || echo "moved by maximize from $before to $at"
    xdotool key super+shift+f
    settled "$out" unset_fullscreen 1
    kill -0 "$pid" || { echo "died: $(grep -a -m1 error "$out")"; return; }
    at=$(back_at "$before")
    [[ -z $at ]] || echo "moved by full screen from $before to $at"
    for request in 'set_title("Vexil...!")' 'set_app_id("org.vexil.Vexil")' \
        'set_min_size(441, 427)' 'set_max_size(441, 427)'; do
        grep -qF "$request" "$out" || { echo "no $request"; return; }
    done
    grep -a -m1 -o '\.set_maximized.*\|\.set_fullscreen.*' "$out" | sed 's/^/asked /'
    # On a connection it did not probe, Vexil may see Qt's title bar for a
    # frame before it draws its own: the window's last geometry counts.
    grep -a 'set_window_geometry' "$out" | tail -1 | grep -v 'set_window_geometry(0, 0, 441, 427)' |
        sed 's/.*-> /ends as /'
    echo native
}
for row in "${rows[@]}"; do
    IFS='|' read -r environment status expected <<<"$row"
    read -ra assignments <<<"$environment"
    command=("$vexil")
    # A compositor may start a program on a connection it made for it.
    if [[ $environment == *WAYLAND_SOCKET=inherited* ]]; then
        command=(python3 -c 'import os, socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
os.set_inheritable(s.fileno(), True)
os.environ["WAYLAND_SOCKET"] = str(s.fileno())
os.execv(sys.argv[2], sys.argv[2:])' "$runtime/live-wayland" "$vexil")
        read -ra assignments <<<"${environment/WAYLAND_SOCKET=inherited/}"
    fi
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "${assignments[@]}" \
        "${command[@]}" >"$runtime/out" 2>&1 &
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
# On Weston, where the program draws its own title bar, a screen reader
# finds the window, its focus and its results as on X.
if command -v dbus-run-session >/dev/null && python3 -c "import pyatspi" 2>/dev/null; then
    if ! env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=live-wayland \
        dbus-run-session -- "$(dirname "$0")/atspi_e2e.py" "$vexil" actions >"$runtime/atspi" 2>&1; then
        echo "FAIL [accessibility on Weston]: $(grep -E 'FAIL|Error|exit' "$runtime/atspi" | tr '\n' ';')"
        failures=$((failures + 1))
    fi
fi

# sway decides for client-side title bars once the window is mapped
# ("border csd"): the program's, never Qt's with maximize and resize
# handles, and only while floating; every filled shape is opaque over sway's background
# (#123456): 13 × 13 red inside each of the five red swatches, the dark
# blue of the program's title bar.
csd_on_sway() {
    command -v sway >/dev/null && command -v grim >/dev/null || { echo skipped; return; }
    local dir pid sway_pid shot=$runtime/sway.png
    dir=$(mktemp -d)  # its own: sway's user may not enter the runtime directory
    printf '%s\n' 'xwayland disable' 'output * bg #123456 solid_color' \
        'for_window [app_id="org.vexil.Vexil"] border csd' >"$dir/config"
    local as=()  # sway refuses to run as root
    if [[ $(id -u) == 0 ]]; then
        chown 65534:65534 "$dir"
        as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    env -u DISPLAY HOME="$dir" XDG_RUNTIME_DIR="$dir" WAYLAND_DISPLAY= WLR_BACKENDS=headless WLR_RENDERER=pixman \
        WLR_LIBINPUT_NO_DEVICES=1 "${as[@]}" sway -c "$dir/config" >"$dir/log" 2>&1 &
    sway_pid=$!
    for _ in $(seq 100); do
        [[ -S $dir/wayland-1 ]] && break
        sleep 0.1
    done
    env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$dir" WAYLAND_DISPLAY=wayland-1 WAYLAND_DEBUG=1 \
        "$vexil" >"$dir/out" 2>&1 &
    pid=$!
    settled "$dir/out" 'set_min_size\(441, 427\)' 1
    XDG_RUNTIME_DIR="$dir" WAYLAND_DISPLAY=wayland-1 grim "$shot"
    # Tiled, sway draws the title bar across the tile: the program's goes.
    local configures
    configures=$(grep -Eac 'xdg_toplevel@[0-9]+\.configure\(' "$dir/out")
    SWAYSOCK=$(echo "$dir"/sway-ipc.*.sock) swaymsg floating disable >/dev/null
    settled "$dir/out" 'xdg_toplevel@[0-9]+\.configure\(' $((configures + 1))
    XDG_RUNTIME_DIR="$dir" WAYLAND_DISPLAY=wayland-1 grim "$dir/tiled.png"
    [[ $(convert "$dir/tiled.png" -format %c histogram:info:- | grep -c '#000080 ') == 0 ]] ||
        echo "two title bars when tiled"
    kill "$pid" "$sway_pid" 2>/dev/null
    wait "$pid" "$sway_pid" 2>/dev/null
    # Never a frame at the size of Qt's own title bar around the form.
    ! grep -q 'create_buffer(.*, 447, 440, ' "$dir/out" || echo "a frame with Qt's title bar"
    rm -rf "$dir"
    local colours
    colours=$(convert "$shot" -format %c histogram:info:-)
    count() { awk -v c="$1" '$0 ~ c { sub(":", "", $1); print $1 }' <<<"$colours"; }
    [[ $(count '#FF0000 ') -ge $((5 * 13 * 13)) ]] || echo "red swatches: $(count '#FF0000 ') pixels"
    [[ $(count '#000080 ') -ge $((400 * 10)) ]] || echo "own title bar: $(count '#000080 ') pixels"
    echo drawn
}
got=$(csd_on_sway)
if [[ $got != drawn && $got != skipped ]]; then
    echo "FAIL [sway, client-side title bars]: ${got//$'\n'/; }"
    failures=$((failures + 1))
fi

echo "${#rows[@]} cases, accessibility on Weston and sway, $failures failed"
((failures == 0))
