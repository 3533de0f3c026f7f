#!/usr/bin/env bash
# Checks what Vexil installs: tests/install_test.sh tree|deb BUILD_DIR
set -euo pipefail
mode=$1
build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

expected=(
    bin/Vexil
    share/applications/org.vexil.Vexil.desktop
    share/metainfo/org.vexil.Vexil.metainfo.xml
    share/icons/hicolor/16x16/apps/org.vexil.Vexil.png
    share/icons/hicolor/32x32/apps/org.vexil.Vexil.png
)
fail() { echo "FAIL: $*"; exit 1; }

case $mode in
tree)
    cmake --install "$build" --prefix "$tmp/usr" >/dev/null
    for f in "${expected[@]}"; do
        [[ -f "$tmp/usr/$f" ]] || fail "not installed: $f"
    done
    [[ -x "$tmp/usr/bin/Vexil" ]] || fail "bin/Vexil is not executable"
    file "$tmp/usr/share/icons/hicolor/16x16/apps/org.vexil.Vexil.png" | grep -q "16 x 16" || fail "16 x 16 icon"
    file "$tmp/usr/share/icons/hicolor/32x32/apps/org.vexil.Vexil.png" | grep -q "32 x 32" || fail "32 x 32 icon"
    desktop-file-validate "$tmp/usr/share/applications/org.vexil.Vexil.desktop" | grep -v '^.*: hint:' && fail "desktop entry"
    appstreamcli validate --no-net "$tmp/usr/share/metainfo/org.vexil.Vexil.metainfo.xml" || fail "metainfo"
    grep -q 'release version="2.00"' "$tmp/usr/share/metainfo/org.vexil.Vexil.metainfo.xml" || fail "metainfo version"
    ;;
deb)
    (cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -B "$tmp" >/dev/null)
    deb=$(ls "$tmp"/vexil_*.deb) || fail "no package built"
    [[ $(basename "$deb") == vexil_2.00_*.deb ]] || fail "package name: $(basename "$deb")"
    contents=$(dpkg-deb --contents "$deb")
    for f in "${expected[@]}"; do
        grep -q "\./usr/$f\$" <<<"$contents" || fail "not in the package: $f"
    done
    depends=$(dpkg-deb --field "$deb" Depends)
    for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins; do
        grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
    done
    [[ $(dpkg-deb --field "$deb" Version) == 2.00 ]] || fail "version"
    ;;
*) fail "mode $mode" ;;
esac
