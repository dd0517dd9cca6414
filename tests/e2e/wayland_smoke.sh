#!/usr/bin/env bash
# The game started natively on Wayland, under a headless weston of the test's own with no X server
# anywhere: its window appears and the board's free squares are drawn. wayland_smoke.sh KALDORA
set -u
kaldora=$(readlink -f "$1")
for tool in weston weston-screenshooter convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
dir=$(mktemp -d) weston="" game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null && wait "$game" 2>/dev/null
  [ -n "$weston" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$dir/game.log" "$dir/weston.log" 2>/dev/null; exit 1; }

# Nothing of the machine's own session is reached: a runtime folder of the test's own, no X.
export XDG_RUNTIME_DIR=$dir/run WAYLAND_DISPLAY=wayland-kaldora
unset DISPLAY
mkdir -m 700 "$XDG_RUNTIME_DIR" "$dir/game" "$dir/shots"
# The pixman renderer, unlike the headless default, renders, so the screenshooter (allowed to any
# client by --debug) sees what the game drew. (Under weston 10's kiosk shell it sees black.)
weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 \
  --socket="$WAYLAND_DISPLAY" --width=1280 --height=1024 >"$dir/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.05; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston did not start"

(cd "$dir/game" && exec env QT_QPA_PLATFORM=wayland "$kaldora") >"$dir/game.log" 2>&1 &
game=$!

# The free squares are RGB(230,255,230): the 81 squares of the board cover some 300 000 pixels;
# the tree's canvas, the only other thing of that colour, about 22 000.
free=0
for _ in $(seq 50); do
  kill -0 "$game" 2>/dev/null || { wait "$game"; fail "kaldora ended with status $?"; }
  rm -f "$dir"/shots/*.png
  (cd "$dir/shots" && weston-screenshooter >/dev/null 2>&1)
  shot=$(ls "$dir"/shots/*.png 2>/dev/null | head -1)
  if [ -n "$shot" ]; then
    free=$(convert "$shot" -fill black +opaque 'rgb(230,255,230)' -fill white -opaque \
      'rgb(230,255,230)' -format '%[fx:int(mean*w*h+0.5)]' info:)
    ((free > 200000)) && break
  fi
  sleep 0.2
done
((free > 200000)) || fail "the board was not drawn: $free pixels of the free squares' colour"
grep -q 'xcb' "$dir/game.log" && fail "the game reached for X"
echo "ok: drawn natively on Wayland, $free pixels of free squares"
