#!/bin/bash
# The real game under its own X server: Start, one drag with the mouse, Exit, checked from screenshots.
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

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
mkdir "$work/run" && cd "$work/run" || fail "no working directory"
"$1" >"$work/game.log" 2>&1 &
game=$!
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --class '^kaldora$' 2>/dev/null | head -1)
  [ -n "$win" ] && break
  sleep 0.05
done
[ -n "$win" ] || fail "no kaldora window"
eval "$(xdotool getwindowgeometry --shell "$win")"
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
[ "$WIDTH x $HEIGHT at $X,$Y" = "800 x 600 at $(((screen_w - 800) / 2)),$(((screen_h - 600) / 2))" ] ||
  fail "client area $WIDTH x $HEIGHT at $X,$Y is not 800 x 600, centred"

at() { echo $((X + 68 + 63 * ($1 % 9))) $((Y + 48 + 63 * ($1 / 9))); }  # centre of square n
px() { echo "%[fx:int(255*p{$1,$2}.r+.5)],%[fx:int(255*p{$1,$2}.g+.5)],%[fx:int(255*p{$1,$2}.b+.5)]"; }
free="230,255,230"

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

# Screenshots until at least $1 squares are coloured, or two seconds have passed: shown[n] is the
# centre of square n as r,g,b, coloured the indices of the squares that are not free.
shoot() {
  local format="" n
  for n in $(seq 0 80); do
    read -r x y < <(at "$n")
    format+="$(px "$x" "$y")\n"
  done
  for _ in $(seq 20); do
    import -window root "$work/shot.png" && mapfile -t shown < <(convert "$work/shot.png" -format "$format" info:)
    coloured=()
    for n in "${!shown[@]}"; do [ "${shown[n]}" != "$free" ] && coloured+=("$n"); done
    [ "${#coloured[@]}" -ge "$1" ] && return
    sleep 0.1
  done
}

xdotool mousemove --sync $((X + 700)) $((Y + 306)) click 1  # "&Start"
shoot 3
[ "${#coloured[@]}" -eq 3 ] || fail "Start gave ${#coloured[@]} coloured squares"
source=${coloured[0]} colour=${shown[coloured[0]]}
for target in "${!shown[@]}"; do [ "${shown[target]}" = "$free" ] && break; done
xdotool mousemove --sync $(at "$source") mousedown 1 sleep 0.1 \
  mousemove --sync $(at $(((source + target) / 2))) sleep 0.1 mousemove --sync $(at "$target") \
  sleep 0.1 mouseup 1
shoot 6
[ "${shown[target]}" = "$colour" ] || fail "target $target shows ${shown[target]}, not $colour"
# Six, not seven, proves the source was vacated; one of the new squares may still land on it.
[ "${#coloured[@]}" -eq 6 ] || fail "${#coloured[@]} coloured squares after a move that made no row"
[ "${shown[source]}" = "$free" ] || echo "note: a new square landed on the vacated square $source"

for prop in WM_NAME _NET_WM_NAME; do
  value=$(xprop -id "$win" "$prop")
  [[ $value =~ \ =\ (\"\")?$ || $value == *"not found"* ]] || fail "title held by X: $value"
done
[[ $(xprop -id "$win" WM_CLASS) == *'"kaldora"'* ]] || fail "WM_CLASS does not name kaldora"

xdotool mousemove --sync $((X + 700)) $((Y + 549)) click 1  # "&Exit"
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
wait "$game"
status=$? game=""
[ "$status" -eq 0 ] || fail "kaldora ended with status $status"
echo "ok: square $source ($colour) dragged onto $target"
