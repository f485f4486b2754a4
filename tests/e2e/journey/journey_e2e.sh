#!/usr/bin/env bash
# One user's whole session with the installed program, under Xvfb + openbox:
# the build is installed into a temporary prefix and started from there (the
# windows carry the installed icon); the splash gives way to the main window
# after its 4 s; v and half of the worked example are typed, the rest pasted
# through the Edit menu; Calculate; the report copied out through the Edit
# menu, and with Ctrl+C after Escape has left a menu, and printed to PDF
# through the real print dialog; Graph; Copy (the clipboard read as a PNG
# while the program runs); the plot printed to PDF, its erase question (its
# icon checked) answered No, saved as PNG and as TIFF through the real save
# dialog, then closed; the Description window's help text printed from its
# menu; About, dismissed by a key, and again by a right-click that opens no
# menu; Clear; Graph refused; calculated again (the eigenvalues pasted with
# Ctrl+V), plotted and erased with Yes; Ctrl+Q. Every message box is checked
# by its text, by the window it belongs to, and answered. Screenshots of each
# window are kept in the shots folder.
#
#   journey_e2e.sh <cmake> <build folder> <folder for screenshots>
# shellcheck disable=SC2154  # wait_window names the variable it sets
set -u
cmake=$1
build=$2
shots=$3

# shellcheck source=../lib/xsession.sh
source "$(dirname "$0")/../lib/xsession.sh"
require_tools Xvfb openbox xdotool xclip xwininfo xprop import convert compare identify pdfinfo \
  pdftotext pdfimages
work=$xsession_work
rm -rf "$shots"
out=$work/home
mkdir -p "$shots" "$out"

program_pid=
fail() {
  import -window root "$shots/failure.png" 2>/dev/null
  echo "FAIL: $* (the screen is in $shots/failure.png)"
  [ -n "$program_pid" ] && windows | sed 's/^/  window: /'
  [ -f "$work/program.log" ] && tail -n 30 "$work/program.log" | sed 's/^/  program: /'
  exit 1
}

# --- the installed program -------------------------------------------------
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "cmake --install into a temporary prefix failed"; }
program=$prefix/bin/quarnel
[ -x "$program" ] || fail "no program installed at bin/quarnel"
for picture in "Quarnel.tiff" "Vered68 copy.png"; do
  [ -f "$prefix/share/quarnel/$picture" ] || fail "no $picture installed in share/quarnel"
done

# --- display and window manager ----------------------------------------------
xsession_start 1280x1024x24 || exit 1

# Started away from the build tree, so that only the installed data folder
# can give it its pictures. The dialogs' log says what each message box says.
(cd "$work/home" && exec env HOME="$work/home" QT_LOGGING_RULES="quarnel.dialogs.info=true" \
    "$program") >"$work/program.log" 2>&1 &
program_pid=$!
xsession_program $program_pid

# shellcheck source=desktop.sh
source "$(dirname "$0")/desktop.sh"

# --- splash, then main window ------------------------------------------------
wait_window splash 300x200 ""  # its title bar shows no text
shot splash "$splash"
[ "$(colours splash 78x78+111+63)" -gt 2 ] || fail "the splash shows no logo"
# The splash gives way on its own: its one-shot timer shows the main window
# at 4 s even after an early key or click, and would then lift the main window
# over whatever the journey had opened by that time.
splash_shown=$SECONDS
wait_for 15 find_window 500x569 Quarnel >/dev/null || fail "the main window did not come"
wait_window main 500x569 Quarnel
echo "the splash gave way after about $((SECONDS - splash_shown)) s"
wait_for 5 not find_window 300x200 "" || fail "the splash stayed beside the main window"
xdotool windowactivate --sync "$main" 2>/dev/null
shot main-empty "$main"
# The logo and the help icon from the installed data folder (below the bar).
[ "$(colours main-empty 78x77+5+22)" -gt 2 ] || fail "the main window shows no logo"
[ "$(colours main-empty 74x45+400+229)" -gt 2 ] || fail "the main window shows no help icon"
# Its icon comes from the installed data, which no desktop theme looks into.
icons=$prefix/share/icons/hicolor
for size in 16 32 48; do
  cmp -s <(icon_pixels "$main" $size) <(file_pixels "$icons/${size}x$size/apps/quarnel.png") ||
    fail "the main window's $size-pixel icon is not the installed one"
done

main_click 440 495                     # Calculate with nothing entered
answer_box "Variables must range from 3-99" "$main" box-variables Return

# --- eigenvalues typed and pasted; Calculate -----------------------------------
main_click 249 160                     # NVarsFld
xdotool type --delay 15 "20"
main_click 195 360                     # EigenFld
for value in 5.43 3.11 2.24 1.89 1.52 1.29 .80 .46 .41 .37; do
  xdotool type --delay 15 "$value"
  xdotool key Return
