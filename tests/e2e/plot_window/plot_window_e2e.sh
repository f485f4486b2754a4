#!/usr/bin/env bash
# The plot window end to end, under Xvfb with openbox: the worked example is
# calculated in the main window, Graph opens the plot window, and Copy puts a
# 600 x 420 picture on the X clipboard (read while the program runs, since
# the clipboard empties when it exits). The copied picture is read back pixel
# by pixel: the blue eigenvalue curve and the black fitted line must lie
# where the worked example puts them. Then the real save and print dialogs
# are cancelled with Escape: no file may appear (a hidden ".png" included),
# nothing may be printed and no message box shown.
#
#   plot_window_e2e.sh <quarnel executable> [folder for the screenshots]
set -euo pipefail

program=$1
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"
source "$(dirname "$0")/../lib/xsession.sh"
require_tools Xvfb openbox xdotool xclip xwininfo import identify convert awk

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

# The program works in a folder of its own, which is also its home: the
# dialogs start there.
home=$work/home
mkdir -p "$home"
(cd "$home" && exec env HOME="$home" QT_LOGGING_RULES="quarnel.dialogs.info=true" "$program") \
  >"$work/program.log" 2>&1 &
program_pid=$!
xsession_program $program_pid

# The splash gives way to the main window on its own, at its timer: once the
# main window is there, the timer can move no window any more.
wait_for 10 window_of_size "$program_pid" 300x200 >/dev/null || fail "no splash"
wait_for 15 window_of_size "$program_pid" 500x569 >/dev/null || fail "no main window"
main=$(window_of_size "$program_pid" 500x569)
xdotool windowactivate --sync "$main" 2>/dev/null || true

click_content "$main" 550 249 160          # NVarsFld
xdotool type --delay 20 "20"
click_content "$main" 550 195 360          # EigenFld
# One line at a time: xdotool mixes up longer texts with line breaks in them.
eigenvalues="5.43 3.11 2.24 1.89 1.52 1.29 .80 .46 .41 .37 .35 .33 .30 .28 .25 .24 .21 .20 .18 .15"
first=1
for value in $eigenvalues; do
  [ "$first" = 1 ] || xdotool key Return
  first=0
  xdotool type --delay 15 "$value"
done
click_content "$main" 550 440 495          # Calculate
click_content "$main" 550 440 351          # Graph
graph=$(wait_window '^Quarnel Graph$') || fail "Graph opened no plot window"
xdotool windowactivate --sync "$graph" 2>/dev/null || true
import -window "$graph" "$shots/plot_window.png"

boxes_logged() { grep -c 'quarnel.dialogs: message box: ' "$work/program.log"; }
clipboard_has_picture() { xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png; }
click_content "$graph" 500 245 467         # Copy
wait_for 10 clipboard_has_picture || fail "nothing on the clipboard"
wait_for 10 test "$(boxes_logged)" = 1 || fail "Copy said nothing"
import -window root "$shots/copied.png"
xclip -selection clipboard -t image/png -o >"$work/clip.png" || fail "nothing on the clipboard"
size=$(identify -format '%wx%h' "$work/clip.png")
cp "$work/clip.png" "$shots/clipboard.png"
[ "$size" = "600x420" ] || fail "the clipboard holds a $size picture, not 600x420"

# The colours at points (x,y ...) of a picture, as hex RGB, one a line.
pixels() {
  local picture=$1 format="" point
  shift
  for point in "$@"; do format+="%[hex:p{$point}]\n"; done
  convert "$picture" -format "$format" info:
}

# The plot area is 600 - left - 20 wide and 370 high (rows 20 to 390); its
# left edge, the y axis, depends on the width of the tick labels, so it is
# read from the picture: the frame is two pixels wide, left - 1 and left,
# across a row that holds no tick label.
frame=$(convert "$work/clip.png" -crop 100x1+0+235 -depth 8 txt:- | awk -F'[,:]' \
  '/#000000/ { print $1; exit }')
[ -n "$frame" ] || fail "the copied picture has no y axis"
left=$((frame + 1))
if [ "$left" -lt 30 ] || [ "$left" -gt 60 ]; then fail "the y axis stands at column $left"; fi

