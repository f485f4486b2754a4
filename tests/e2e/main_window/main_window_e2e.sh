#!/bin/bash
# Starts the program under Xvfb with openbox, waits for the splash and for
# the main window it gives way to, types the worked example (after Escape
# from a menu, the keys still reach the field the user was typing in; a lone
# Alt hands them to the menu bar visibly, and Escape or a click gives them
# back),
# presses Calculate, copies the report out with the Edit menu's Copy (Ctrl+C)
# and reads it with xclip, then closes the main window and expects the
# program to quit with exit code 0.
#
#   main_window_e2e.sh <quarnel executable> [folder for screenshots]
set -u
program=$1
shots=${2:-}

source "$(dirname "$0")/../lib/xsession.sh"
require_tools Xvfb openbox xdotool xclip xwininfo import

work=$xsession_work

fail() {
  echo "FAIL: $*"
  shot failure
  [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"
  exit 1
}

xsession_start || fail "no X session"

# --- the program's windows -----------------------------------------------
HOME=$work "$program" >"$work/program.log" 2>&1 &
program_pid=$!
xsession_program $program_pid

shot() { [ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/$1.png"; }

wait_for 10 window_of_size "$program_pid" 300x200 >/dev/null || {
  for id in $(xdotool search --pid "$program_pid" 2>/dev/null); do
    xwininfo -id "$id" | grep -E "Map State|geometry"
  done
  fail "no splash window"
}
shown_at=$SECONDS
shot splash

# No input: the splash gives way on its own after four seconds.
wait_for 15 window_of_size "$program_pid" 500x569 >/dev/null || fail "the main window did not come"
main=$(window_of_size "$program_pid" 500x569)
echo "main window after about $((SECONDS - shown_at)) s of splash"
window_of_size "$program_pid" 300x200 >/dev/null && fail "the splash is still shown beside the main window"

# Client area origin; the menu bar takes the height above 550.
origin_x=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left X: *//p')
origin_y=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left Y: *//p')
origin_y=$((origin_y + 569 - 550))
# X delivers the click before the keys that follow it: no pause is needed.
click() { point_at $((origin_x + $1)) $((origin_y + $2)); xdotool click 1; }
# A menu is the one kind of the program's windows that the window manager
# does not manage.
menu_open() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && return 0
  done
  return 1
}
# Opens the Edit menu with a click on its title and leaves it with Escape.
escape_from_edit_menu() {
  click 56 -11
  wait_for 5 menu_open || fail "the Edit menu did not open"
  xdotool key Escape
  wait_for 5 not menu_open || fail "Escape left the Edit menu open"
}

# The colour of one pixel of the screen, at (x, y) of the main window's content.
pixel_at() {
  import -window root -crop "1x1+$((origin_x + $1))+$((origin_y + $2))" txt:- 2>/dev/null |
    sed -n 's/.* \(#[0-9A-F]*\) .*/\1/p'
}
# The File title's background, left of its text.
file_title() { pixel_at 8 -16; }
file_title_is() { [ "$(file_title)" = "$1" ]; }
file_title_is_not() { [ "$(file_title)" != "$1" ]; }
# Whether the field at (x, y) reads $3, selected with the caret keys and
# copied out with Ctrl+C.
clipboard_is() { [ "$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r')" = "$1" ]; }
field_at_reads() {
  click "$1" "$2"
  xdotool key ctrl+Home ctrl+shift+End ctrl+c
  wait_for 5 clipboard_is "$3"
}
# Presses and releases Alt alone in the field at (x, y) after typing $3: the
# File title must show that the bar holds the keys.
lone_alt_in_field_at() {
  click "$1" "$2"
  xdotool type --delay 15 "$3"
  xdotool key alt
  wait_for 5 file_title_is_not "$bar" || fail "a lone Alt in the field at $1,$2 left no mark on the menu bar"
}

xdotool windowactivate --sync "$main" 2>/dev/null
bar=$(file_title)
# A lone Alt: the bar visibly holds the keys; the arrows and Return work its
# menus; Escape from the menu, Escape from the bar and a click in the field
# each give the keys back to the field, unmarked.
lone_alt_in_field_at 249 160 "1"
xdotool key Right Return
wait_for 5 menu_open || fail "Right and Return after a lone Alt opened no menu"
xdotool key Escape
wait_for 5 not menu_open || fail "Escape left the menu open"
wait_for 5 file_title_is "$bar" || fail "the File title stayed marked after Escape from the menu"
xdotool type --delay 15 "2"
field_at_reads 249 160 "12" || fail "NVarsFld lost keys after a lone Alt"
xdotool key BackSpace
lone_alt_in_field_at 195 360 "5"
xdotool key Escape
wait_for 5 file_title_is "$bar" || fail "the File title stayed marked after Escape"
xdotool type --delay 15 "6"
lone_alt_in_field_at 195 360 ""
click 195 360
wait_for 5 file_title_is "$bar" || fail "the File title stayed marked after a click in the field"
xdotool key End
xdotool type --delay 15 "7"
field_at_reads 195 360 "567" || fail "EigenFld lost keys after a lone Alt"
xdotool key BackSpace

# After Escape from a menu, Ctrl+A and typing reach the variables field: "20"
# replaces the "9" typed first (else the field holds "9" or "92").
click 249 160   # NVarsFld
xdotool type --delay 15 "9"
escape_from_edit_menu
xdotool key ctrl+a
xdotool type --delay 15 "20"
click 195 360   # EigenFld
values=(5.43 3.11 2.24 1.89 1.52 1.29 .80 .46 .41 .37 .35 .33 .30 .28 .25 .24 .21 .20 .18 .5)
for i in "${!values[@]}"; do
  [ "$i" -gt 0 ] && xdotool key Return
  xdotool type --delay 15 "${values[$i]}"
done
# The last value becomes .15 with the caret keys and typing after Escape.
escape_from_edit_menu
xdotool key Left
xdotool type --delay 15 "1"
click 440 495   # CalculateBtn

# Select the whole report (caret keys reach the field unfiltered) and copy it.
click 195 360
xdotool key ctrl+Home ctrl+shift+End ctrl+c
copied() {
  xclip -selection clipboard -o 2>/dev/null | tr -d '\r' >"$work/report.txt"
  grep -q 'Critical value' "$work/report.txt"
}
wait_for 10 copied || fail "the report did not reach the clipboard"
[ "$(xdotool search --onlyvisible --pid "$program_pid" | wc -l)" -eq 1 ] ||
  fail "a message or other window came up after Calculate"
shot main-report

expect_line() {
  local got
  got=$(sed -n "$1p" "$work/report.txt")
  [ "$got" = "$2" ] || fail "report line $1 is '$got', expected '$2'"
}
lines=$(awk 'END { print NR }' "$work/report.txt")
[ "$lines" -eq 27 ] || { cat "$work/report.txt"; fail "report has $lines lines, expected 27"; }
expect_line 1 ""
grep -q '^Date: ' "$work/report.txt" || fail "no date line"
expect_line 6 "Order   Eigenvalue      SE      Factor*"
expect_line 8 "  1      +5.4300       0.8662   nontrivial"
expect_line 15 "  8      +0.4600       0.0127   trivial"
expect_line 17 " 10      +0.3700       0.0055   trivial"
expect_line 25 " 18      +0.2000       0.0041   trivial"
expect_line 27 "*Critical value = .0500 (7 factors)"

# Closing the main window quits the program.
xdotool windowactivate --sync "$main" 2>/dev/null
xdotool key alt+F4
wait_for 5 not running "$program_pid" ||
  fail "the program is still running after its main window closed"
wait "$program_pid"
status=$?
[ "$status" -eq 0 ] || fail "exit code $status"
echo "PASS"
