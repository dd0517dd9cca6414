#!/bin/bash
# The real game killed before each of its writes to "P1.dat" and before its rename, after a real
# "&Go On": the list is then the old one or the whole new one, never torn, and a symbolic link to
# it, its mode and its folder stay as they were. Then two copies of the game store at once and both
# entries are kept. A list that cannot be saved is shown all the same, with one line on standard
# error that says why. Last, a logout during the name entry keeps the entry.
#   highscore_kill.sh KALDORA SHIM
source "$(dirname "$0")/lib.sh"
shim=$2
export ASAN_OPTIONS=verify_asan_link_order=0:${ASAN_OPTIONS:-}
# Ten entries of -1 points, so that every game qualifies; the list lies in a folder of its own.
mkdir store
for n in $(seq 10); do printf '\xff\xffOld %-16s%17s' "$n" "$n.$n.26 10:00:00"; done >"$work/old"
restore() {
  rm -rf store/* store/.[!.]* && cp "$work/old" store/P1.dat && chmod 0604 store/P1.dat &&
    ln -sfn store/P1.dat P1.dat
}

type_name() {
  [ "$(xdotool getwindowfocus)" = "$1" ] || xdotool windowfocus --sync "$1"
  xdotool type --delay 20 "$2"
}
field() { printf '%-20s' "$1"; }  # a name as its record holds it
is_new() {  # P1.dat holds the new entry named $1 as rank 1 above the ten old ones
  [ "$(stat -L -c %s P1.dat)" -eq 429 ] && [ "$(head -c 22 P1.dat | tail -c 20)" = "$(field "$1")" ] &&
    cmp -s <(tail -c 390 P1.dat) "$work/old"
}

table="" torn=0 survived=""
for k in $(seq 1 30); do
  restore
  start_game "$1" LD_PRELOAD="$shim" KALDORA_KILL_AT="$k"
  play_to_entry "$game"
  type_name "$entry" "Kill $k"
  xdotool mousemove --window "$entry" --sync 145 103 click 1  # its "&Go On"
  for _ in $(seq 100); do
    kill -0 "$game" 2>/dev/null || break
    xdotool search --all --onlyvisible --pid "$game" --name '^Highscore$' >/dev/null 2>&1 && break
    sleep 0.05
  done
  if kill -0 "$game" 2>/dev/null; then
    state=none
    is_new "Kill $k" && state=new
    [ "$state" = new ] || fail "not killed before write $k, and P1.dat does not hold the new list"
    exit_game
    survived=$k
  else
    wait "$game"
    game=""
    if cmp -s P1.dat "$work/old"; then state=old
    elif is_new "Kill $k"; then state=new
    else state=torn; torn=$((torn + 1)); cp P1.dat "$work/torn.$k"
    fi
  fi
  [ "$(readlink P1.dat)" = store/P1.dat ] || fail "after write $k P1.dat is no longer the link"
  [ "$(stat -c %a store/P1.dat)" = 604 ] || fail "after write $k the mode is $(stat -c %a store/P1.dat)"
  table+=" $k:$state"
  [ -n "$survived" ] && break
done
echo "kill before write: $table"
[ -n "$survived" ] || fail "the game was killed at every one of 30 writes"
((torn == 0)) || fail "$torn torn lists"
[ -z "$(ls -A store | grep -v '^P1.dat$')" ] || fail "left beside the list: $(ls -A store)"

# Two copies, both with a name entry up, each held back 2 s before each write and its rename, as
# on slow storage: "&Go On" in both within a few milliseconds. Without a lock each would rank the
# same old list; the second waits for the first, 4 s and more, and must keep both entries, even
# when a logout ends it while it waits.
restore
games=() entries=()
for name in Anna Bert; do
  start_game "$1" LD_PRELOAD="$shim" KALDORA_WRITE_DELAY_MS=2000
  mv "$work/game.log" "$work/game.$name.log"  # the copy writes on into it
  # The first copy's name entry is a kaldora window too: this copy's main window is wanted.
  for _ in $(seq 100); do
    for win in $(xdotool search --onlyvisible --class '^kaldora$' 2>/dev/null); do
      read -r X Y WIDTH HEIGHT < <(geometry "$win")
      ((WIDTH == 800)) && break 2
    done
    sleep 0.05
  done
  play_to_entry "$game"
  type_name "$entry" "$name"
  games+=("$game") entries+=("$entry")
  # The next copy's windows come up where these are.
  if [ "$name" = Anna ]; then
    xdotool windowunmap --sync "$win"
    xdotool windowmove --sync "$entry" 805 632  # clear of the next copy's board and its Start
  fi
done
xdotool mousemove --window "${entries[0]}" 145 103 click 1 mousemove --window "${entries[1]}" 145 103 click 1
sleep 0.5
kill -TERM "${games[1]}"  # a logout while Bert's copy waits for Anna's save
listed=no
for _ in $(seq 400); do
  xdotool search --all --onlyvisible --pid "${games[0]}" --name '^Highscore$' >/dev/null 2>&1 &&
    listed=yes && break
  sleep 0.05
done
kill "${games[0]}"; wait "${games[0]}" 2>/dev/null
wait "${games[1]}"
status=$?
game=""
((status == 143)) || fail "SIGTERM while Bert's copy waited to store: status $status"
names=$(od -An -v -c -w39 P1.dat | cut -c 9-80 | tr -d ' ' | head -3 | tr '\n' ' ')
for name in Anna Bert; do
  grep -q "$(field "$name")" P1.dat || fail "the entry of $name is lost: records start $names;" \
    "Anna's copy showed its list within 20 s: $listed; the copies said:" \
    "$(cat "$work/game.Anna.log" "$work/game.Bert.log")"
done
cmp -s <(tail -c 351 P1.dat) <(head -c 351 "$work/old") || fail "the old entries did not move down by two"

# The list's folder goes while the game runs (with it, the game's score of 0 still qualifies).
restore
start_game "$1"
play_to_entry "$game"
type_name "$entry" "Nowhere"
ln -sfn missing/P1.dat P1.dat
xdotool mousemove --window "$entry" --sync 145 103 click 1
list=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$game" --name '^Highscore$' | head -1)
[ -n "$list" ] || fail "no highscore window for a list that cannot be saved"
exit_game
said=$(grep -v '^QStandardPaths' "$work/game.log")
[ "$said" = "kaldora: the highscore list could not be saved: P1.dat: No such file or directory" ] ||
  fail "a list that could not be saved, and the game said: $said"
# The session ends the game while the name entry is open: the entry is stored with the name typed
# so far, and the game ends as the signal ends it.
for signal in TERM HUP; do
  restore
  start_game "$1"
  play_to_entry "$game"
  type_name "$entry" "Logout $signal"
  kill -s "$signal" "$game"
  wait "$game"
  status=$?
  game=""
  ((status == 128 + $(kill -l "$signal"))) || fail "SIG$signal in the name entry: status $status"
  grep -q "$(field "Logout $signal")" P1.dat || fail "SIG$signal in the name entry lost the entry"
done
echo "ok: $table; two copies storing at once kept both entries; an unsaved list said so;" \
  "SIGTERM and SIGHUP in the name entry stored it"
