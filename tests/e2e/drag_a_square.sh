#!/bin/bash
# The real game under its own X server: Start, one drag with the mouse, Exit, checked from screenshots.
source "$(dirname "$0")/lib.sh"
start_game "$1"
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
[ "$WIDTH x $HEIGHT at $X,$Y" = "800 x 600 at $(((screen_w - 800) / 2)),$(((screen_h - 600) / 2))" ] ||
  fail "client area $WIDTH x $HEIGHT at $X,$Y is not 800 x 600, centred"

# Start-up painted the frame's corners and a tree of RGB(0,128,0) on the canvas.
corners="$(px $X $Y) $(px $((X + 799)) $Y) $(px $X $((Y + 599))) $(px $((X + 799)) $((Y + 599)))"
bevel="0,245,0 0,5,0 0,5,0 0,5,0"
for _ in $(seq 20); do
  import -window root "$work/shot.png" && frame=$(convert "$work/shot.png" -format "$corners" info:)
  tree=$(convert "$work/shot.png" -crop "152x152+$((X + 623))+$((Y + 126))" -format %c histogram:info: |
    awk '/#008000/ { print $1 + 0 }')
  [ "$frame" = "$bevel" ] && [ "${tree:-0}" -gt 0 ] && break
  sleep 0.1
done
[ "$frame" = "$bevel" ] && [ "${tree:-0}" -gt 0 ] || fail "frame corners $frame, ${tree:-no} tree pixels"

# (xdotool's --sync waits for the pointer to move, so no move goes to where the pointer already is.)
# A chance event after the move (1.4 %: a colour bursts) can take squares away; then play again.
for attempt in 1 2 3; do
  xdotool mousemove --sync $((X + 700)) $((Y + 333)) click 1  # "&Pause", for a fresh board
  xdotool mousemove --sync $((X + 700)) $((Y + 306)) click 1  # "&Start"
  shoot 3
  [ "${#coloured[@]}" -eq 3 ] || fail "Start gave ${#coloured[@]} coloured squares"
  source=${coloured[0]} colour=${shown[coloured[0]]}
  for target in "${!shown[@]}"; do [ "${shown[target]}" = "$free" ] && break; done
  xdotool mousemove --sync $(at "$source") mousedown 1 sleep 0.1 \
    mousemove_relative --sync 20 20 sleep 0.1 mousemove --sync $(at "$target") \
    sleep 0.1 mouseup 1
  sleep 0.5  # past the tick of a burst, if there was one
  shoot 6
  # Six, not seven, proves the source was vacated; one of the new squares may land on it again.
  [ "${shown[target]}" = "$colour" ] && [ "${#coloured[@]}" -eq 6 ] && break
  echo "note: attempt $attempt left ${#coloured[@]} coloured squares, target ${shown[target]}"
done
[ "${shown[target]}" = "$colour" ] || fail "target $target shows ${shown[target]}, not $colour"
[ "${#coloured[@]}" -eq 6 ] || fail "${#coloured[@]} coloured squares after a move that made no row"
[ "${shown[source]}" = "$free" ] || echo "note: a new square landed on the vacated square $source"

[[ $(xprop -id "$win" WM_CLASS) == *'"kaldora"'* ]] || fail "WM_CLASS does not name kaldora"

exit_game
echo "ok: square $source ($colour) dragged onto $target"
