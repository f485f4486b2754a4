#!/usr/bin/env bash
# Printing on the paper the user picks, under Xvfb + openbox: the worked
# example's report is printed through the real print dialog as it comes
# (Letter, portrait), on A4 picked in the dialog's Properties, and on Letter
# turned to landscape; the plot on Letter landscape and A4 landscape; the
# help text as it comes and on A4 landscape. Each PDF must be on the paper
# picked, hold the same text as the default print, keep every word inside the
# 540 x 720 block (drawn smaller where the paper's printable area cannot hold
# it); the plot must be stored without JPEG at nine tenths of its size, which
# both landscapes hold. Pages are kept as PNGs in the shots folder.
#
#   printing_e2e.sh <quarnel executable> <folder for screenshots>
# shellcheck disable=SC2154  # wait_window names the variable it sets
set -u
program=$1
shots=$2

# shellcheck source=../lib/xsession.sh
source "$(dirname "$0")/../lib/xsession.sh"
require_tools Xvfb openbox xdotool xwininfo xprop import pdfinfo pdftotext pdfimages pdftoppm
work=$xsession_work
rm -rf "$shots"
out=$work/home
mkdir -p "$shots" "$out"

program_pid=
fail() {
  import -window root "$shots/failure.png" 2>/dev/null
  echo "FAIL: $* (the screen is in $shots/failure.png)"
  [ -f "$work/program.log" ] && tail -n 20 "$work/program.log" | sed 's/^/  program: /'
  exit 1
}

xsession_start 1280x1024x24 || exit 1
(cd "$out" && exec env HOME="$out" "$program") >"$work/program.log" 2>&1 &
program_pid=$!
xsession_program $program_pid

# shellcheck source=../journey/desktop.sh
source "$(dirname "$0")/../journey/desktop.sh"

# Clicks at (x, y) from the top left of a window (a dialog has no menu bar).
click_at() {
  local info
  info=$(xwininfo -id "$1")
  point_at $(($(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") + $2)) \
           $(($(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info") + $3))
  xdotool click 1
}

# Prints to $out/$1 from window $2 through the print dialog; when a paper ($3,
# as the Page size list names it, or "" to keep it) or an orientation ($4) is
# given, they are picked in the dialog's Properties first.
print_on() {
  local file=$out/$1 dialog properties
  wait_window dialog "*" Print
  belongs "$dialog" "$2" "the print dialog"
  xdotool windowactivate --sync "$dialog" 2>/dev/null
  if [ -n "${4:-}" ]; then
    xdotool key alt+r
    wait_window properties "*" "Printer Properties"
    xdotool windowactivate --sync "$properties" 2>/dev/null
    if [ -n "$3" ]; then
      click_at "$properties" 230 114        # the Page size list
      wait_for 5 menu_open || fail "the Page size list did not open"
      xdotool type "$3"
      xdotool key Return
      wait_for 5 not menu_open || fail "the Page size list stayed open"
    fi
    case $4 in
      Portrait) click_at "$properties" 40 210 ;;
      Landscape) click_at "$properties" 40 236 ;;
    esac
    shot "properties-${1%.pdf}"
    xdotool key Return
    wait_for 10 not find_window "*" "Printer Properties" || fail "the properties stayed"
    xdotool windowactivate --sync "$dialog" 2>/dev/null
  fi
  xdotool key alt+f ctrl+a
  enter_name "$1"
  xdotool key Return
  wait_for 20 pdf_done "$file" || fail "printing gave no $1"
  wait_for 10 not find_window "*" Print || fail "the print dialog stayed"
  cp "$file" "$shots/"
  pdftoppm -r 50 -png "$file" "$shots/${1%.pdf}"
}

# The page size of $1 is $2; its text is that of $3; every word of it lies
# inside the page and inside a 540 x 720 block at the 36-point margins drawn
# at scale $4.
same_print() {
  local size
  size=$(page_size "$1")
  [[ "$size" == "$2"* ]] || fail "$1 is on $size, not $2"
  cmp -s <(pdftotext "$out/$1" -) <(pdftotext "$out/$3" -) || fail "$1 holds other text than $3"
  pdftotext -bbox "$out/$1" - | awk -v s="$4" -v name="$1" '
    /<page / { match($0, /width="[0-9.]+"/); w = substr($0, RSTART + 7, RLENGTH - 8) + 0
               match($0, /height="[0-9.]+"/); h = substr($0, RSTART + 8, RLENGTH - 9) + 0 }
    /<word / { n++
               match($0, /xMin="[0-9.]+"/); x0 = substr($0, RSTART + 6, RLENGTH - 7) + 0
               match($0, /xMax="[0-9.]+"/); x1 = substr($0, RSTART + 6, RLENGTH - 7) + 0
               match($0, /yMax="[0-9.]+"/); y1 = substr($0, RSTART + 6, RLENGTH - 7) + 0
               if (x0 < 35.5 || x1 > w || y1 > h || x1 > 36 + 540 * s + 0.5 || y1 > 36 + 720 * s + 0.5) {
                 printf "%s: a word outside its block: %s\n", name, $0; bad = 1 } }
    END { if (n == 0) { print name ": no words"; bad = 1 }; exit bad }' || fail "$1 has text outside its block"
}

