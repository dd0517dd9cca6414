#!/bin/bash
# The command kaldora starts the game whatever becomes of its data folder: in the folder where the
# base-directory rules put it, and where that cannot be made, in a folder of its own for the one
# run, with one line on standard error that says the list will not be kept and why.
#   launcher.sh KALDORA LAUNCHER_TEMPLATE SOUNDS
source "$(dirname "$0")/lib.sh"
sed "s|@KALDORA_SOUNDS_DIR@|$3|; s|@KALDORA_BINARY@|$1|" "$2" >"$work/kaldora"
chmod +x "$work/kaldora"
mkdir "$work/home" "$work/elsewhere"

# Starts the launcher with the environment's assignments $@, from $work/elsewhere, and waits for
# the game's window; then "&Exit" ends the game, and the launcher with it. said is what they said.
launch() {
  (cd "$work/elsewhere" && exec env -u HOME -u XDG_DATA_HOME TMPDIR="$work" "$@" \
    "$work/kaldora") >"$work/out" 2>"$work/err" &
  local launcher=$! shown=""
  for _ in $(seq 100); do
    shown=$(xdotool search --onlyvisible --class '^kaldora$' 2>/dev/null | head -1)
    [ -n "$shown" ] && break
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.05
  done
  [ -n "$shown" ] || { wait "$launcher"; fail "no window with $*: status $?, said $(cat "$work/err")"; }
  wait_for_window "$(xdotool getwindowpid "$shown")"  # its first frame
  xdotool mousemove --sync $((X + 700)) $((Y + 549)) click 1  # "&Exit"
  wait "$launcher" || fail "the game ended with status $? with $*"
  said=$(grep -v '^QStandardPaths' "$work/err")
}

launch HOME="$work/home" XDG_DATA_HOME=relative/data
[ -f "$work/home/.local/share/kaldora/P1.dat" ] || fail "a relative XDG_DATA_HOME was not ignored"
[ -z "$said" ] || fail "the launcher said: $said"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote where it was started: $(ls -A "$work/elsewhere")"

touch "$work/file"
for case in "XDG_DATA_HOME=$work/file/data" "HOME=$work/file"; do
  launch "$case"
  [[ $said == "kaldora: the highscore list will not be kept: "*"Not a directory" ]] ||
    fail "with $case the launcher said: $said"
  [ -z "$(ls -A "$work/elsewhere")" ] || fail "with $case the game wrote where it was started"
done
launch
[ "$said" = "kaldora: the highscore list will not be kept: neither XDG_DATA_HOME nor HOME names a folder" ] ||
  fail "without HOME the launcher said: $said"
[ -z "$(ls -d "$work"/kaldora.* 2>/dev/null)" ] || fail "the run's own folder was left behind"
echo "ok: the game started in every case; $said"
