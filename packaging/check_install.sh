#!/bin/sh
# Installs the build into a fresh prefix and builds its Debian package, then
# checks both trees a distribution would get: the program with its files, the
# command link (bin/ for an ordinary install, games/ in the package), the
# manual page, copyright and changelog, the desktop entry, the icons and the
# metadata, each validated by its own tools, and the package by lintian.
# Usage: check_install.sh BUILD_DIR ICON_MATCH VERSION RELEASE_DATE LICENSE
set -eu

build="$1"
icon_match="$2"
version="$3"
release_date="$4"
licence="$5"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() { echo "install check: $*" >&2; exit 1; }

# The checks both trees share. $1: the prefix, $2: the folder of the command.
check_tree() {
  prefix="$1"
  command_dir="$2"
  lib="$prefix/lib/gorbix"
  [ -x "$lib/gorbix" ] || fail "no program in lib/gorbix"
  count=0
  for f in BG_256.BMP Hlp1_256.bmp Hlp2_256.bmp Hlp3_256.bmp Hlp4_256.bmp Hlp5_256.bmp Hlp6_256.bmp \
           ERROR.WAV MVTILE.WAV MVTHING.WAV EOPUZ.WAV BONUS.WAV; do
    [ -s "$lib/$f" ] || fail "missing $f beside the program"
    count=$((count + 1))
  done
  [ "$count" -eq 12 ] || fail "expected 12 files beside the program"
  # The background and the tutorial's pages in each language the build drew,
  # under their own names.
  for page in "$build"/bin/Hlp*_256.*.bmp "$build"/bin/BG_256.*.BMP; do
    f="$(basename "$page")"
    [ -s "$lib/$f" ] || fail "missing $f beside the program"
    count=$((count + 1))
  done

  link="$prefix/$command_dir/gorbix"
  [ -L "$link" ] || fail "$command_dir/gorbix is not a link"
  [ "$(readlink "$link")" = "../lib/gorbix/gorbix" ] || fail "$command_dir/gorbix is not a relative link"
  [ "$(readlink -f "$link")" = "$(readlink -f "$lib/gorbix")" ] || fail "$command_dir/gorbix leads elsewhere"
  for other in bin games; do
    [ "$other" = "$command_dir" ] || [ ! -e "$prefix/$other" ] || fail "a $other/ folder beside $command_dir/"
  done

  icons="$prefix/share/icons/hicolor"
  for size in 16 32 48 64 128 256; do
    [ -s "$icons/${size}x${size}/apps/gorbix.png" ] || fail "missing ${size}x${size} icon"
  done
  # The scalable icon rendered at 256 px against the 256 px bitmap, pixel by
  # pixel, premultiplied, the largest channel difference of each pixel on a
  # scale of 0 to 255. Only the diamonds' straight edges may differ from the
  # bitmap's steps, by an eighth of a pixel's cover (a quarter at the tips):
  # at most 64 in any pixel and 1.5 on average. A shift or a wrong size, part
  # or colour shows as whole pixels 128 or more apart.
  svg="$icons/scalable/apps/gorbix.svg"
  [ -s "$svg" ] || fail "missing scalable icon"
  rsvg-convert -w 256 -h 256 -o "$work/svg256.png" "$svg" || fail "the scalable icon does not render"
  match="$("$icon_match" "$work/svg256.png" "$icons/256x256/apps/gorbix.png" 1.5 64)" ||
    fail "the scalable icon does not match the 256 px one: $match"

  desktop="$prefix/share/applications/gorbix.desktop"
  metainfo="$prefix/share/metainfo/org.gorbix.Gorbix.metainfo.xml"
  [ -f "$desktop" ] || fail "no desktop entry"
  [ -f "$metainfo" ] || fail "no AppStream metadata"
  desktop-file-validate "$desktop" || fail "desktop entry does not validate"
  appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null || {
    appstreamcli validate --no-net "$metainfo"
    fail "metadata does not validate"
  }
  exec_command="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
  binary="$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")"
  [ "$exec_command" = gorbix ] && [ "$binary" = gorbix ] ||
    fail "desktop Exec ($exec_command) and AppStream binary ($binary) are not both the command gorbix"
  grep -q "<release version=\"$version\" date=\"$release_date\"" "$metainfo" || fail "no release $version in the metadata"
  grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "no content rating in the metadata"

  man="$prefix/share/man/man6/gorbix.6.gz"
  [ -f "$man" ] || fail "no manual page gorbix(6)"
  warnings="$(gzip -dc "$man" | groff -ww -z -man 2>&1)"
  [ -z "$warnings" ] || fail "the manual page has roff warnings: $warnings"
  MANWIDTH=80 man --warnings -l "$man" >"$work/man.txt" 2>"$work/man.err" || fail "man cannot render the manual page"
  [ ! -s "$work/man.err" ] || fail "man warns: $(cat "$work/man.err")"
  grep -q "gorbix $version" "$work/man.txt" || fail "the manual page does not name version $version"
  for part in NAME SYNOPSIS DESCRIPTION FILES "EXIT STATUS"; do
    grep -q "^$part" "$work/man.txt" || fail "the manual page has no $part section"
  done

  doc="$prefix/share/doc/gorbix"
  top="$(gzip -dc "$doc/changelog.gz" | head -n 1)"
  case "$top" in "gorbix ($version) "*) ;; *) fail "the changelog's top entry is not $version: $top" ;; esac
  copyright="$doc/copyright"
  head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not machine-readable"
  grep -qx 'Files: \*' "$copyright" && grep -qx 'License: Expat' "$copyright" ||
    fail "the copyright file does not give one licence for all files"
  # The licence paragraph is LICENSE's text, from its permission notice on.
  sed -n '/^License: Expat$/,$p' "$copyright" | tail -n +2 | sed -e 's/^ \.$//' -e 's/^ //' >"$work/licence"
  tail -n +5 "$licence" | diff -q - "$work/licence" >/dev/null ||
    fail "the copyright file's licence text is not that of LICENSE"
}

# An ordinary install into a prefix of one's own.
tree="$work/tree"
cmake --install "$build" --prefix "$tree" >/dev/null
check_tree "$tree" bin

# The Debian package, built from the same build, and what it installs.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  fail "cpack cannot build the package"
}
deb="$(ls "$work"/deb/gorbix_*.deb)"
[ "$(dpkg-deb -f "$deb" Package Version Section | tr '\n' ' ')" = "Package: gorbix Version: $version Section: games " ] ||
  fail "the package is not gorbix $version in section games"
dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr" games

lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>"$work/lintian.err" || {
  cat "$work/lintian.txt" "$work/lintian.err"
  fail "lintian finds errors or warnings in the package"
}
echo "install tree and package complete: program, $count files, link, manual page, copyright, changelog,"
echo "desktop entry, 6 icons and a scalable one ($match), metadata"
if [ -s "$work/lintian.txt" ]; then
  echo "lintian, no error or warning:"
  cat "$work/lintian.txt"
fi
