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
log=$(mktemp)
trap 'rm -f "$log"' EXIT

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
  audit=$(mktemp -d)
  Xvfb -displayfd 3 -audit 4 -nolisten tcp 3>"$audit/display" 2>"$audit/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$audit/display" ] && break; sleep 0.1; done
  HOME=$audit env -u WAYLAND_DISPLAY DISPLAY=":$(head -n1 "$audit/display")" QT_QPA_PLATFORM=xcb \
    "$program" >"$log" 2>&1 &
  pid=$!
  # The splash is up once the program's own connection has made its window.
  for _ in $(seq 100); do
    grep -q "pid=$pid )" "$audit/xvfb.log" && break
    sleep 0.1
  done
  sleep 1
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null
  connections=$(grep -c "connected from" "$audit/xvfb.log")
  [ "$connections" = 1 ] || {
    fail "a start with a display made $connections connections to it, not 1"
    grep "connected from" "$audit/xvfb.log" | sed 's/^/  Xvfb: /'
  }
  rm -rf "$audit"
fi

[ "$failed" = 0 ] && echo "PASS: no display is reported on stderr with status 1"
exit "$failed"
