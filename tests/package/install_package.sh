#!/bin/bash
# The Debian package as a player gets it: built by cpack, installed with apt, valid desktop and
# AppStream files, started from the desktop entry by a fresh user, whose data folder then holds
# the highscore file and a way to the sounds; removed again at the end.
build=$1
source "$(dirname "$0")/../e2e/lib.sh"
[ "$(id -u)" -eq 0 ] || { echo "skipped: installing a package needs root"; exit 77; }
player=kaldora-player-$$
uninstall() {
  [ -n "$game" ] && kill "$game" 2>/dev/null
  game=""
  userdel -r "$player" >/dev/null 2>&1
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq kaldora >/dev/null 2>&1
  cleanup
}
trap uninstall EXIT

(cd "$build" && rm -f kaldora_*.deb && cpack -G DEB >"$work/cpack.log" 2>&1) ||
  fail "cpack: $(tail -5 "$work/cpack.log")"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(ls "$build"/kaldora_*.deb)" >"$work/apt.log" 2>&1 ||
  fail "apt-get install: $(tail -5 "$work/apt.log")"
desktop-file-validate /usr/share/applications/kaldora.desktop || fail "desktop entry not valid"
appstreamcli validate --no-net /usr/share/metainfo/org.kaldora.Kaldora.metainfo.xml >/dev/null ||
  fail "AppStream metadata not valid"
for icon in scalable/apps/kaldora.svg 256x256/apps/kaldora.png 48x48/apps/kaldora.png; do
  [ -s "/usr/share/icons/hicolor/$icon" ] || fail "no icon $icon"
done
[ -s /usr/share/man/man6/kaldora.6 ] || fail "no man page"

useradd -m "$player" || fail "no user $player"
home=$(getent passwd "$player" | cut -d: -f6)
command=$(sed -n 's/^Exec=//p' /usr/share/applications/kaldora.desktop)
# Started from where the menu happens to start it: somewhere the player may not write.
(cd / && runuser -u "$player" -- env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin \
  sh -c "$command" >"$work/game.log" 2>&1) &
game=$!
wait_for_window
data="$home/.local/share/kaldora"
[ -f "$data/P1.dat" ] || fail "no P1.dat in $data"
[ -f "$data/sounds/sound1.wav" ] || fail "sounds do not reach the installed ones from $data"
[ "$(stat -c %U "$data/P1.dat")" = "$player" ] || fail "P1.dat does not belong to the player"
[ ! -e /P1.dat ] || fail "P1.dat was written where the menu started the game"
echo "ok: installed, started by $player, highscore in $data"
