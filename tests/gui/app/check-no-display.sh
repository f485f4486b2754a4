#!/usr/bin/env bash
# The real program where Qt can start no platform: a report on stderr and
# exit status 1, never Qt's abort; and where Qt's own list of platforms
# holds one that starts, the program runs on it.
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

# "<case>|<environment for env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM>|<arguments>"
cases=(
  "no display at all||"
  "a display that names no server|DISPLAY=$no_server|"
  "a list of platforms none of which starts|QT_QPA_PLATFORM=wayland;xcb DISPLAY=$no_server|"
  "xcb named on the command line|QT_QPA_PLATFORM=offscreen|-platform xcb"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r name settings options <<<"$entry"
  read -ra environment <<<"$settings"
  read -ra arguments <<<"$options"
  HOME=$(dirname "$log") timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "${environment[@]}" "$program" "${arguments[@]}" >"$log" 2>&1
  status=$?
  [ "$status" -eq 1 ] || fail "$name: exit status $status, not 1"
  grep -qx "An exception of class NoDisplayError was not handled in start-up." "$log" ||
    fail "$name: stderr lacks the report"
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
[ "$failed" = 0 ] && echo "PASS: no display is reported on stderr with status 1"
exit "$failed"
