#!/bin/sh
# Installs the Debian packages the build needs, and nothing when all are there.
# The end-to-end tests play sounds through a private PulseAudio server and
# click the real window under a private X server (Xvfb, xdotool). The install
# test builds the package too and checks it with lintian, renders the
# scalable icon and the manual page, so the tests need those tools as well.
# The screen-reader test reads the game through a private session bus and
# the accessibility bus, with the AT-SPI library's Python binding; another
# reads the screen's pixels with xwd. The translations are built with Qt's
# Linguist tools, and the game loads Qt's own translations (the buttons of
# standard message boxes) beside its own.
set -eu

packages="g++ cmake ninja-build make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation desktop-file-utils appstream
  pulseaudio pulseaudio-utils xvfb xdotool x11-apps
  dpkg-dev file lintian librsvg2-bin groff-base man-db
  dbus-daemon dbus-bin at-spi2-core python3 python3-pyatspi"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
