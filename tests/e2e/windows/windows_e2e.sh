#!/usr/bin/env bash
# Bringing windows back, under Xvfb with openbox: the splash shows no title
# text and gives way at a key that gives no character; then each window is
# minimised with xdotool and brought back by what the user does to reach
# it: Graph for the plot window, the help icon and Window > Description for
# the Description window, Window > About Quarnel for the About window (which
# an F-key dismisses), and the plot window's Close > Yes for the main window.
# Each time the window must be restored (WM_STATE Normal) and active. The
# window manager's close (Alt+F4) ends the About window as a click does and
# asks the plot window's erase question, which shows no title text: No keeps
# the plot, Yes closes it and brings the main window forward.
#
#   windows_e2e.sh <quarnel executable> [folder for the screenshots]
set -u
program=$1
shots=${2:-}

# shellcheck source=../lib/xsession.sh
source "$(dirname "$0")/../lib/xsession.sh"
require_tools Xvfb openbox xdotool xprop xwininfo import
work=$xsession_work

fail() {
  [ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/failure.png" 2>/dev/null
  echo "FAIL: $*"
  for id in $(xdotool search --pid "$program_pid" 2>/dev/null); do
    echo "  window $id \"$(xdotool getwindowname "$id" 2>/dev/null)\" $(state "$id")"
  done
  echo "  active: $(active)"
  [ -f "$work/program.log" ] && tail -n 20 "$work/program.log" | sed 's/^/  program: /'
  exit 1
}

state() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/^[[:space:]]*window state: //p'; }
active() { printf '%d' "$(xdotool getactivewindow 2>/dev/null)" 2>/dev/null; }
is_state() { [ "$(state "$1")" = "$2" ]; }
is_active() { [ "$(active)" = "$1" ]; }
not_viewable() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# The program's visible window of that exact title (xdotool matches any
# criterion unless told --all).
titled() { xdotool search --all --onlyvisible --pid "$program_pid" --name "^$1\$" 2>/dev/null | head -n1; }

# Window $1 ($2 names it for the report) is restored and active.
expect_front() {
  wait_for 5 is_state "$1" Normal || fail "$2 is still $(state "$1")"
  wait_for 5 is_active "$1" || fail "$2 is not the active window"
}

minimise() {
  xdotool windowminimize "$1"
  wait_for 5 is_state "$1" Iconic || fail "$2 could not be minimised"
}

# Makes window $1 active as the user's click on it would.
activate() {
  xdotool windowactivate --sync "$1" 2>/dev/null
  wait_for 5 is_active "$1" || fail "window $1 could not be activated"
}

main_click() { click_in "$main" 550 "$@"; }

# Chooses the n-th item ($1, from 1) of the main window's Window menu with
# the keyboard: Control, the first item, is disabled there and skipped.
window_menu() {
  main_click 107 -10
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
}

# Neither title property holds anything but blanks.
no_title_text() {
  local names
  names=$(xprop -id "$1" WM_NAME _NET_WM_NAME 2>/dev/null | sed -n 's/^[^=]*= //p')
  [ -n "$names" ] || return 1
  ! grep -q '[^" ]' <<<"$names"
}

# $started is now_ms taken before the program started: the About window up
# within 4 s of that was up before the timer fired.
wait_out_splash_timer() {
  activate "$main"
  window_menu 2               # About Quarnel
  if wait_for 5 is_active "$splash" && [ $(($(now_ms) - started)) -lt 3900 ]; then
    wait_for 30 not_viewable "$splash" || fail "the splash's timer did not hide the About window"
    echo "the splash's timer hid the About window $(($(now_ms) - started)) ms after the start"
  else
    # Slower than the timer, which may have fired already: the About window
    # is ended by hand once the timer is surely past.
    echo "the About window came too late to see the splash's timer"
    wait_for 15 not_viewable "$splash"
    not_viewable "$splash" || { activate "$splash"; xdotool key F5; }
    wait_for 5 not_viewable "$splash" || fail "the About window stayed up"
  fi
}

xsession_start 1280x1024x24 || fail "no X session"
started=$(now_ms)
HOME=$work "$program" >"$work/program.log" 2>&1 &
program_pid=$!
xsession_program $program_pid

# --- the splash: no title text, and an arrow key ends it ---------------------
wait_for 10 window_of_size "$program_pid" 300x200 >/dev/null || fail "no splash"
splash=$(window_of_size "$program_pid" 300x200)
no_title_text "$splash" || fail "the splash's title bar reads $(xprop -id "$splash" _NET_WM_NAME)"
activate "$splash"
xdotool key Right
wait_for 10 window_of_size "$program_pid" 500x569 >/dev/null || fail "the Right key did not end the splash"
main=$(window_of_size "$program_pid" 500x569)
window_of_size "$program_pid" 300x200 >/dev/null && fail "the splash stayed up after the Right key"
# Its timer still hides the About window at 4 s and brings the main window
# forward; let that pass first, seen by the About window called up again
# before it: the timer hides it, and nothing else does while no key or click
# reaches it.
wait_out_splash_timer
expect_front "$main" "the main window"

# --- the plot window through Graph -------------------------------------------
# Three variables, eigenvalues 3, 2 and 1, calculated.
calculate() {
  main_click 249 160          # NVarsFld
  xdotool type "3"
  main_click 195 360          # EigenFld
  xdotool type "3"; xdotool key Return; xdotool type "2"; xdotool key Return; xdotool type "1"
  main_click 440 495          # Calculate
}
# Calculated afresh, Graph opens a new plot window, which comes to the front;
# $1 names it in a failure.
open_new_plot() {
  calculate
  main_click 440 351          # Graph
  wait_for 5 titled "Quarnel Graph" >/dev/null || fail "Graph opened no $1"
  graph=$(titled "Quarnel Graph")
  expect_front "$graph" "the new plot window"
}
open_new_plot "plot window"
minimise "$graph" "the plot window"
activate "$main"
main_click 440 351            # Graph
expect_front "$graph" "the minimised plot window after Graph"

# --- the Description window through the help icon and the Window menu --------
activate "$main"
main_click 437 232            # the help icon
wait_for 5 titled "Description" >/dev/null || fail "the help icon opened no Description window"
description=$(titled "Description")
expect_front "$description" "the new Description window"
minimise "$description" "the Description window"
activate "$main"
main_click 437 232
expect_front "$description" "the minimised Description window after the help icon"
minimise "$description" "the Description window"
activate "$main"
window_menu 1                 # Description
expect_front "$description" "the minimised Description window after Window > Description"

# --- the About window: no title text, and an F-key ends it --------------------
activate "$main"
window_menu 2                 # About Quarnel
expect_front "$splash" "the About window"
[ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/about.png"
no_title_text "$splash" || fail "the About window's title bar reads $(xprop -id "$splash" _NET_WM_NAME)"
xdotool key F5
wait_for 5 not_viewable "$splash" || fail "F5 did not end the About window"
expect_front "$main" "the main window after the About window"

# --- the About window closed by the window manager: as a click ----------------
# openbox gives it a close box whatever the window asks for; Alt+F4 asks it
# to close as that box does.
window_menu 2                 # About Quarnel
expect_front "$splash" "the About window"
xdotool key alt+F4
wait_for 5 not_viewable "$splash" || fail "Alt+F4 did not end the About window"
expect_front "$main" "the main window after Alt+F4 on the About window"

# --- the plot window closed by the window manager: its erase question ---------
# The program's visible window that is none of the four.
box_shown() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    [ "$id" = "$main" ] || [ "$id" = "$graph" ] || [ "$id" = "$description" ] ||
      [ "$id" = "$splash" ] || { echo "$id"; return 0; }
  done
  return 1
}
no_box() { ! box_shown >/dev/null; }
# The erase question is up, with no text in its title bar; $1 says what asked.
erase_question() {
  wait_for 5 box_shown >/dev/null || fail "$1 asked nothing"
  box=$(box_shown)
  no_title_text "$box" || fail "the erase question's title bar reads $(xprop -id "$box" _NET_WM_NAME)"
  activate "$box"
}
activate "$graph"
xdotool key alt+F4
erase_question "Alt+F4 on the plot window"
[ -n "$shots" ] && import -window root "$shots/erase-question.png"
xdotool key alt+n             # No
wait_for 5 no_box || fail "the erase question stayed after No"
xwininfo -id "$graph" | grep -q 'Map State: IsViewable' || fail "No closed the plot window"
expect_front "$graph" "the plot window after No"
xdotool key alt+F4
erase_question "Alt+F4 again on the plot window"
xdotool key alt+y             # Yes
wait_for 5 not_viewable "$graph" || fail "Alt+F4 > Yes left the plot window up"
expect_front "$main" "the main window after Alt+F4 > Yes"

# --- the main window through a new plot's Close > Yes -------------------------
main_click 440 445            # Clear
open_new_plot "new plot window"
minimise "$main" "the main window"
activate "$graph"
click_in "$graph" 500 55 467  # Close
erase_question "Close"
xdotool key Return            # Yes, the box's default
wait_for 5 not_viewable "$graph" || fail "Close > Yes left the plot window up"
expect_front "$main" "the minimised main window after Close > Yes"
[ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/end.png"
echo "PASS"
