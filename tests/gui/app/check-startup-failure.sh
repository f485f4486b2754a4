#!/usr/bin/env bash
# A start-up step that fails before the framework initialises, under Xvfb +
# openbox: the report comes up as a message box with the exception's
# description, and once the box is answered the run ends with status 1.
#   check-startup-failure.sh <qt_startup_tests> <folder for screenshots>
set -u
driver=$1
shots=$2
# shellcheck source=../../e2e/lib/xsession.sh
source "$(dirname "$0")/../../e2e/lib/xsession.sh"
require_tools Xvfb openbox xdotool xprop import
rm -rf "$shots"
mkdir -p "$shots"
log=$xsession_work/log
fail() {
  import -window root "$shots/failure.png" 2>/dev/null
  echo "FAIL: $* (the screen is in $shots/failure.png)"
  sed 's/^/  program: /' "$log"
  exit 1
}

xsession_start 800x600x24 || exit 1
QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="quarnel.dialogs.info=true" \
  "$driver" --fail-at _NewAppInstance >"$log" 2>&1 &
pid=$!
xsession_program $pid

wait_for 10 window_titled $pid Quarnel >/dev/null || fail "no message box came up"
box=$(window_titled $pid Quarnel)
xprop -id "$box" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
  fail "the report is not in a dialog window"
grep -qx "quarnel.dialogs: message box: An exception of class std::runtime_error was not handled in start-up." "$log" ||
  fail "the box does not give the exception's description"
import -window root "$shots/report-box.png" || fail "no screenshot"
xdotool windowactivate --sync "$box" 2>/dev/null
xdotool key Return
wait_for 10 not running $pid || fail "the run did not end once the box was answered"
wait $pid
status=$?
[ "$status" -eq 1 ] || fail "the run ended with status $status, not 1"
grep -qx "failed in _NewAppInstance" "$log" || fail "stderr lacks the description"
echo "PASS: the failure was reported in a message box; status 1"
