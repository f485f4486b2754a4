#!/usr/bin/env bash
# Installs the build into a scratch prefix, starts the installed program under
# Xvfb and checks that its first window shows the logo, read from the
# installed data folder (the build tree's copies are not next to it).
# Exits 77 (skipped) without Xvfb, import or convert; fails at once when the
# program ends before it shows the logo.
#   check-installed-pictures.sh <build folder> <scratch folder>
set -euo pipefail
build=$1
work=$2
# shellcheck source=../../e2e/lib/xsession.sh
source "$(dirname "$0")/../../e2e/lib/xsession.sh"
require_tools Xvfb import convert
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null

xsession_start_bare 640x480x24
export QT_QPA_PLATFORM=xcb
"$work/prefix/bin/quarnel" >"$work/log.txt" 2>&1 &
xsession_program $!
# Without a window manager the About window sits at 0,0; its logo canvas is at
# 111,63 and the logo's frame runs down its left side in the title's blue.
# Looked at for at most ten seconds (the splash stays four).
frame=""
logo_shown() {
  import -window root "$work/screen.png" 2>/dev/null || return 1
  frame=$(convert "$work/screen.png" -format '%[pixel:p{113,100}]' info:)
  [ "$frame" = "srgb(0,0,200)" ]
}
if wait_for 10 logo_shown; then
  echo "the installed program shows its logo"
  exit 0
fi
echo "no logo in the installed program's About window (pixel: $frame)"
cat "$work/log.txt"
exit 1
