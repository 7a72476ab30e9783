#!/bin/sh
# Installs the build into a fresh prefix and checks the tree a distribution
# would get: the program with its files, the command link, the desktop entry,
# the icons and the metadata, each validated by the desktop's own tools.
set -eu

build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install check: $*" >&2; exit 1; }

lib="$prefix/lib/gorbix"
[ -x "$lib/gorbix" ] || fail "no program in lib/gorbix"
count=0
for f in BG_256.BMP Hlp1_256.bmp Hlp2_256.bmp Hlp3_256.bmp Hlp4_256.bmp Hlp5_256.bmp Hlp6_256.bmp \
         ERROR.WAV MVTILE.WAV MVTHING.WAV EOPUZ.WAV BONUS.WAV; do
  [ -s "$lib/$f" ] || fail "missing $f beside the program"
  count=$((count + 1))
done
[ "$count" -eq 12 ] || fail "expected 12 files beside the program"

[ -L "$prefix/bin/gorbix" ] || fail "bin/gorbix is not a link"
[ "$(readlink "$prefix/bin/gorbix")" = "../lib/gorbix/gorbix" ] || fail "bin/gorbix is not a relative link"
[ "$(readlink -f "$prefix/bin/gorbix")" = "$(readlink -f "$lib/gorbix")" ] || fail "bin/gorbix leads elsewhere"

for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/gorbix.png"
  [ -s "$icon" ] || fail "missing ${size}x${size} icon"
done

desktop="$prefix/share/applications/gorbix.desktop"
metainfo="$prefix/share/metainfo/org.gorbix.Gorbix.metainfo.xml"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no AppStream metadata"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null || {
  appstreamcli validate --no-net "$metainfo"
  fail "metadata does not validate"
}
echo "install tree complete: program, $count files, link, desktop entry, 6 icons, metadata"
