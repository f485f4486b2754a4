#!/bin/bash
# Start-up figures under Xvfb + openbox: milliseconds from process start to
# the splash's first frame, held against a bare Qt window of the same size,
# colour and title (bare_window), and the resident memory with the main
# window up.
#
#   startup.sh <build folder> [rounds]
#
# After one warm-up run of each, every round runs both once, the order
# alternating from round to round, so a slow spell of the machine falls on
# both alike; the per-round ratios quarnel / bare are read as well as the
# medians of each.
set -u
build=$1
rounds=${2:-15}
program=$build/core/quarnel
bare=$build/bench/windows/bare_window
probe=$build/bench/windows/first_frame
goal=1.3

for file in "$program" "$bare" "$probe"; do
  [ -x "$file" ] || { echo "startup.sh: $file is not built" >&2; exit 1; }
done

# shellcheck source=../../tests/e2e/lib/xsession.sh
source "$(dirname "$0")/../../tests/e2e/lib/xsession.sh"
xsession_start 1024x768x24 || exit 1

# One first-frame time of $1, or nothing where the probe failed (it says why).
# first_frame returns only once the program is gone and its window is off
# the screen; the pause lets the machine settle the same for either.
frame_time() {
  "$probe" "$1"
  sleep 0.2
}

frame_time "$program" >/dev/null  # warm the file cache, Qt's plugins and fonts
frame_time "$bare" >/dev/null

pairs=$xsession_work/pairs
: >"$pairs"
for round in $(seq "$rounds"); do
  if [ $((round % 2)) -eq 1 ]; then
    q=$(frame_time "$program"); b=$(frame_time "$bare")
  else
    b=$(frame_time "$bare"); q=$(frame_time "$program")
  fi
  if [ -n "$q" ] && [ -n "$b" ]; then
    echo "$q $b" >>"$pairs"
  else
    echo "startup.sh: round $round left out (a run found no first frame)" >&2
  fi
done

[ -s "$pairs" ] || { echo "startup.sh: no complete round" >&2; exit 1; }
echo "ms to the first frame, quarnel/bare, round by round:" \
  "$(awk '{printf "%s%s/%s", (NR > 1 ? " " : ""), $1, $2}' "$pairs")"

# The median of the numbers on standard input, one a line, sorted.
median() {
  awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
# The least and the greatest of the same, in whole milliseconds.
span() { awk 'NR == 1 {low = $1} {high = $1} END {printf "%.0f-%.0f", low, high}'; }
# Column $1 of the rounds, sorted.
column() { awk -v c="$1" '{print $c}' "$pairs" | sort -g; }

count=$(wc -l <"$pairs")
quarnel=$(column 1 | median)
bare_ms=$(column 2 | median)
paired=$(awk '{print $1 / $2}' "$pairs" | sort -g | median)
ratio=$(awk -v q="$quarnel" -v b="$bare_ms" 'BEGIN {print q / b}')
printf '%s %d paired rounds: quarnel %.1f ms (%s), bare Qt window %.1f ms (%s), %s; goal <= %s\n' \
  "first frame, median of" "$count" \
  "$quarnel" "$(column 1 | span)" "$bare_ms" "$(column 2 | span)" \
  "$(printf 'ratio %.2f (paired median %.2f)' "$ratio" "$paired")" "$goal"

# Resident memory once the main window is up (the splash gives way at 4 s).
"$program" >/dev/null 2>&1 &
pid=$!
xsession_track $pid
wait_for 15 window_of_size "$pid" 500x569 >/dev/null
sleep 1
echo "resident memory with the main window up: $(grep VmRSS /proc/$pid/status)"
echo "proportional (shared libraries divided):" \
  "$(awk '/^Pss:/ {print $2, $3}' /proc/$pid/smaps_rollup)"
