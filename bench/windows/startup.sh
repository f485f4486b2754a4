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

source "$(dirname "$0")/../../tests/e2e/lib/xsession.sh"
xsession_start || exit 1

echo "ms from start to the splash's first frame:"
"$probe" "$program" >/dev/null  # warms the file cache
for _ in $(seq "$runs"); do "$probe" "$program"; sleep 0.3; done | sort -n | tr '\n' ' '
echo

# Resident memory once the main window is up (the splash gives way at 4 s).
"$program" >/dev/null 2>&1 &
pid=$!
xsession_track $pid
wait_for 15 window_of_size "$pid" 500x569 >/dev/null
sleep 1
echo "resident memory with the main window up: $(grep VmRSS /proc/$pid/status)"
echo "proportional (shared libraries divided): $(awk '/^Pss:/ {print $2, $3}' /proc/$pid/smaps_rollup)"
