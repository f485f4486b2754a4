#!/usr/bin/env bash
# Installs the build into a scratch prefix, starts the installed program under
# Xvfb and checks that its first window shows the logo, read from the
# installed data folder (the build tree's copies are not next to it).
# Exits 77 (skipped) without Xvfb, import or convert.
#   check-installed-pictures.sh <build folder> <scratch folder>
set -euo pipefail
build=$1
work=$2
for tool in Xvfb import convert; do
  command -v "$tool" >/dev/null || { echo "no $tool; skipped"; exit 77; }
done
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null

# Xvfb picks a free display itself, so parallel tests never share one.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb

# libxkbcommon-x11 (Debian 12) hands strndup a buffer without a terminator
# while Qt connects to the X server; strict string checks would stop the
# program there, outside our code.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
"$work/prefix/bin/quarnel" >"$work/log.txt" 2>&1 &
program=$!
# Without a window manager the About window sits at 0,0; its logo canvas is at
# 111,63 and the logo's frame runs down its left side in the title's blue.
# Looked at every half second, for at most ten seconds (the splash stays four).
frame=""
for _ in $(seq 20); do
  sleep 0.5
  import -window root "$work/screen.png" 2>/dev/null || continue
  frame=$(convert "$work/screen.png" -format '%[pixel:p{113,100}]' info:)
  [ "$frame" = "srgb(0,0,200)" ] && { echo "the installed program shows its logo"; exit 0; }
done
echo "no logo in the installed program's About window (pixel: $frame)"
cat "$work/log.txt"
exit 1
