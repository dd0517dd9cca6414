#!/bin/bash
# The real game under random real input for SECONDS (default 30) or ACTIONS (default 3000),
# whichever ends first: clicks and drags on the board, every button but "&Exit", the three small
# windows, names typed, access keys. Afterwards the game still answers, "&Exit" ends it with status
# 0 and no sanitizer report, and "P1.dat" is as it was or eleven well-formed records.
#   ui_soak.sh KALDORA [SECONDS [ACTIONS [SEED]]]
# With SOAK_MEMORY=FILE, the game's memory goes to FILE every 15 s (see sample_memory).
source "$(dirname "$0")/lib.sh"
seconds=${2:-30} actions=${3:-3000} RANDOM=${4:-6}
for _ in $(seq 11); do printf '\xff\xff%37s' ''; done >P1.dat  # -1 points: every game end qualifies
cp P1.dat "$work/before"
start_game "$1"

# One line: seconds since the start, then in KiB the resident set, its anonymous and file-backed
# parts, and of the anonymous part the heap (brk), the other private anonymous mappings (thread
# arenas, large malloc blocks, stacks) and the shared memory (X images).
sample_memory() {
  awk -v t="$1" '/^[0-9a-f]+-[0-9a-f]+ / { kind = $6 == "[heap]" ? "heap" : $6 == "" ? "anon" : "other" }
    /^Rss:/ { rss[kind] += $2 }
    END { printf "%s", t
      while ((getline line < "/proc/'"$game"'/status") > 0)
        if (line ~ /^(VmRSS|RssAnon|RssFile|RssShmem):/) { split(line, f); printf " %s", f[2] }
      printf " %d %d\n", rss["heap"], rss["anon"] }' "/proc/$game/smaps"
}
if [ -n "${SOAK_MEMORY:-}" ]; then
  echo "# pid $game; seconds VmRSS RssAnon RssFile RssShmem heap other-anon (KiB)" >"$SOAK_MEMORY"
  (
    begin=$SECONDS
    while kill -0 "$game" 2>/dev/null; do
      sample_memory $((SECONDS - begin)) >>"$SOAK_MEMORY" 2>/dev/null
      sleep 15
    done
  ) &
fi

