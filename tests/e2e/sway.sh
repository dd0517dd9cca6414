#!/usr/bin/env bash
# The small windows natively on Wayland, under a headless sway of the test's own: sway keeps no
# dialog above its main window, so once the main window has the focus the highscore list and the
# reset question lie behind it; their keys on the main window bring them back in front with the
# keyboard, in the same place every time, and every window has its title.
#   sway.sh KALDORA
set -u
for tool in sway swaymsg wtype python3 setpriv; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
dir=$(mktemp -d) sway="" game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null && wait "$game" 2>/dev/null
  [ -n "$sway" ] && kill "$sway" 2>/dev/null && wait "$sway" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$dir/game.log" "$dir/sway.log" 2>/dev/null; exit 1; }

# sway will not run as root: there the compositor, the game and its keys run as nobody, from
# folders nobody may use, and the game is copied where nobody may read it.
as=()
if [ "$(id -u)" -eq 0 ]; then
  as=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
  chmod 755 "$dir"
fi
mkdir "$dir/bin" "$dir/game" "$dir/home" && mkdir -m 700 "$dir/run"
cp "$1" "$dir/bin/kaldora"
[ -e "$(dirname "$1")/kaldora-sound.so" ] && cp "$(dirname "$1")/kaldora-sound.so" "$dir/bin/"
for _ in $(seq 10); do printf '\xff\xff%37s' ''; done >"$dir/game/P1.dat"
[ -n "${as[*]}" ] && chown -R nobody "$dir/game" "$dir/home" "$dir/run"
printf 'xwayland disable\n' >"$dir/sway.config"
export XDG_RUNTIME_DIR=$dir/run HOME=$dir/home
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK
"${as[@]}" env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$dir/sway.config" >"$dir/sway.log" 2>&1 &
sway=$!
for _ in $(seq 100); do
  SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -1)
  WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-* 2>/dev/null | grep -v lock | head -1)
  [ -n "$SWAYSOCK" ] && [ -n "$WAYLAND_DISPLAY" ] && break
  sleep 0.05
done
[ -n "$SWAYSOCK" ] && [ -n "$WAYLAND_DISPLAY" ] || fail "sway did not start"
export SWAYSOCK WAYLAND_DISPLAY

# In the sanitizer build: Qt's Wayland plugin leaves its objects to the end of the process and is
# unloaded before LeakSanitizer looks, so its leaks cannot be told from ours; the game's own are
# looked for under X11.
(cd "$dir/game" && exec "${as[@]}" env LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=wayland \
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$dir/bin/kaldora") \
  >"$dir/game.log" 2>&1 &
game=$!

# The floating windows of the workspace, bottom to top, one per line: title, focused, x y w h.
floating() {
  swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("type") == "workspace":
        for w in node["floating_nodes"]:
            r = w["rect"]
            print(w["name"], w["focused"], r["x"], r["y"], r["width"], r["height"], sep="\t")
    for child in node.get("nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
# wtype brings a keyboard of its own; the game must have taken it before the keys come.
keys() { "${as[@]}" wtype -s 300 "$@"; }
# Waits up to five seconds for the window titled $1 to lie on top with the keyboard; top is then
# what the top line says.
on_top() {
  for _ in $(seq 100); do
    top=$(floating | tail -1)
    [[ $top == "$1"$'\t'True$'\t'* ]] && return 0
    sleep 0.05
  done
  return 1
}
on_top KALDORA || fail "no main window: $(floating)"

# Shows the window titled $1 with Alt and its key $2 on the main window five times, each time
# after the main window took the focus and was raised above it, and closes it with the key $3;
# place is then where it lay.
behind_and_back() {
  local first n
  keys -M alt -k "$2" -m alt
  on_top "$1" || fail "Alt+$2 did not show '$1': $(floating)"
  first=$(cut -f 3- <<<"$top")
  for n in $(seq 5); do
    swaymsg -q '[title="^KALDORA$"] focus'
    on_top KALDORA || fail "the main window did not take the focus: $(floating)"
    keys -M alt -k "$2" -m alt
    on_top "$1" || fail "'$1' stayed behind the main window after Alt+$2 ($n): $(floating)"
    [ "$(cut -f 3- <<<"$top")" = "$first" ] || fail "'$1' came back at $(cut -f 3- <<<"$top"), not $first"
  done
  keys -k "$3"
  on_top KALDORA || fail "$3 did not close '$1': $(floating)"
  place="'$1' at $first"
}
behind_and_back Highscore h Escape
list=$place
behind_and_back "Reset Highscore" r Escape
question=$place
keys -M alt -k e -m alt  # "&Exit"
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
wait "$game"
status=$?
game=""
((status == 0)) || fail "kaldora ended with status $status"
echo "ok under sway: $list, $question, each brought back in front five times"
