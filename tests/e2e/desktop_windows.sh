#!/bin/bash
# The real game under openbox, in three locales: the small windows belong to the main window (a
# dialog of it, above it, out of task bars, centred by their frames), a drop over one of them is no
# move, a square held by the keys ends with its game, and a new entry's date stamp keeps day,
# month, year, hours, minutes and seconds in the locale's own order.
source "$(dirname "$0")/lib.sh"
start_window_manager
for _ in $(seq 10); do printf '\xff\xff%37s' ''; done >P1.dat  # ten entries of -1: any game qualifies

# The small window $1 ($2) is a dialog of the main window, out of task bars, and stacked above it.
belongs() {
  [[ $(xprop -id "$1" WM_TRANSIENT_FOR) == *"# $(printf '0x%x' "$win")" ]] ||
    fail "$2: $(xprop -id "$1" WM_TRANSIENT_FOR)"
  [[ $(xprop -id "$1" _NET_WM_WINDOW_TYPE) == *_NET_WM_WINDOW_TYPE_DIALOG* ]] ||
    fail "$2: $(xprop -id "$1" _NET_WM_WINDOW_TYPE)"
  [[ $(xprop -id "$1" _NET_WM_STATE) == *_NET_WM_STATE_SKIP_TASKBAR* ]] ||
    fail "$2: $(xprop -id "$1" _NET_WM_STATE)"
  above "$1" || fail "$2 lies below the main window: $(xprop -root _NET_CLIENT_LIST_STACKING)"
}
# The visible window of the game named by the expression $1, waited for up to five seconds; with
# no name, the one besides the main window.
small_window() {
  local found=""
  for _ in $(seq 100); do
    if [ -n "$1" ]; then
      found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    else
      found=$(xdotool search --onlyvisible --class '^kaldora$' 2>/dev/null | grep -vx "$win" | head -1)
    fi
    [ -n "$found" ] && break
    sleep 0.05
  done
  echo "$found"
}
gone() {
  for _ in $(seq 100); do xwininfo -id "$1" | grep -q IsViewable || return 0; sleep 0.05; done
  fail "$2 is still shown"
}
click() { xdotool mousemove --sync "$1" "$2" click 1; }
start() { click $((X + 700)) $((Y + 306)); }

# Clicks every square in turn (each click on a coloured square is a refused move) until the game
# ends and the name entry opens; then the name $1 is typed and Enter stores it.
play_to_the_end() {
  local entry=""
  for _ in $(seq 40); do
    for n in $(seq 0 80); do
      click $(at "$n")
      entry=$(xdotool search --onlyvisible --name '^Spielername$' 2>/dev/null | head -1)
      [ -n "$entry" ] && break 2
    done
  done
  [ -n "$entry" ] || fail "no name entry after 40 rounds of clicks"
  centred "$entry" "the name entry"
  click $(at 0)  # the board of the ended game, beside the name entry
  belongs "$entry" "the name entry"
  xdotool windowactivate --sync "$entry"
  LC_ALL=C.UTF-8 xdotool type --delay 30 "$1"
  xdotool key Return
  local list
  list=$(small_window '^(Highscore|Bestenliste)$')
  [ -n "$list" ] || fail "Enter in the name box showed no list"
  gone "$entry" "the name entry"
  xdotool key Return
  gone "$list" "the highscore window after Enter"
}
# The date stamp stored with the name $1, without the blanks that pad it.
stamp() {
  local n
  for n in $(seq 0 10); do
    [ "$(tail -c +$((39 * n + 3)) P1.dat | head -c 20)" = "$(printf '%-20s' "$1")" ] &&
      tail -c +$((39 * n + 23)) P1.dat | head -c 17 | sed 's/ *$//' && return
  done
  fail "no entry named $1: $(od -An -c -w39 P1.dat | head -3)"
}
time_of_day='([01]?[0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]'

start_game "$1" LC_ALL=de_DE.UTF-8
centred "$win" "the main window"
# The icon comes after the first frame, in the sizes a task bar picks from.
icons() { xprop -id "$win" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' '; }
for _ in $(seq 100); do [ -n "$(icons)" ] && break; sleep 0.05; done
[ "$(icons)" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) " ] ||
  fail "the main window's icons: $(icons)"