# Each point's pixel as the graph places it: x from 1 to 20 over the plot
# width, y from 0 to 6 over its height, both truncated toward zero. The
# eigenvalues are exact; the fitted line (step 7, from about 0.745 at 1 to
# about 0.104 at 20) is checked at ordinals 1 to 6, where the curve is far
# above it, with a pixel of tolerance up and down (its disc is 3 across).
points=$(awk -v left="$left" -v values="$eigenvalues" 'BEGIN {
  width = 600 - left - 20; xs = 19 / width; ys = 6 / 370
  n = split(values, e, " ")
  for (k = 1; k <= n; ++k) printf "blue %d,%d\n", left + int((k - 1) / xs), 390 - int(e[k] / ys)
  for (k = 1; k <= 6; ++k) {
    y = 390 - int((0.745 + (0.104 - 0.745) * (k - 1) / 19) / ys)
    printf "black %d,%d %d,%d %d,%d\n", left + int((k - 1) / xs), y - 1, \
      left + int((k - 1) / xs), y, left + int((k - 1) / xs), y + 1
  }
  # Between the two lines at ordinal 3, and on the x axis.
  printf "white %d,%d\n", left + int(2 / xs), 390 - int(1.5 / ys)
  printf "black %d,390\n", left + int(width / 2)
}')
while read -r expected spots; do
  # shellcheck disable=SC2086
  colours=$(pixels "$work/clip.png" $spots | tr '\n' ' ')
  case $expected in
    blue) want=0000FF ;;
    black) want=000000 ;;
    white) want=FFFFFF ;;
  esac
  [[ " $colours" == *" $want"* ]] ||
    fail "the copied picture is not $expected at $spots (it holds $colours)"
done <<<"$points"

# --- the save and print dialogs, cancelled -------------------------------------
# The program's visible windows other than the main and plot windows.
others() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    [ "$id" = "$main" ] || [ "$id" = "$graph" ] || echo "$id"
  done
}
no_others() { [ -z "$(others)" ]; }
# Answers the Copy note.
box=$(others | head -n1)
[ -n "$box" ] || fail "the Copy note is not shown"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return
wait_for 10 no_others || fail "the Copy note stayed"

# The files in the program's folder and home and in the scratch folder,
# hidden ones included (the dialogs' settings under .config aside), before
# the dialogs open; what is there afterwards and was not before is written.
files() {
  find "$home" "$work" -type f ! -path "$home/.config/*" ! -path "$home/.cache/*" 2>/dev/null |
    sort
}
files >"$work/files-before"
written() { files | comm -13 "$work/files-before" - | grep -vx "$work/files-before"; }
# Opens a dialog of that title from button ($1, x), presses Escape in it and
# checks that it closed, that no other window came and that nothing was written.
cancel_dialog() {
  local x=$1 title=$2 dialog
  click_content "$graph" 500 "$x" 467
  dialog=$(wait_window "^$title\$") || fail "no $title dialog"
  import -window root "$shots/dialog-${title// /-}.png"
  xdotool windowactivate --sync "$dialog" 2>/dev/null || true
  xdotool key Escape
  wait_for 10 no_others || fail "the $title dialog left $(others | head -n1) up after Escape"
  [ -z "$(written)" ] || fail "cancelling the $title dialog wrote $(written | tr '\n' ' ')"
  [ "$(boxes_logged)" = 1 ] || fail "cancelling the $title dialog showed a message box"
}
cancel_dialog 409 "Save As"                # Save
cancel_dialog 585 "Print"                  # Print
# A second look, for a file written or a box shown just after a dialog went.
sleep 0.5
[ -z "$(written)" ] || fail "the cancelled dialogs wrote $(written | tr '\n' ' ')"
no_others || fail "a window came up after the dialogs were cancelled"
running "$program_pid" || fail "the program ended"
xwininfo -id "$graph" | grep -q 'Map State: IsViewable' || fail "the plot window went"
# With no printer installed a job started anyway has nowhere to go: Qt's
# complaint that the page could not be painted is all that shows of it.
! grep -q 'QPainter\|QPrint' "$work/program.log" ||
  fail "the cancelled print dialog printed all the same: $(grep -m1 'QPainter\|QPrint' "$work/program.log")"
echo "PASS: plot window opened; the clipboard holds the $size plot with both lines in place;" \
  "the save and print dialogs cancelled write nothing (screenshots in $shots)"
