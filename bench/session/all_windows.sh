#!/bin/bash
# Resident memory with every window of the program open, and the processor
# time it uses while it sits idle for 10 s, under Xvfb + openbox.
#
#   all_windows.sh <quarnel executable>
set -u
program=$1

source "$(dirname "$0")/../../tests/e2e/lib/xsession.sh"
xsession_start || exit 1

HOME=$xsession_work "$program" >/dev/null 2>&1 &
pid=$!
xsession_track $pid
# The splash gives way to the main window after 4 s.
wait_for 15 window_of_size "$pid" 500x569 >/dev/null || { echo "no main window"; exit 1; }
main=$(window_of_size "$pid" 500x569)
x0=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left X: *//p')
y0=$(( $(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left Y: *//p') + 569 - 550 ))
click() { xdotool mousemove --sync $((x0 + $1)) $((y0 + $2)) click 1; sleep 0.2; }

xdotool windowactivate --sync "$main" 2>/dev/null
click 249 160 && xdotool type --delay 10 "20"
click 195 360
for value in 5.43 3.11 2.24 1.89 1.52 1.29 .80 .46 .41 .37 .35 .33 .30 .28 .25 .24 .21 .20 .18 .15; do
  xdotool type --delay 10 "$value" && xdotool key Return
done
click 440 495   # Calculate
click 440 351   # Graph
wait_for 10 window_titled "$pid" "Quarnel Graph" >/dev/null || { echo "no plot window"; exit 1; }
xdotool windowactivate --sync "$main" 2>/dev/null
click 437 232   # the help icon
wait_for 10 window_titled "$pid" Description >/dev/null || { echo "no Description window"; exit 1; }
sleep 1

echo "resident memory with every window open: $(awk '/^VmRSS/ {print $2, $3}' /proc/$pid/status)"
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep 10
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "processor time while idle for 10 s: $(( (after - before) * 1000 / hz )) ms ($(( (after - before) * 100 / (10 * hz) )) %)"
