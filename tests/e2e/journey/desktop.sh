# What the journey does with the program's windows under X: finding them,
# clicking into them, reading their stacking, answering message boxes and
# driving Qt's own print and save dialogs. Sourced by journey_e2e.sh, which
# sets fail, shots (screenshots), work (scratch), out (the program's working
# folder), program_pid, and the ids splash, main and graph as they appear.
# shellcheck shell=bash disable=SC2154
# --- windows ------------------------------------------------------------------
# The program's visible windows, one "id WxH name" a line.
windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    echo "$id $(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: //p')" \
         "$(xdotool getwindowname "$id" 2>/dev/null)"
  done
}
# Prints the id of the visible window of that size ("*": any) and name.
find_window() {
  local id size name
  while read -r id size name; do
    if { [ "$1" = "*" ] || [ "$size" = "$1" ]; } && [ "$name" = "$2" ]; then
      echo "$id"
      return 0
    fi
  done < <(windows)
  return 1
}
# Waits for the visible window of that size and name; puts its id in $1.
wait_window() {
  wait_for 10 find_window "$2" "$3" >/dev/null || fail "no window \"$3\" of size $2"
  printf -v "$1" %s "$(find_window "$2" "$3")"
}
window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null; }
# At least $1 (default 1) menus of the program are open: a menu is the one
# kind of its windows that the window manager does not manage.
menu_open() {
  local id open=0
  for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
    xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && open=$((open + 1))
  done
  [ "$open" -ge "${1:-1}" ]
}
shot() { import -window "${2:-root}" "$shots/$1.png" || fail "no screenshot $1"; }

# The ARGB values of the $2 x $2 image of window $1's icon, one a line (xprop
# cuts a long property short unless told its length).
icon_pixels() {
  xprop -len 4000000 -id "$1" -notype 32c _NET_WM_ICON | sed 's/^[^=]*= *//' | tr -d ' ' |
    tr ',' '\n' | awk -v want="$2" 'NF { v[n++] = $1 }
      END { for (i = 0; i + 1 < n; i += 2 + v[i] * v[i + 1])
              if (v[i] == want && v[i + 1] == want)
                for (k = 0; k < want * want; k++) print v[i + 2 + k] }'
}
# The ARGB values of a picture file, one a line.
file_pixels() {
  convert "$1" -depth 8 rgba:- | od -An -v -tu1 | tr -s ' ' '\n' | awk 'NF { b[n++] = $1 }
    END { for (i = 0; i + 3 < n; i += 4)
            printf "%.0f\n", b[i + 3] * 16777216 + b[i] * 65536 + b[i + 1] * 256 + b[i + 2] }'
}
main_click() { click_in "$main" 550 "$@"; }
graph_click() { click_in "$graph" 500 "$@"; }

# Number of colours in a rectangle of a screenshot: 1 means blank.
colours() { convert "$shots/$1.png" -crop "$2" +repage -format %k info:; }

# How many pixels of the eigenvalue field differ between two screenshots.
field_differs() {
  compare -metric AE -extract 330x296+22+231 "$shots/$1.png" "$shots/$2.png" null: 2>&1
}

