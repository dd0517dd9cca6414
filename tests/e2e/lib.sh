# What the end-to-end tests share, sourced first: their own X server, a fresh working directory
# ($work/run, made the current one), and the removal of all of it, and of the game, at the end.
set -u
for tool in Xvfb xdotool import convert xprop; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d) xvfb="" game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null && wait "$game" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$work/game.log" 2>/dev/null; exit 1; }

# No reset when the last client leaves: a game started during the reset could not connect.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
mkdir "$work/run" && cd "$work/run" || fail "no working directory"

# Waits up to five seconds for the game's main window: win, and its client area X, Y, WIDTH, HEIGHT.
wait_for_window() {
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --class '^kaldora$' 2>/dev/null | head -1)
    [ -n "$win" ] && break
    sleep 0.05
  done
  [ -n "$win" ] || fail "no kaldora window"
  eval "$(xdotool getwindowgeometry --shell "$win")"
}

# Starts the game $1 and waits for its main window.
start_game() {
  "$1" >"$work/game.log" 2>&1 &
  game=$!
  wait_for_window
}

# A click on "&Exit", which must end the game with status 0.
exit_game() {
  xdotool mousemove --sync $((X + 700)) $((Y + 549)) click 1
  for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
  wait "$game"
  local status=$?
  game=""
  [ "$status" -eq 0 ] || fail "kaldora ended with status $status"
}

at() { echo $((X + 68 + 63 * ($1 % 9))) $((Y + 48 + 63 * ($1 / 9))); }  # centre of square n
