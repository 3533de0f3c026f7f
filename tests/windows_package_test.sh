#!/usr/bin/env bash
# Vexil for Windows as a Windows user gets it, under Wine on a private X
# server: tests/windows_package_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
# No `grep -q` after a pipe (see package_test.sh).
build=$(realpath "$1")
src=$(realpath "$2")
version=$3
tmp=$(mktemp -d)
trap 'WINEPREFIX=$tmp/prefix wineserver -k 2>/dev/null || true; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The program: a GUI program hardened as Windows expects (ASLR with high
# entropy, DEP, the stack protector), with its version, icon and manifest.
exe=$build/Vexil.exe
pe=$(x86_64-w64-mingw32-objdump -p "$exe")
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do grep -q "$flag" <<<"$pe" || fail "no $flag"; done
grep -q 'Subsystem.*(Windows GUI)' <<<"$pe" || fail "not a GUI program"
grep -q 'DLL Name: libssp-0.dll' <<<"$pe" || fail "no stack protector"
for type in 14 16 24; do wrestool -l "$exe" | grep -- "--type=$type " >/dev/null || fail "no resource of type $type"; done
manifest=$(wrestool -x --raw --type=24 "$exe")
for setting in PerMonitorV2 '>UTF-8<' Common-Controls 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a asInvoker; do
    grep -q -- "$setting" <<<"$manifest" || fail "manifest lacks $setting"
done

(cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >/dev/null)
zip=$tmp/pkg/vexil-$version-win64.zip
setup=$tmp/pkg/vexil-$version-win64.exe
[[ -f $zip && -f $setup ]] || fail "cpack made $(ls "$tmp/pkg")"

# Starts PROGRAM with nothing but what lies beside it: its window comes up
# with its client area (in $window, the program's pid in $pid).
running() {
    WINEPATH= QT_PLUGIN_PATH= "$src/scripts/wine-run" "$1" &
    pid=$!
    # Searched afresh each time: a Wine window that vanishes mid-search
    # makes xdotool fail with BadWindow.
    window=
    for _ in $(seq 1200); do
        window=$(xdotool search --onlyvisible --name '^Vexil\.\.\.!$' 2>/dev/null | head -n 1) || true
        [[ -n $window ]] && break
        sleep 0.1
    done
    [[ -n $window ]] || { kill "$pid"; fail "no window from $1"; }
    xdotool getwindowgeometry "$window" | grep 'Geometry: 441x407' >/dev/null || { kill "$pid"; fail "client area of $1"; }
    # It takes clicks once it has painted: the form's teal beside "Закрыть".
    for _ in $(seq 200); do
        [[ $(import -window "$window" -crop 1x1+130+380 -depth 8 txt:- 2>/dev/null) == *'#004040'* ]] && return
        sleep 0.1
    done
    kill "$pid"
    fail "$1 never painted its window"
}
# ... and "Закрыть" ends it with status 0.
starts() {
    running "$1"
    xdotool mousemove --window "$window" 68 380 click 1
    wait "$pid" || fail "$1 ended with status $?"
}

# The zip, unpacked into an empty folder, runs from there.
mkdir "$tmp/portable"
unzip -q "$zip" -d "$tmp/portable"
starts "$tmp/portable/vexil-$version-win64/Vexil.exe"

# The installer, in a fresh prefix: silently, for this user only.
export WINEPREFIX=$tmp/prefix
"$src/scripts/wine-run" "$setup" /S
wineserver --wait
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexil'
installed=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/Vexil/Vexil.exe')
[[ -n $installed ]] || fail "not installed under the user's programs"
find "$WINEPREFIX/drive_c/users" -path '*/Start Menu/Programs/Vexil.lnk' | grep . >/dev/null || fail "no Start-menu shortcut"
entry=$(wine reg query "$key" 2>/dev/null) || fail "no uninstall entry"
for value in 'DisplayName +REG_SZ +Vexil$' 'Publisher +REG_SZ +The Vexil developers' \
    "DisplayVersion +REG_SZ +$version\$" 'DisplayIcon +REG_SZ +.*Vexil.exe,0' 'EstimatedSize +REG_DWORD +0x' \
    'UninstallString +REG_SZ'; do
    grep -Eq "$value" <<<"${entry//$'\r'/}" || fail "uninstall entry lacks $value: $entry"
done
starts "$installed"

# Installing over a running Vexil, and uninstalling it, close it first:
# Windows would keep its files locked, and leave them behind for good.
closed() {
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "Vexil was left running by $1"; }
    wait "$pid" || fail "Vexil, closed by $1, ended with status $?"
}
running "$installed"
timeout 120 "$src/scripts/wine-run" "$setup" /S || fail "installing over a running Vexil: status $?"
closed "the installer"
# A copy running from elsewhere is not the installer's to close. (wine
# itself: wine-run would wait for every program in the prefix to end.)
running "$tmp/portable/vexil-$version-win64/Vexil.exe"
WINEDEBUG=-all timeout 120 wine "$setup" /S || fail "installing beside a portable Vexil: status $?"
kill -0 "$pid" 2>/dev/null || fail "the installer closed a portable Vexil"
xdotool mousemove --window "$window" 68 380 click 1
wait "$pid" || fail "the portable Vexil ended with status $?"
# A frozen one holds a silent install five seconds, which then fails.
running "$installed"
frozen=$(pgrep -f '^/.*/Programs/Vexil/Vexil\.exe$')
kill -STOP "$frozen"
started=$SECONDS
WINEDEBUG=-all timeout 120 wine "$setup" /S && fail "installing over a frozen Vexil succeeded"
(( SECONDS - started <= 10 )) || fail "a frozen Vexil held the installer $((SECONDS - started)) s"
kill -CONT "$frozen"
closed "the installer, once it answered"
# Uninstalled as a package manager would, by the registered quiet command,
# whose status is the outcome's; nothing stays, not even in %TEMP%.
quiet=$(wine reg query "$key" /v QuietUninstallString | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
uninstaller=${quiet#\"}
uninstaller=${uninstaller%%\"*}
read -ra arguments <<<"${quiet#\"$uninstaller\" }"
running "$installed"
WINEDEBUG=-all timeout 120 wine "$uninstaller" "${arguments[@]}" || fail "uninstalling: status $?"
closed "the uninstaller"
wineserver --wait  # and the line that removes it once it has ended
[[ -z $(find "$WINEPREFIX/drive_c/users" -path '*/Temp/~nsu*') ]] || fail "left in %TEMP%"
left=$(find "$WINEPREFIX/drive_c" -iname '*vexil*')
[[ -z $left ]] || fail "left behind after uninstalling: $left"
! wine reg query "$key" >/dev/null 2>&1 || fail "uninstall entry left behind"
# Built and deployed from a folder whose name holds a blank.
spaced="$tmp/build with space"
cmake --preset windows -S "$src" -B "$spaced" -DBUILD_TESTING=OFF --no-warn-unused-cli >/dev/null
cmake --build "$spaced" --target Vexil >/dev/null
cmake --install "$spaced" --prefix "$tmp/installed with space" >/dev/null
for file in Vexil.exe Qt6Core.dll libstdc++-6.dll platforms/qwindows.dll; do
    [[ -f "$tmp/installed with space/$file" ]] || fail "$file not deployed from a folder with a blank"
done
echo "windows package: all checks passed"
