#!/bin/bash
# Started with no display, or with one whose server is gone: one line on standard error that says
# so, and status 1.
game=$1 work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() { echo "FAIL: $*"; exit 1; }
gone=$(($(ls /tmp/.X11-unix 2>/dev/null | tr -dc '0-9\n' | sort -n | tail -1) + 100))
for row in "no DISPLAY" "DISPLAY=:$gone, no server"; do
  if [ "$row" = "no DISPLAY" ]; then
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$game" 2>"$work/err" >/dev/null
  else
    env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=":$gone" "$game" 2>"$work/err" >/dev/null
  fi
  status=$?
  [ "$status" -eq 1 ] || fail "$row: status $status"
  lines=$(grep -vc '^QStandardPaths: XDG_RUNTIME_DIR' "$work/err")
  [ "$lines" -eq 1 ] && grep -q '^kaldora: no display could be opened' "$work/err" ||
    fail "$row: said $(cat "$work/err")"
done
echo "ok: no display, status 1 and one line"
