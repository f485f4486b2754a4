#!/usr/bin/env bash
# Installs the build into a scratch prefix, starts the installed program under
# Xvfb and checks that its first window shows the logo, read from the
# installed data folder (the build tree's copies are not next to it).
# Exits 77 (skipped) without xvfb-run, import or convert.
#   check-installed-pictures.sh <build folder> <scratch folder>
set -euo pipefail
build=$1
work=$2
for tool in xvfb-run import convert; do
  command -v "$tool" >/dev/null || { echo "no $tool; skipped"; exit 77; }
done
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null

cat >"$work/shot.sh" <<'SHOT'
#!/usr/bin/env bash
"$1" & pid=$!
sleep 1.5
import -window root "$2"
kill "$pid"; wait "$pid" || true
SHOT
# libxkbcommon-x11 (Debian 12) hands strndup a buffer without a terminator
# while Qt connects to the X server; strict string checks would stop the
# program there, outside our code.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
xvfb-run -a -s "-screen 0 640x480x24" bash "$work/shot.sh" "$work/prefix/bin/quarnel" "$work/screen.png" \
  >"$work/log.txt" 2>&1
# Without a window manager the About window sits at 0,0; its logo canvas is at
# 111,63 and the logo's frame runs down its left side in the title's blue.
frame=$(convert "$work/screen.png" -format '%[pixel:p{113,100}]' info:)
if [ "$frame" != "srgb(0,0,200)" ]; then
  echo "no logo in the installed program's About window (pixel: $frame)"
  cat "$work/log.txt"
  exit 1
fi
echo "the installed program shows its logo"
