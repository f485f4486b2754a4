# An X session for the end-to-end scripts and the start-up figures: Xvfb on a
# free display with openbox managing its windows, torn down on exit.
#
#   source tests/e2e/lib/xsession.sh
#   xsession_start            # sets DISPLAY and $xsession_work (a scratch folder)
#   program & xsession_program $!
#   wait_for 10 window_of_size "$pid" 500x569
#
# Everything started with xsession_track or xsession_program is stopped when
# the script exits, whatever state it is in; a wait ends at once when the
# program under test has ended.

xsession_pids=()
xsession_program_pid=""
xsession_work=$(mktemp -d)

# Whether process $1 runs (a child that has ended but is not yet waited for
# does not).
running() {
  local state
  state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)
  [ -n "$state" ] && [ "$state" != Z ]
}

# TERM to everything tracked, KILL to what is still there after 5 s; only
# what was tracked is waited for, so a helper left behind (xclip serving a
# selection, say) cannot hold the script.
xsession_cleanup() {
  set +e
  local pid deadline=$((SECONDS + 5))
  for pid in "${xsession_pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${xsession_pids[@]}"; do
    while running "$pid" && [ $SECONDS -lt $deadline ]; do sleep 0.05; done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  rm -rf "$xsession_work"
}
trap xsession_cleanup EXIT

xsession_track() { xsession_pids+=("$@"); }

# The program under test: tracked, and watched by every wait.
xsession_program() {
  xsession_program_pid=$1
  xsession_track "$1"
}

# Skips the test (ctest's skip code 77) when one of the named tools is missing.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
}

# Waits up to $1 seconds for the command in the remaining arguments to
# succeed; gives up at once when the program under test has ended.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    if [ -n "$xsession_program_pid" ] && ! running "$xsession_program_pid"; then
      "$@" && return 0  # what was waited for may be the end itself
      echo "the program has ended" >&2
      return 1
    fi
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
}

# Milliseconds on a clock that only goes forward.
now_ms() { awk '{ printf "%d\n", $1 * 1000 }' /proc/uptime; }

not() { ! "$@"; }

# An X server of screen size $1 with no window manager: windows sit where
# they ask to be, and none is activated. Further arguments go to Xvfb; its
# messages are in $xsession_work/xvfb.log.
xsession_start_bare() {
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp "${@:2}" \
    3>"$xsession_work/display" 2>"$xsession_work/xvfb.log" &
  xsession_track $!
  wait_for 10 test -s "$xsession_work/display" || { echo "FAIL: Xvfb did not start"; return 1; }
  export DISPLAY=":$(head -n1 "$xsession_work/display")"
  export XDG_RUNTIME_DIR=$xsession_work
  # Under AddressSanitizer: libxkbcommon-x11 hands X replies that are not
  # NUL-terminated to strndup, which strict string checks report; that check
  # is left out for the real display (the offscreen tests keep it).
  if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
  fi
}

xsession_start() {
  xsession_start_bare "$@" || return 1
  # openbox runs its --startup command once it manages windows: a program
  # started before that keeps the placement and focus of a bare X server.
  openbox --sm-disable --startup "touch $xsession_work/wm-ready" >"$xsession_work/openbox.log" 2>&1 &
  xsession_track $!
  wait_for 10 test -e "$xsession_work/wm-ready" || { echo "FAIL: openbox did not start"; return 1; }
}

# The visible window of process $1 whose size (menu bar included) is $2, e.g. 500x569.
window_of_size() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    if [ "$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: //p')" = "$2" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# The visible window of process $1 whose title is exactly $2.
window_titled() {
  local id
  id=$(xdotool search --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | tail -n1)
  [ -n "$id" ] && echo "$id"
}

# Clicks at (x, y) of a window's content, whose layout height is $2: Qt puts
# the menu bar inside the X window, above the content (negative y is in it).
click_in() {
  local info left top height
  info=$(xwininfo -id "$1")
  left=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  top=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  height=$(sed -n 's/^ *Height: *//p' <<<"$info")
  point_at $((left + $3)) $((top + height - $2 + $4))
  xdotool click "${5:-1}"
}
# mousemove --sync waits for the pointer to move: it hangs for seconds when
# the pointer is there already.
point_at() {
  # shellcheck disable=SC2034  # the eval sets all four
  local X Y SCREEN WINDOW
  eval "$(xdotool getmouselocation --shell)"
  [ "$X,$Y" = "$1,$2" ] || xdotool mousemove --sync "$1" "$2"
}