# A square picked up with the keys does not outlive its game: after "&Pause", Space on the idle
# board places nothing.
start
shoot 3
c=${coloured[0]} keys=()
for ((i = 4; i < c % 9; i++)); do keys+=(Right); done
for ((i = 4; i > c % 9; i--)); do keys+=(Left); done
for ((i = 4; i < c / 9; i++)); do keys+=(Down); done
for ((i = 4; i > c / 9; i--)); do keys+=(Up); done
read -r cx cy < <(at "$c")
whites() { import -window root -crop "62x62+$((cx - 31))+$((cy - 31))" "$work/square.png" &&
  convert "$work/square.png" -format %c histogram:info: | awk '/#FFFFFF/ { print $1 + 0 }'; }
xdotool key --delay 30 Up Down "${keys[@]}"  # "&Start" gave the board the keyboard
framed=$(whites)
xdotool key space
sleep 0.2
held=$(whites)
((${held:-0} > ${framed:-0} + 50)) || fail "Space picked up no square ($framed, then $held white pixels)"
click $((X + 700)) $((Y + 333))  # "&Pause"
xdotool key shift+Tab space  # from "&Start" back to the board
sleep 0.5
shoot 0
[ "${#coloured[@]}" -eq 0 ] || fail "Space on the idle board placed ${#coloured[@]} squares"

# A drop over the highscore window is no move, and a click on the board leaves the list on top.
for attempt in $(seq 5); do
  click $((X + 700)) $((Y + 333))  # "&Pause"
  start
  shoot 3
  before=("${shown[@]}")
  click $((X + 700)) $((Y + 468))  # "Show &Highscore"
  list=$(small_window '^(Highscore|Bestenliste)$')
  [ -n "$list" ] || fail "no highscore window"
  read -r lx ly lw lh < <(geometry "$list")
  under() { (($1 > lx + 5 && $1 < lx + lw - 5 && $2 > ly + 5 && $2 < ly + lh - 5)); }
  source="" target=""
  for n in "${coloured[@]}"; do under $(at "$n") || { source=$n; break; }; done
  for n in $(seq 0 80); do [ "${shown[n]}" = "$free" ] && under $(at "$n") && { target=$n; break; }; done
  [ -n "$source" ] && [ -n "$target" ] && break
  xdotool windowactivate --sync "$list" key Escape
done
[ -n "$source" ] || fail "every coloured square lay under the highscore window"
centred "$list" "the highscore window"
xdotool mousemove --sync $(at "$source") mousedown 1 sleep 0.1 mousemove_relative --sync 20 20 \
  sleep 0.1 mousemove --sync $(at "$target") sleep 0.1 mouseup 1
sleep 0.5
belongs "$list" "the highscore window"
xdotool windowactivate --sync "$list" key Escape
gone "$list" "the highscore window after Escape"
shoot 0
[ "${shown[*]}" = "${before[*]}" ] || fail "the drop of square $source over the list onto $target changed the board"

# The reset question stays above the main window, and Escape answers "&no".
cp P1.dat "$work/before"
click $((X + 700)) $((Y + 495))  # "&Reset Highscore"
question=$(small_window "")
[ -n "$question" ] || fail "no reset question"
centred "$question" "the reset question"
click $((X + 700)) $((Y + 37))  # the title, on the main window
belongs "$question" "the reset question"
xdotool windowactivate --sync "$question" key Escape
gone "$question" "the reset question after Escape"
cmp -s P1.dat "$work/before" || fail "Escape in the reset question changed P1.dat"

# A whole game to its end. (A letter outside the keymap would make xdotool remap a key for it, and
# under load the game can see that key after the remap is undone; the names' letters are the
# record tests' part.)
play_to_the_end "Jan Lukasz"
[[ $(stamp "Jan Lukasz") =~ ^$(date +%d\\.%m\\.%y)\ $time_of_day$ ]] || fail "de_DE stamp '$(stamp "Jan Lukasz")'"
exit_game

start_game "$1" LC_ALL=en_US.UTF-8
start
play_to_the_end "Anna"
[[ $(stamp Anna) =~ ^$(date +%-m/%-d/%y)\ $time_of_day(\ [AP]M)?$ ]] || fail "en_US stamp '$(stamp Anna)'"
exit_game

start_game "$1" LC_ALL=C
start
play_to_the_end "Bert"
[[ $(stamp Bert) =~ ^($(LC_ALL=C date '+%-d %b %y')|$(date +%y-%m-%d))\ $time_of_day$ ]] ||
  fail "C stamp '$(stamp Bert)'"
exit_game
echo "ok: stamps $(stamp "Jan Lukasz"), $(stamp Anna), $(stamp Bert)"
