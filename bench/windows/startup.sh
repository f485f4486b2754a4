#!/bin/bash
# Start-up figures under Xvfb + openbox: milliseconds from process start to
# the splash's first frame (several runs), and the resident memory with the
# main window up.
#
#   startup.sh <build folder> [runs]
set -u
build=$1
runs=${2:-10}
program=$build/core/quarnel
probe=$build/bench/windows/first_frame

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR=$work
openbox --sm-disable --startup "touch $work/wm-ready" >/dev/null 2>&1 &
pids+=($!)
until [ -e "$work/wm-ready" ]; do sleep 0.05; done

echo "ms from start to the splash's first frame:"
"$probe" "$program" >/dev/null  # warms the file cache
for _ in $(seq "$runs"); do "$probe" "$program"; sleep 0.3; done | sort -n | tr '\n' ' '
echo

# Resident memory 1 s after the main window came up (the splash gives way at 4 s).
"$program" >/dev/null 2>&1 &
pid=$!
pids+=($pid)
sleep 5.5
echo "resident memory with the main window up: $(grep VmRSS /proc/$pid/status)"
echo "proportional (shared libraries divided): $(awk '/^Pss:/ {print $2, $3}' /proc/$pid/smaps_rollup)"