done
typed_shown() { shot main-typed "$main" && [ "$(field_differs main-typed main-empty)" -gt 0 ]; }
wait_for 10 typed_shown || fail "nothing typed reached the eigenvalue field"
printf '%s\r\n' .35 .33 .30 .28 .25 .24 .21 .20 .18 >"$work/pasted.txt"
printf '.15' >>"$work/pasted.txt"
xclip -selection clipboard -quiet <"$work/pasted.txt" >/dev/null 2>&1 &
xsession_track $!
on_clipboard() { cmp -s "$1" <(xclip -selection clipboard -o 2>/dev/null); }
wait_for 5 on_clipboard "$work/pasted.txt" ||
  fail "xclip did not take the clipboard"
menu_item 56 81 78                     # Edit > Paste
pasted_shown() { shot main-pasted "$main" && [ "$(field_differs main-pasted main-typed)" -gt 0 ]; }
wait_for 10 pasted_shown || fail "the eigenvalue field did not change at Paste"
main_click 440 495                     # Calculate
report_shown() { shot main-report "$main" && [ "$(field_differs main-report main-pasted)" -gt 0 ]; }
wait_for 10 report_shown || fail "the eigenvalue field did not change at Calculate"

# The report, selected with the caret keys and copied through Edit > Copy.
main_click 195 360
xdotool key ctrl+Home ctrl+shift+End
menu_item 56 81 56                     # Edit > Copy
copied() {
  xclip -selection clipboard -o 2>/dev/null | tr -d '\r' >"$work/report.txt"
  grep -q 'Critical value' "$work/report.txt"
}
wait_for 10 copied || fail "the report did not reach the clipboard"
# The Edit menu opened with a click and left with one Escape gives the keys
# back to the text area: Ctrl+C copies its selection.
printf 'stale' >"$work/stale.txt"
xclip -selection clipboard -quiet <"$work/stale.txt" >/dev/null 2>&1 &
xsession_track $!
wait_for 5 on_clipboard "$work/stale.txt" || fail "xclip did not take the clipboard"
main_click 56 -11
wait_for 5 menu_open || fail "the Edit menu did not open"
xdotool key Escape
wait_for 5 not menu_open || fail "Escape left the Edit menu open"
xdotool key ctrl+c
wait_for 10 copied || fail "Ctrl+C after Escape from a menu copied nothing"
[ -z "$(logged_box $((boxes + 1)))" ] || fail "Calculate showed \"$(logged_box $((boxes + 1)))\""
cp "$work/report.txt" "$shots/report.txt"
expect_line() {
  local got
  got=$(sed -n "$1p" "$work/report.txt")
  [ "$got" = "$2" ] || fail "report line $1 is '$got', expected '$2'"
}
[ "$(awk 'END { print NR }' "$work/report.txt")" -eq 27 ] || fail "the report has not 27 lines"
expect_line 6 "Order   Eigenvalue      SE      Factor*"
expect_line 8 "  1      +5.4300       0.8662   nontrivial"
expect_line 17 " 10      +0.3700       0.0055   trivial"
expect_line 18 " 11      +0.3500       0.0058   trivial"
expect_line 25 " 18      +0.2000       0.0041   trivial"
expect_line 27 "*Critical value = .0500 (7 factors)"

main_click 440 296                     # Print the report
print_to report.pdf "$main"
[ "$(pages report.pdf)" = 1 ] || fail "the report printed on $(pages report.pdf) pages"
[[ "$(page_size report.pdf)" == "612 x 792 pts"* ]] || fail "report page $(page_size report.pdf)"
pdftotext -layout "$out/report.pdf" - | tr -d '\f' | grep -q '^ *\*Critical value = .0500 (7 factors)' ||
  fail "the printed report lacks its critical value line"
pdftotext "$out/report.pdf" - | grep -c nontrivial | grep -qx 7 ||
  fail "the printed report has not 7 nontrivial rows"

# --- the plot window ------------------------------------------------------------
main_click 440 351                     # Graph
wait_window graph 640x519 "Quarnel Graph"
xdotool windowactivate --sync "$graph" 2>/dev/null
shot plot-window "$graph"

graph_click 245 467                    # Copy
clip_png() {
  xclip -selection clipboard -t image/png -o >"$work/clip.png" 2>/dev/null &&
    [ "$(picture_of "$work/clip.png")" = "PNG 600x420" ]
}
wait_for 10 clip_png || fail "the clipboard holds '$(picture_of "$work/clip.png")', not a 600x420 PNG"
cp "$work/clip.png" "$shots/clipboard.png"
[ "$(above "$graph" "$main")" = 1 ] || fail "the main window came above the plot window at Copy"
answer_box "Copied to clipboard" "$graph" box-copied Return
[ "$(above "$graph" "$main")" = 1 ] || fail "the main window came above the plot window after Copy"

graph_click 585 467                    # Print the plot
print_to plot.pdf "$graph"
[ "$(pages plot.pdf)" = 1 ] || fail "the plot printed on $(pages plot.pdf) pages"
pdfimages -list "$out/plot.pdf" | awk 'NR > 2 { print $1, $4 "x" $5 }' | grep -qx '1 600x420' ||
  fail "the printed page holds no 600 x 420 picture"

