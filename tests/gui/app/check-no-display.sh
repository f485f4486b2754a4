#!/usr/bin/env bash
# The real program where Qt can start no platform: Qt's own reasons on
# stderr, then the program's report, and exit status 1, never Qt's abort;
# where Qt's own list of platforms holds one that starts, the program runs
# on it; and where the display is there, the program connects to it once.
#   check-no-display.sh <quarnel executable>
set -u
program=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }
# shellcheck source=../../e2e/lib/xsession.sh
source "$(dirname "$0")/../../e2e/lib/xsession.sh"
log=$xsession_work/log

# A display number that no X server holds.
free_display() {
  local n=200
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  echo ":$n"
}
no_server=$(free_display)

# The line number of the first line of the log that is exactly $1, or none.
line_of() { grep -nxF -m1 -- "$1" "$log" | cut -d: -f1; }

# "<case>|<environment for env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM>|<arguments>|<Qt's reason>"
cases=(
  "no display at all|||qt.qpa.xcb: could not connect to display "
  "a display that names no server|DISPLAY=$no_server||qt.qpa.xcb: could not connect to display $no_server"
  "a list of platforms none of which starts|QT_QPA_PLATFORM=wayland;xcb DISPLAY=$no_server||qt.qpa.plugin: Could not find the Qt platform plugin \"wayland\" in \"\""
  "xcb named on the command line|QT_QPA_PLATFORM=offscreen|-platform xcb|qt.qpa.xcb: could not connect to display "
)
report="An exception of class NoDisplayError was not handled in start-up."
for entry in "${cases[@]}"; do
  IFS='|' read -r name settings options reason <<<"$entry"
  read -ra environment <<<"$settings"
  read -ra arguments <<<"$options"
  HOME=$(dirname "$log") timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "${environment[@]}" "$program" "${arguments[@]}" >"$log" 2>&1
  status=$?
  [ "$status" -eq 1 ] || fail "$name: exit status $status, not 1"
  report_at=$(line_of "$report")
  reason_at=$(line_of "$reason")
  [ -n "$report_at" ] || fail "$name: stderr lacks the report"
  [ -n "$reason_at" ] || fail "$name: stderr lacks Qt's reason: $reason"
  if [ -n "$report_at" ] && [ -n "$reason_at" ] && [ "$reason_at" -gt "$report_at" ]; then
    fail "$name: Qt's reason comes after the report"
  fi
  grep -qx "No display could be opened: the program needs a window system." "$log" ||
    fail "$name: stderr lacks the reason"
  grep -q "Reinstalling the application" "$log" && fail "$name: Qt's abort message is on stderr"
  [ "$failed" = 0 ] || sed 's/^/  program: /' "$log"
done

# Qt's list goes on to a platform that starts: the program runs there.
HOME=$(dirname "$log") env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="xcb;offscreen" \
  "$program" >"$log" 2>&1 &
pid=$!
ended() { ! kill -0 "$pid" 2>/dev/null; }
for _ in $(seq 40); do ended && break; sleep 0.05; done
if ended; then
  wait "$pid"
  fail "with offscreen after xcb the program ended (status $?)"
  sed 's/^/  program: /' "$log"
else
  kill "$pid"
  wait "$pid" 2>/dev/null
fi
# With a display there: one connection to it, the program's own (Xvfb's
# audit log names each client's process).
if command -v Xvfb >/dev/null; then
  xsession_start_bare 1024x768x24 -audit 4
  HOME=$xsession_work QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
  pid=$!
  xsession_program $pid
  # A second connection, a trial's say, would come before or soon after the
  # program's own.
  wait_for 10 grep -q "pid=$pid )" "$xsession_work/xvfb.log" || fail "the program did not connect"
  sleep 1
  connections=$(grep -c "connected from" "$xsession_work/xvfb.log")
  [ "$connections" = 1 ] || {
    fail "a start with a display made $connections connections to it, not 1"
    grep "connected from" "$xsession_work/xvfb.log" | sed 's/^/  Xvfb: /'
  }
fi

[ "$failed" = 0 ] && echo "PASS: no display is reported on stderr with status 1"
exit "$failed"
