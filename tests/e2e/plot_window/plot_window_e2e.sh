#!/usr/bin/env bash
# The plot window end to end, under Xvfb with openbox: the worked example is
# calculated in the main window, Graph opens the plot window, and Copy puts a
# 600 x 420 picture on the X clipboard (read while the program runs, since
# the clipboard empties when it exits).
#
#   plot_window_e2e.sh <quarnel executable> [folder for the screenshots]
set -euo pipefail

program=$1
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"
source "$(dirname "$0")/../lib/xsession.sh"
require_tools Xvfb openbox xdotool xclip import identify

work=$xsession_work

fail() {
  import -window root "$shots/failure.png" 2>/dev/null || true
  echo "FAIL: $* (the screen is in $shots/failure.png)"
  tail -n 20 "$work/program.log" 2>/dev/null || true
  exit 1
}

# Waits up to about 10 s for a visible window whose name matches; prints its id.
wait_window() {
  for _ in $(seq 100); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Clicks at (x, y) of a window's content, below the menu bar that Qt puts
# inside the X window; content_height is the layout's height.
click_content() {
  local window=$1 content_height=$2 x=$3 y=$4 height
  height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
  xdotool mousemove --window "$window" "$x" $((y + height - content_height)) click 1
}

xsession_start 1280x1024x24 || fail "no X session"

HOME=$work "$program" >"$work/program.log" 2>&1 &
xsession_track $!

# The splash gives way to the main window at a key press.
sleep 1
xdotool key space
main=$(wait_window '^Quarnel$') || fail "no main window"
xdotool windowactivate --sync "$main" 2>/dev/null || true

click_content "$main" 550 249 160          # NVarsFld
xdotool type --delay 20 "20"
click_content "$main" 550 195 360          # EigenFld
# One line at a time: xdotool mixes up longer texts with line breaks in them.
first=1
for value in 5.43 3.11 2.24 1.89 1.52 1.29 .80 .46 .41 .37 .35 .33 .30 .28 .25 .24 .21 .20 \
    .18 .15; do
  [ "$first" = 1 ] || xdotool key Return
  first=0
  xdotool type --delay 15 "$value"
done
click_content "$main" 550 440 495          # Calculate
sleep 0.3
click_content "$main" 550 440 351          # Graph
graph=$(wait_window '^Quarnel Graph$') || fail "Graph opened no plot window"
xdotool windowactivate --sync "$graph" 2>/dev/null || true
sleep 0.5
import -window "$graph" "$shots/plot_window.png"

click_content "$graph" 500 245 467         # Copy
sleep 0.5
import -window root "$shots/copied.png"
xclip -selection clipboard -t image/png -o >"$work/clip.png" || fail "nothing on the clipboard"
size=$(identify -format '%wx%h' "$work/clip.png")
cp "$work/clip.png" "$shots/clipboard.png"
[ "$size" = "600x420" ] || fail "the clipboard holds a $size picture, not 600x420"
echo "PASS: plot window opened; the clipboard holds a $size PNG (screenshots in $shots)"
