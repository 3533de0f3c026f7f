#!/usr/bin/env bash
# What Vexil installs and how a distribution sees its package, under the
# strictest umask: tests/package_test.sh BUILD_DIR VERSION (a release build).
set -euo pipefail
# No `grep -q` after a pipe: it stops reading at the first match, the
# writer may die of SIGPIPE, and pipefail turns a match into a failure.
build=$(realpath "$1")
version=$2
umask 077
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
app=org.vexil.Vexil

expected=(
    bin/vexil
    share/applications/$app.desktop
    share/metainfo/$app.metainfo.xml
    share/icons/hicolor/scalable/apps/$app.svg
    share/man/man1/vexil.1.gz
    share/doc/vexil/copyright
    share/doc/vexil/changelog.gz
)
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/$app.png"); done

# The installed tree.
mkdir -m 755 "$tmp/usr"  # a prefix exists before anything is installed there
cmake --install "$build" --prefix "$tmp/usr" >/dev/null
for f in "${expected[@]}"; do [[ -f "$tmp/usr/$f" ]] || fail "not installed: $f"; done
wrong=$(find "$tmp/usr" \( -type d ! -perm 755 \) -o \( -type f ! -perm 644 ! -perm 755 \))
[[ -z $wrong ]] || fail "permissions: $wrong"
for size in "${sizes[@]}"; do
    read -r w h colours < <(identify -format '%w %h %k\n' "$tmp/usr/share/icons/hicolor/${size}x${size}/apps/$app.png")
    [[ $w == "$size" && $h == "$size" ]] || fail "icon $size is ${w}x$h"
    ((size > 32 || colours <= 16)) || fail "icon $size has $colours colours"
done
desktop-file-validate "$tmp/usr/share/applications/$app.desktop" || fail "desktop entry"
appstreamcli validate --pedantic --no-net "$tmp/usr/share/metainfo/$app.metainfo.xml" || fail "metainfo"
grep -q '<project_license>MIT</project_license>' "$tmp/usr/share/metainfo/$app.metainfo.xml" || fail "licence"
! grep -q 'example\.' "$tmp/usr/share/metainfo/$app.metainfo.xml" || fail "placeholder address in the metainfo"
zcat "$tmp/usr/share/doc/vexil/changelog.gz" | dpkg-parsechangelog -l - -S Version | grep -xF "$version" >/dev/null || fail "changelog"

# Hardening of the program, as hardening-check reads it.
exe=$tmp/usr/bin/vexil
readelf -h "$exe" | grep 'DYN (Position-Independent' >/dev/null || fail "not PIE"
readelf -d "$exe" | grep 'BIND_NOW' >/dev/null || fail "no immediate binding"
readelf -lW "$exe" | grep 'GNU_RELRO' >/dev/null || fail "no RELRO"
nm -D "$exe" | grep '__stack_chk_fail' >/dev/null || fail "no stack protector"

# The package, as lintian and a software centre see it.
(cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >/dev/null)
deb=$(ls "$tmp"/pkg/vexil_*.deb) || fail "no package built"
[[ $(basename "$deb") == vexil_"$version"_*.deb ]] || fail "package name: $(basename "$deb")"
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 'fonts-liberation | fonts-liberation2'; do
    grep -qF "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
! grep -q qt6-qpa-plugins <<<"$depends" || fail "Depends names qt6-qpa-plugins: $depends"
[[ $(dpkg-deb --field "$deb" Recommends) == qt6-wayland ]] || fail "Recommends: $(dpkg-deb --field "$deb" Recommends)"
lintian --fail-on error,warning --no-tag-display-limit "$deb" || fail "lintian"

dpkg-deb -x "$deb" "$tmp/unpacked"
appstreamcli compose --no-color --origin vexil --result-root "$tmp/catalog" "$tmp/unpacked" >"$tmp/compose.log" 2>&1 ||
    { cat "$tmp/compose.log"; fail "appstreamcli compose"; }
zcat "$tmp"/catalog/usr/share/swcatalog/xml/vexil.xml.gz | grep "<id>$app</id>" >/dev/null ||
    { cat "$tmp/compose.log"; fail "the software catalogue dropped the component"; }
for size in 64x64 128x128; do
    [[ -f $tmp/catalog/usr/share/swcatalog/icons/vexil/$size/$app.png ]] || fail "no $size icon in the catalogue"
done

# Installed and removed again, in a private dpkg database: nothing stays.
admin=$tmp/admin root=$tmp/root
mkdir -p "$admin/info" "$admin/updates" "$admin/triggers" "$root"
touch "$admin/status"
dpkg --admindir="$admin" --instdir="$root" --force-depends --force-not-root -i "$deb" >/dev/null 2>&1
[[ -x $root/usr/bin/vexil ]] || fail "dpkg did not install the program"
dpkg --admindir="$admin" --instdir="$root" --force-not-root --purge vexil >/dev/null
left=$(find "$root" -mindepth 1 ! -type d)
[[ -z $left ]] || fail "left behind after removal: $left"
echo "package: all checks passed"