pick() { local a=("$@"); echo "${a[RANDOM % $#]}"; }
square() { at $((RANDOM % 81)); }
# Buttons of the main window, in client pixels: Start, Pause, Sound, Background, How to Play,
# Information, Show Highscore, Reset Highscore. Pause comes seldom, so that games reach their end.
button() {
  local k=$((RANDOM % 8))
  ((k == 1 && RANDOM % 4)) && k=0
  echo $((X + 640 + RANDOM % 120)) $((Y + 297 + 27 * k + RANDOM % 18))
}
# The small windows that are up, as "id width": Form2 is 392 wide, Form3 219, Form4 250.
small_windows() {
  local w
  for w in $(xdotool search --onlyvisible --class '^kaldora$' 2>/dev/null); do
    [ "$w" = "$win" ] || echo "$w $(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p')"
  done
}
# A click on a small window's own places: Go On, the name box, yes, no; kind names the window.
small_click() {
  local up id width
  mapfile -t up < <(small_windows)
  kind=small-none
  ((${#up[@]})) || return 0
  read -r id width <<<"${up[RANDOM % ${#up[@]}]}"
  xdotool windowraise "$id"
  case $width in
    392) kind=small-list; xdotool mousemove --window "$id" 323 243 click 1 ;;
    219) kind=small-entry; xdotool mousemove --window "$id" $(pick "145 103" "107 61") click 1 ;;
    250) kind=small-reset; xdotool mousemove --window "$id" $(pick "76 92" "175 92") click 1 ;;
  esac
}
name_chars=(a b c x y z Ä ö ü ß é € 0 7 ' ' - _ . '|')
typed() {
  local text="" n
  for n in $(seq $((1 + RANDOM % 25))); do text+=${name_chars[RANDOM % ${#name_chars[@]}]}; done
  printf %s "$text"
}
# Neither Tab, arrows nor a blank outside the name box: they would walk the focus to "&Exit" and
# press it.
keys=(alt+s alt+p alt+o alt+b alt+w alt+i alt+h alt+r alt+g alt+y alt+n ctrl+k Return Escape)
# Anywhere in the main window but the "&Exit" button (635,538 130x22).
anywhere() {
  local x y
  while :; do
    x=$((RANDOM % 800)) y=$((RANDOM % 600))
    ((x >= 630 && x < 770 && y >= 533 && y < 565)) || break
  done
  echo $((X + x)) $((Y + y))
}

xdotool mousemove --sync $((X + 700)) $((Y + 306)) click 1  # "&Start"
count=0 end=$((SECONDS + seconds))
declare -A done_by
while ((SECONDS < end && count < actions)); do
  ((count++))
  r=$((RANDOM % 100))
  if ((r < 20)); then kind=click; xdotool mousemove $(square) click 1
  elif ((r < 30)); then kind=sweep  # a click on each square of a row: a move for each coloured one
    clicks=() row=$((RANDOM % 9))
    for n in $(seq $((9 * row)) $((9 * row + 8))); do clicks+=(mousemove $(at "$n") click 1); done
    xdotool "${clicks[@]}"
  elif ((r < 50)); then kind=drag
    xdotool mousemove $(square) mousedown 1 sleep 0.02 mousemove $(square) sleep 0.02 \
      mousemove $(square) sleep 0.02 mouseup 1
  elif ((r < 62)); then kind=button; xdotool mousemove $(button) click 1
  elif ((r < 74)); then small_click
  elif ((r < 82)); then kind=type-none
    if read -r id _ < <(small_windows | grep ' 219$'); then
      kind=type; xdotool windowfocus "$id"
      typed | LC_ALL=C.UTF-8 xdotool type --delay 5 --file -
    fi
  elif ((r < 94)); then kind=key; xdotool key "$(pick "${keys[@]}")"
  else kind=anywhere; xdotool mousemove $(anywhere) click 1
  fi
  done_by[$kind]=$((${done_by[$kind]:-0} + 1))
  kill -0 "$game" 2>/dev/null || fail "kaldora died after $count actions, the last a $kind"
done
summary="$count actions in $SECONDS s:"
for kind in "${!done_by[@]}"; do summary+=" $kind ${done_by[$kind]}"; done

# It still answers: the list hidden by its "&Go On" and shown by "Show &Highscore", each within a
# second.
visible_list() { xdotool search --onlyvisible --name '^Highscore$' 2>/dev/null | head -1; }
within_a_second() {
  for _ in $(seq 20); do eval "$1" && return; sleep 0.05; done
  fail "no answer within a second: $1 ($summary)"
}
list=$(visible_list)
if [ -n "$list" ]; then
  xdotool windowraise "$list" mousemove --window "$list" --sync 323 243 click 1
  within_a_second '[ -z "$(visible_list)" ]'
fi
xdotool mousemove --sync $((X + 700)) $((Y + 468)) click 1
within_a_second '[ -n "$(visible_list)" ]'

exit_game
! grep -E 'Sanitizer|runtime error' "$work/game.log" || fail "a sanitizer report"
if ! cmp -s P1.dat "$work/before"; then
  [ "$(stat -c %s P1.dat)" -eq 429 ] || fail "P1.dat holds $(stat -c %s P1.dat) bytes"
  mapfile -t record < <(od -An -v -tx1 -w39 P1.dat | sed 's/^ //')
  last=32767
  for n in "${!record[@]}"; do
    points=$((16#${record[n]:3:2}${record[n]:0:2}))
    ((points > 32767)) && ((points -= 65536))
    ((points <= last)) || fail "record $((n + 1)) has $points points, more than the one before"
    [[ ${record[n]:6} != *00* ]] || fail "record $((n + 1)) has a zero byte: ${record[n]}"
    last=$points
  done
  summary+="; P1.dat rewritten, rank 11 has $last points"
fi
echo "ok: $summary"