graph_click 55 467                     # Close, answered No: the plot stays
answer_box "Are you sure you want to erase this graph" "$graph" box-erase alt+n
find_window 640x519 "Quarnel Graph" >/dev/null || fail "No closed the plot window"
# The question shows its icon (a box without one, as Copy's, has none there).
[ "$(icon_marks box-copied-box)" = 0 ] || fail "the Copy box shows an icon"
[ "$(icon_marks box-erase-box)" -gt 20 ] || fail "the erase question shows no question icon"

graph_click 409 467                    # Save
save_as graph.png "PNG 600x420"
graph_click 409 467
save_as scree.tiff "TIFF 600x420"

graph_click 55 467                     # Close after a save: no question
wait_for 10 not find_window "*" "Quarnel Graph" || fail "Close left the plot window open"
[ "$(logged_box $((boxes + 1)))" = "" ] || fail "Close after Save asked: $(logged_box $((boxes + 1)))"
active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
wait_for 5 active_is "$main" || fail "Close did not bring the main window"

# --- Description, its printed help text; About and a key ------------------------
menu_item 106 140 33                   # Window > Description
wait_window description 427x491 Description
xdotool windowactivate --sync "$description" 2>/dev/null
shot description "$description"
# Its menu bar is carried, not shown: the text's context menu holds it, and
# the last three entries are File, Edit and Window; File opens on Print.
click_in "$description" 491 200 200 3
wait_for 5 menu_open || fail "no context menu in the Description window"
xdotool key Up Up Up Right
wait_for 5 menu_open 2 || fail "the context menu's File entry did not open"
shot description-menu
xdotool key Return
print_to help.pdf "$description"
[ "$(pages help.pdf)" -ge 2 ] || fail "the help text printed on $(pages help.pdf) page"
pdftotext "$out/help.pdf" "$work/help.txt"
for line in "Operation of Program" "Example" "References" "*Critical value = 0.0500 (7 factors)"; do
  grep -qxF "$line" "$work/help.txt" || fail "the printed help text lacks the line '$line'"
done

xdotool windowactivate --sync "$main" 2>/dev/null
menu_item 106 140 55                   # Window > About Quarnel
wait_window about 300x200 ""
shot about "$about"
xdotool windowactivate --sync "$about" 2>/dev/null
xdotool key space
wait_for 10 not find_window 300x200 "" || fail "a key did not hide the About window"
# A right-click hides it as well, and opens no menu over the main window.
menu_item 106 140 55
wait_window about 300x200 ""
xdotool windowactivate --sync "$about" 2>/dev/null
click_in "$about" 200 150 150 3
wait_for 10 not find_window 300x200 "" || fail "a right-click did not hide the About window"
wait_for 5 active_is "$main" || fail "the right-click did not bring the main window"
wait_for 1 menu_open 1 && fail "the About window's right-click opened a menu over the main window"

# --- Clear; Graph refused; Ctrl+Q -------------------------------------------------
xdotool windowactivate --sync "$main" 2>/dev/null
main_click 440 445                     # Clear
field_blank() { shot main-cleared "$main" && [ "$(colours main-cleared 330x296+22+231)" = 1 ]; }
wait_for 10 field_blank || fail "Clear left text in the eigenvalue field"
main_click 440 351                     # Graph
answer_box "Quarnel must be calculated before graph can be displayed." "$main" box-graph Return
find_window "*" "Quarnel Graph" >/dev/null && fail "Graph opened a plot window after Clear"

# --- calculated again, plotted, and the plot erased: Yes --------------------------
main_click 249 160                     # NVarsFld
xdotool type --delay 15 "20"
printf '%s\r\n' 5.43 3.11 2.24 1.89 1.52 1.29 .80 .46 .41 .37 >"$work/all.txt"
cat "$work/pasted.txt" >>"$work/all.txt"
xclip -selection clipboard -quiet <"$work/all.txt" >/dev/null 2>&1 &
xsession_track $!
wait_for 5 on_clipboard "$work/all.txt" || fail "xclip did not take the clipboard"
main_click 195 360
xdotool key ctrl+v
main_click 440 495                     # Calculate
main_click 440 351                     # Graph
wait_window graph 640x519 "Quarnel Graph"
xdotool windowactivate --sync "$graph" 2>/dev/null
graph_click 55 467                     # Close, answered Yes: the plot goes
answer_box "Are you sure you want to erase this graph" "$graph" box-erase-yes alt+y
wait_for 10 not find_window "*" "Quarnel Graph" || fail "Yes left the plot window open"
wait_for 5 active_is "$main" || fail "Yes did not bring the main window forward"
main_click 440 351                     # Graph: the erased plot is not offered again
answer_box "Quarnel must be calculated before graph can be displayed." "$main" box-graph-erased Return

xdotool windowactivate --sync "$main" 2>/dev/null
xdotool key ctrl+q
wait_for 15 not running "$program_pid" || fail "Ctrl+Q did not quit"
wait "$program_pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with exit code $status"
echo "PASS: the journey in $SECONDS s; screenshots and files in $shots"
