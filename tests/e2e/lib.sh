# What the end-to-end tests share, sourced first: their own X server, a fresh working directory
# ($work/run, made the current one), and the removal of all of it, and of the game, at the end.
set -u
for tool in Xvfb xdotool import convert xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d) xvfb="" wm="" game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null && wait "$game" 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
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

# Waits up to five seconds for the main window of the game $game (or of the process $1), and as
# long again for its first frame: win, and its client area X, Y, WIDTH, HEIGHT.
wait_for_window() {
  for _ in $(seq 100); do
    win=$(xdotool search --all --onlyvisible --pid "${1:-$game}" --class '^kaldora$' 2>/dev/null |
      head -1)
    [ -n "$win" ] && break
    sleep 0.05
  done
  [ -n "$win" ] || fail "no kaldora window"
  # The window is mapped before its first frame is painted; that frame shows square 0 free. (A
  # window manager that tells no frame beforehand sees the window centred again once framed.)
  local x y
  for _ in $(seq 100); do
    read -r X Y WIDTH HEIGHT < <(geometry "$win")
    read -r x y < <(at 0)
    import -window root -crop "1x1+$x+$y" +repage "$work/first.png" &&
      [ "$(convert "$work/first.png" -format "$(px 0 0)" info:)" = "$free" ] && return
    sleep 0.05
  done
  fail "the window shows no board"
}

# The client area of window $1 on the screen: left, top, width, height. (xdotool's own answer is
# off by the frame under a window manager that reparents.)
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

# Starts the game $1, with the environment's assignments that follow, and waits for its main window.
# Unless they say otherwise, the game speaks the design's English, whatever the tester's locale.
start_game() {
  env LC_ALL=C.UTF-8 LANGUAGE= "${@:2}" "$1" >"$work/game.log" 2>&1 &
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

# A window manager with its stock settings, for the tests where frames and stacking matter:
# openbox (the default), mutter (GNOME's, on X11) or kwin (KDE's, on X11, with its Breeze frames).
# Their settings and caches lie in the test's folder; mutter and KWin need the session bus of
# start_buses.
start_window_manager() {
  local name=${1:-openbox} command=()
  case "$name" in
    openbox) command=(openbox --sm-disable) ;;
    mutter) command=(mutter --x11 --replace --sm-disable) ;;
    kwin) command=(kwin_x11 --replace) ;;
  esac
  command -v "${command[0]}" >/dev/null || { echo "skipped: $name is not installed"; exit 77; }
  XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
    GSETTINGS_BACKEND=memory "${command[@]}" >"$work/wm.log" 2>&1 &
  wm=$!
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.05
  done
  fail "$name did not start: $(cat "$work/wm.log")"
}

# Waits up to five seconds for window $1 ($2 in messages) to be framed, with its frame in the
# middle of the screen; for the main window, X and Y are then where its client area settled.
centred() {
  local x y w h l r t b dx dy screen_w screen_h
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  for _ in $(seq 100); do
    read -r x y w h < <(geometry "$1")
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    if [ -n "$b" ] && ((t > 0)); then
      dx=$((x - l - (screen_w - w - l - r) / 2)) dy=$((y - t - (screen_h - h - t - b) / 2))
      if ((dx * dx <= 1 && dy * dy <= 1)); then
        [ "$1" = "$win" ] && X=$x Y=$y
        return
      fi
    fi
    sleep 0.05
  done
  [ -n "$b" ] && ((t > 0)) || fail "$2 has no frame: $(xprop -id "$1" _NET_FRAME_EXTENTS)"
  fail "$2: frame of $((w + l + r)) x $((h + t + b)) at $((x - l)),$((y - t)) on $screen_w x $screen_h"
}

# Whether the window manager stacks window $1 above the main window $win.
above() {
  local main small stack=() n
  main=$(printf '0x%x' "$win") small=$(printf '0x%x' "$1")
  read -ra stack < <(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
  for n in "${!stack[@]}"; do [ "${stack[n]}" = "$main" ] && break; done
  [[ " ${stack[*]:n} " == *" $small "* ]]
}

# A pixel of a screenshot as r,g,b, in convert's -format.
px() { echo "%[fx:int(255*p{$1,$2}.r+.5)],%[fx:int(255*p{$1,$2}.g+.5)],%[fx:int(255*p{$1,$2}.b+.5)]"; }
free="230,255,230" stone="0,0,0"  # a blackstone's centre cell is black

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
    for n in "${!shown[@]}"; do
      [ "${shown[n]}" != "$free" ] && [ "${shown[n]}" != "$stone" ] && coloured+=("$n")
    done
    [ "${#coloured[@]}" -ge "$1" ] && return
    sleep 0.1
  done
}

# "&Start", then clicks on the squares of the game $1 (a process id), row by row, until the game
# ends and its name entry opens: each click on a coloured square is a refused move that brings
# three new squares. entry is then the name entry.
play_to_entry() {
  local round row n clicks
  xdotool mousemove --sync $((X + 700)) $((Y + 306)) click 1  # "&Start"
  sleep 0.2
  entry=""
  for round in $(seq 30); do
    for row in $(seq 0 8); do
      clicks=()
      for n in $(seq $((9 * row)) $((9 * row + 8))); do
        clicks+=(mousemove $(at "$n") mousedown 1 mouseup 1)
      done
      xdotool "${clicks[@]}"
      entry=$(xdotool search --all --onlyvisible --pid "$1" --name '^Spielername$' 2>/dev/null | head -1)
      [ -n "$entry" ] && return
    done
  done
  fail "no name entry of $1 after $round rounds of clicks"
}

# A session bus and an accessibility bus of the test's own, in $XDG_RUNTIME_DIR, which the test has
# made; stop_buses ends them. The accessibility bus is started here rather than by the session bus,
# so that it ends with the test.
bus="" a11y=""
start_buses() {
  dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>"$work/bus.log" &
  bus=$!
  for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.05; done
  [ -s "$work/bus" ] || fail "no session bus: $(cat "$work/bus.log")"
  DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
  export DBUS_SESSION_BUS_ADDRESS
  /usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/a11y.log" &
  a11y=$!
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      >/dev/null 2>&1 && return
    sleep 0.05
  done
  fail "no accessibility bus: $(cat "$work/a11y.log")"
}
stop_buses() {
  [ -n "$a11y" ] && kill "$a11y" 2>/dev/null && wait "$a11y" 2>/dev/null
  [ -n "$bus" ] && kill "$bus" 2>/dev/null && wait "$bus" 2>/dev/null
}
