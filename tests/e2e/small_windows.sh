#!/bin/bash
# The real game under a real window manager (openbox, mutter or KWin on X11): the highscore list
# and the reset question open ten times in the same place, stay above the main window when it is
# clicked, come back with their buttons after the window manager minimised them, and every title
# bar names its window, neither empty nor numbered.
#   small_windows.sh KALDORA WINDOW_MANAGER
source "$(dirname "$0")/lib.sh"
for tool in dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
trap 'stop_buses; cleanup' EXIT
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
start_buses
start_window_manager "$2"
for _ in $(seq 10); do printf '\xff\xff%37s' ''; done >P1.dat
start_game "$1"

# What the window manager shows as the title of window $1: its own name for it where it gives
# one (KWin's "<2>" for a second window of one title), else the window's.
shown_title() {
  local visible
  visible=$(xprop -id "$1" _NET_WM_VISIBLE_NAME | sed -n 's/.* = "\(.*\)"$/\1/p')
  [ -n "$visible" ] && echo "$visible" && return
  xprop -id "$1" _NET_WM_NAME | sed -n 's/.* = "\(.*\)"$/\1/p'
}
titled() {
  local title
  title=$(shown_title "$1")
  [ "$title" = "$2" ] || fail "the title bar of $3 shows '$title', not '$2'"
}
active() { [ "$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //')" = "$(printf '0x%x' "$1")" ]; }
# Waits up to five seconds for window $1 to be shown, active and above the main window.
in_front() {
  for _ in $(seq 100); do
    xwininfo -id "$1" | grep -q IsViewable && active "$1" && above "$1" && return 0
    sleep 0.05
  done
  return 1
}
# (No --sync: xdotool waits for ever when the pointer is there already.)
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }

# Opens the small window named by the expression $1 with the main window's button at $2,$3 ten
# times, and closes it with the key $4; its client area must be in the same place every time.
# small is the window, places what each showing found.
open_ten_times() {
  local first="" place
  places=()
  for n in $(seq 10); do
    click "$2" "$3"
    small=""
    for _ in $(seq 100); do
      small=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
      [ -n "$small" ] && break
      sleep 0.05
    done
    [ -n "$small" ] && ! in_front "$small" && small=""
    [ -n "$small" ] || fail "showing $n of '$1' did not come to the front"
    ((n == 1)) && centred "$small" "'$1'"
    # Where it settles: a window manager that placed it elsewhere has it moved back.
    place=$(geometry "$small")
    for _ in $(seq 3); do
      sleep 1.2  # a move the game undoes is back within a tenth of a second
      [ "$(geometry "$small")" = "$place" ] && break
      place=$(geometry "$small")
    done
    places+=("$place")
    [ -z "$first" ] && first=$place
    [ "$place" = "$first" ] || fail "'$1' opened at $first, then at $place: ${places[*]}"
    xdotool key "$4"
    for _ in $(seq 100); do xwininfo -id "$small" | grep -q IsViewable || break; sleep 0.05; done
  done
}

# The small window $small, shown with its button at $1,$2, stays above the main window when the main
# window is clicked; minimised by the window manager, the button brings it back to the front.
stays_and_returns() {
  click "$1" "$2"
  # Each showing is a window of its own.
  for _ in $(seq 100); do
    small=$(xdotool search --onlyvisible --name "$4" 2>/dev/null | head -1)
    [ -n "$small" ] && break
    sleep 0.05
  done
  in_front "$small" || fail "$3 did not come to the front"
  titled "$small" "$5" "$3"
  click 400 20  # the main window's free area above the board
  sleep 0.3
  above "$small" || fail "$3 lies below the main window after a click on it"
  xdotool windowminimize --sync "$small"
  # openbox minimises the main window with it: a task bar brings that back first.
  if ! xwininfo -id "$win" | grep -q IsViewable; then
    xdotool windowactivate "$win"
    for _ in $(seq 100); do xwininfo -id "$win" | grep -q IsViewable && break; sleep 0.05; done
  fi
  # openbox may lose a click that comes as it settles its focus after the restore.
  for _ in 1 2 3; do
    click "$1" "$2"
    in_front "$small" && break
  done
  in_front "$small" || fail "$3, minimised, did not come back with its button:" \
    "$(xprop -id "$small" WM_STATE | grep state)," "$(xprop -root _NET_ACTIVE_WINDOW)," \
    "$(xprop -root _NET_CLIENT_LIST_STACKING)"
}

centred "$win" "the main window"
titled "$win" KALDORA "the main window"
open_ten_times '^Highscore$' 700 468 Return
list_places=("${places[@]}")
stays_and_returns 700 468 "the highscore list" '^Highscore$' Highscore
xdotool key Return
open_ten_times '^Reset Highscore$' 700 495 Escape
stays_and_returns 700 495 "the reset question" '^Reset Highscore$' "Reset Highscore"
xdotool key Escape
exit_game
echo "ok under $2: the list at ${list_places[0]} and ${list_places[9]} (first and tenth)," \
  "the question at ${places[0]} and ${places[9]}"