# --- the worked example, calculated -------------------------------------------
wait_window splash 300x200 ""  # its title bar shows no text
# The splash gives way on its own, at its timer: once the main window is
# there, the timer can move no window any more.
wait_for 15 find_window 500x569 Quarnel >/dev/null || fail "the main window did not come"
wait_window main 500x569 Quarnel
xdotool windowactivate --sync "$main" 2>/dev/null
main_click 249 160                     # NVarsFld
xdotool type --delay 15 "20"
main_click 195 360                     # EigenFld
first=1
for value in 5.43 3.11 2.24 1.89 1.52 1.29 .80 .46 .41 .37 .35 .33 .30 .28 .25 .24 .21 .20 \
    .18 .15; do
  [ "$first" = 1 ] || xdotool key Return
  first=0
  xdotool type --delay 15 "$value"
done
main_click 440 495                     # Calculate
sleep 0.3

# --- the report on three papers -----------------------------------------------
main_click 440 296
print_on letter.pdf "$main"
main_click 440 296
print_on a4.pdf "$main" A4 Portrait
main_click 440 296
print_on wide.pdf "$main" "" Landscape
pdftotext "$out/letter.pdf" - | grep -q 'Critical value = .0500 (7 factors)' ||
  fail "the report printed without its critical value line"
same_print letter.pdf "612 x 792 pts" letter.pdf 1
same_print a4.pdf "595 x 842 pts (A4)" letter.pdf 0.9685185
same_print wide.pdf "792 x 612 pts" letter.pdf 0.75

# --- the plot on Letter landscape ------------------------------------------------
main_click 440 351                     # Graph
wait_window graph 640x519 "Quarnel Graph"
xdotool windowactivate --sync "$graph" 2>/dev/null
graph_click 585 467                    # Print
print_on plot.pdf "$graph" "" Landscape
graph_click 585 467                    # Print
print_on plot-a4.pdf "$graph" A4 Landscape
# Both landscapes hold the plot at nine tenths of its picture: the 600 pixels
# go across 540 points, 80 to the inch, at (20, 100) from the margins' corner.
plot_print() {
  local size image placed x y w h
  size=$(page_size "$1")
  [[ "$size" == "$2"* ]] || fail "the plot is on $size, not $2"
  image=$(pdfimages -list "$out/$1" | awk 'NR > 2 { print $1, $4 "x" $5, $9, $13 }')
  [ "$image" = "1 600x420 image 80" ] || fail "$1 holds the plot as '$image' (page, size, coding, ppi)"
  pdftoppm -r 72 -png -singlefile "$out/$1" "$work/${1%.pdf}"
  # The ink of the page (what differs from its white) lies in that place.
  placed=$(convert "$work/${1%.pdf}.png" -trim -format '%X %Y %w %h' info: | tr -d +)
  read -r x y w h <<<"$placed"
  if [ "$x" -lt 55 ] || [ "$y" -lt 135 ] || [ $((x + w)) -gt 597 ] || [ $((y + h)) -gt 515 ] ||
     [ "$w" -lt 480 ] || [ "$h" -lt 330 ]; then
    fail "$1 has the plot's ink at $placed, not within 540 x 378 at (56, 136)"
  fi
}
plot_print plot.pdf "792 x 612 pts"
plot_print plot-a4.pdf "842 x 595 pts (A4)"

# --- the help text as it comes and on A4 landscape -------------------------------
help_print() {
  xdotool windowactivate --sync "$description" 2>/dev/null
  # The carried menu bar is in the text's context menu: File opens on Print.
  click_in "$description" 491 200 200 3
  wait_for 5 menu_open || fail "no context menu in the Description window"
  xdotool key Up Up Up Right
  wait_for 5 menu_open 2 || fail "the context menu's File entry did not open"
  xdotool key Return
}
xdotool windowactivate --sync "$main" 2>/dev/null
menu_item 106 140 33                   # Window > Description
wait_window description 427x491 Description
help_print
print_on help.pdf "$description"
help_print
print_on broad.pdf "$description" A4 Landscape
[ "$(pages help.pdf)" -ge 2 ] || fail "the help text printed on $(pages help.pdf) page"
[ "$(pages broad.pdf)" = "$(pages help.pdf)" ] || fail "A4 landscape took $(pages broad.pdf) pages"
same_print help.pdf "612 x 792 pts" help.pdf 1
same_print broad.pdf "842 x 595 pts (A4)" help.pdf 0.7263889
echo "printed on Letter, A4 and both landscapes; pages in $shots"