# 1 when window $1 is stacked above window $2.
above() {
  local id place=0 a=0 b=0
  for id in $(xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*'); do
    place=$((place + 1))
    [ $((id)) = "$1" ] && a=$place
    [ $((id)) = "$2" ] && b=$place
  done
  [ "$a" -gt "$b" ] && echo 1 || echo 0
}

# A dialog ($1) belongs to the window ($2) it was opened from, lies above it,
# and has left that window above the main window.
belongs() {
  local parent
  parent=$(($(xprop -id "$1" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*' || echo 0)))
  [ "$parent" = "$2" ] || fail "$3 belongs to window $parent, not to $2"
  [ "$(above "$1" "$2")" = 1 ] || fail "$3 is under its window"
  [ "$2" = "$main" ] || [ "$(above "$2" "$main")" = 1 ] || fail "$3 raised the main window"
}

# --- message boxes ------------------------------------------------------------
boxes=0
box_logged() { [ -n "$(logged_box "$1")" ]; }
logged_box() { grep 'quarnel.dialogs: message box: ' "$work/program.log" | sed -n "$1s/^[^:]*: message box: //p"; }
# A box's title bar shows the program's name, or nothing (the erase question).
box_window() {
  local id size name
  while read -r id size name; do
    { [ "$name" = Quarnel ] || [ -z "$name" ]; } && [ "$id" != "${main:-}" ] &&
      [ "$id" != "${splash:-}" ] &&
      window_type "$id" | grep -q _NET_WM_WINDOW_TYPE_DIALOG && { echo "$id"; return 0; }
  done < <(windows)
  return 1
}
# How many dark blue pixels the icon's place in a box's picture holds: the
# question icon's mark has some, a box without an icon none.
icon_marks() {
  convert "$shots/$1.png" -crop 40x40+6+6 +repage -fx 'b > 0.5 && r < 0.35 && g < 0.35' \
    -format '%[fx:round(mean * w * h)]' info:
}
# Waits for the next message box, checks its text and the window it belongs
# to ($2), keeps its picture ($3, and the box's own as $3-box) and answers it
# with the key $4.
answer_box() {
  local text=$1 owner=$2 name=$3 key=$4 box got parent
  boxes=$((boxes + 1))
  wait_for 10 box_logged $boxes || fail "no message box \"$text\""
  got=$(logged_box $boxes)
  [ "$got" = "$text" ] || fail "the message box says \"$got\", expected \"$text\""
  wait_for 10 box_window >/dev/null || fail "the box \"$text\" did not show"
  box=$(box_window)
  belongs "$box" "$owner" "the box \"$text\""
  shot "$name"
  shot "$name-box" "$box"
  xdotool windowactivate --sync "$box" 2>/dev/null
  xdotool key "$key"
  wait_for 10 not box_window || fail "the box \"$text\" stayed after $key"
}

# --- the real dialogs ---------------------------------------------------------
# A PDF file that pdfinfo reads and that stopped growing.
pdf_done() {
  local size
  size=$(stat -c %s "$1" 2>/dev/null) || return 1
  pdfinfo "$1" >/dev/null 2>&1 || return 1
  sleep 0.1
  [ "$(stat -c %s "$1")" = "$size" ]
}
# The dialogs' file name fields complete what is typed from the folder's
# files, in a pop-up that would take the Return key: names are typed relative
# to the program's working folder ($out), each with a first letter no other
# file there has, and Return waits until no pop-up is open.
enter_name() {
  xdotool type --delay 5 "$1"
  wait_for 5 not menu_open || fail "a pop-up stayed open over the name $1"
}

# With no printer installed, Qt's print dialog prints to a PDF file: its
# "Output file" field (Alt+F) gets the name, and Print is the default button.
print_to() {
  local file=$out/$1 dialog
  wait_window dialog "*" Print
  belongs "$dialog" "$2" "the print dialog"
  xdotool windowactivate --sync "$dialog" 2>/dev/null
  xdotool key alt+f ctrl+a
  enter_name "$1"
  shot "print-dialog-${1%.pdf}"
  xdotool key Return
  wait_for 20 pdf_done "$file" || fail "printing gave no $1"
  wait_for 10 not find_window "*" Print || fail "the print dialog stayed"
  cp "$file" "$shots/"
}
pages() { pdfinfo "$out/$1" | sed -n 's/^Pages: *//p'; }
page_size() { pdfinfo "$out/$1" | sed -n 's/^Page size: *//p'; }

# The save dialog opens in the working folder with its file name field focused.
picture_of() { identify -format '%m %wx%h' "$1" 2>/dev/null; }
is_picture() { [ "$(picture_of "$1")" = "$2" ]; }
save_as() {
  local file=$out/$1 expected=$2 dialog
  wait_window dialog "*" "Save As"
  belongs "$dialog" "$graph" "the save dialog"
  xdotool windowactivate --sync "$dialog" 2>/dev/null
  enter_name "$1"
  shot "save-dialog-${1##*.}"
  xdotool key Return
  wait_for 10 is_picture "$file" "$expected" ||
    fail "saving $1 gave '$(picture_of "$file")', expected '$expected'"
  wait_for 10 not find_window "*" "Save As" || fail "the save dialog stayed"
  cp "$file" "$shots/"
}

# Clicks a menu of the main window's bar, waits for it to open, then clicks
# the item at (x, y) of the main window's content.
menu_item() {
  main_click "$1" -11
  wait_for 5 menu_open || fail "the menu at x $1 did not open"
  main_click "$2" "$3"
}
