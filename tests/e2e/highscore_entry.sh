#!/bin/bash
# The real game under its own X server: a game played to its end by plain clicks beats a list of
# ten entries of -1 points; the name typed and "&Go On" clicked store it as rank 1 of "P1.dat".
source "$(dirname "$0")/lib.sh"
for _ in $(seq 10); do printf '\xff\xff%37s' ''; done >P1.dat
start_game "$1"
score() { import -window root -crop "90x37+$((X + 656))+$((Y + 70))" "$work/score.png" &&
  identify -format %# "$work/score.png"; }

zero=$(score)  # the label shows 0 before a game as after "&Start"
play_to_entry "$game"

# The clicks after the last move in that row may have made the main window active again.
[ "$(xdotool getwindowfocus)" = "$entry" ] || xdotool windowfocus --sync "$entry"
LC_ALL=C.UTF-8 xdotool type --delay 50 "Jürgen"  # xdotool reads the name as UTF-8
day=$(date +%-d)
xdotool mousemove --window "$entry" --sync 145 103 click 1  # its "&Go On"
list=$(timeout 10 xdotool search --sync --onlyvisible --name '^Highscore$' | head -1)
[ -n "$list" ] || fail "no highscore window after Go On"
[[ $(xprop -id "$list" WM_NAME) == *' = "Highscore"' ]] || fail "$(xprop -id "$list" WM_NAME)"

[ "$(stat -c %s P1.dat)" -eq 429 ] || fail "P1.dat holds $(stat -c %s P1.dat) bytes, not 429"
mapfile -t record < <(od -An -v -tx1 -w39 P1.dat | sed 's/^ //')
points=${record[0]:0:5}
# The score label looks as it did after "&Start" exactly when the game scored nothing.
if [ "$(score)" = "$zero" ]; then
  [ "$points" = "00 00" ]
else
  [ "$points" != "00 00" ] && ((16#${points:3:2} < 128))  # more than none, and not negative
fi || fail "record 1 holds the points $points, which the score label does not show"
blanks() { printf ' 20%.0s' $(seq "$1"); }
[ "${record[0]:6:59}" = "4a fc 72 67 65 6e$(blanks 14)" ] || fail "record 1 name: ${record[0]:6:59}"
date=$(head -c 39 P1.dat | tail -c 17)
# Whatever the locale's pattern, today's day and the hour and minutes fit into 17 characters.
[[ $date == *"$day"* && $date =~ [0-9]:[0-9][0-9] ]] || fail "record 1 holds the date '$date'"
for n in $(seq 1 10); do
  [ "${record[n]}" = "ff ff$(blanks 37)" ] || fail "record $((n + 1)): ${record[n]}"
done

exit_game
echo "ok: a game of points $points stored as rank 1"
