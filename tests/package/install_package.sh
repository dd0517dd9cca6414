#!/bin/bash
# The Debian package as a player gets it: built by cpack, installed with apt, valid desktop and
# AppStream files, typed as the command kaldora (which the menu entry runs) by a fresh user in a
# folder of their own, whose data folder then holds the highscore file and a way to the sounds;
# removed again at the end.
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
for icon in scalable/apps/kaldora.svg {16x16,32x32,48x48,64x64,128x128,256x256}/apps/kaldora.png; do
  [ -s "/usr/share/icons/hicolor/$icon" ] || fail "no icon $icon"
done
[ -s /usr/share/man/man6/kaldora.6.gz ] || fail "no man page"
[ -x /usr/lib/games/kaldora/kaldora ] || fail "no bare program where the man page says"
[ -f /usr/lib/games/kaldora/kaldora-sound.so ] || fail "no sound module beside the bare program"

useradd -m "$player" || fail "no user $player"
home=$(getent passwd "$player" | cut -d: -f6)
# The menu entry runs the command a player types: kaldora on a player's PATH.
path=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
command=$(sed -n 's/^Exec=//p' /usr/share/applications/kaldora.desktop)
[ "$command" = "$(PATH=$path command -v kaldora)" ] ||
  fail "the menu entry runs $command, not the command kaldora"
# Typed in a terminal whose folder the player may write: the list goes to the data folder all
# the same.
(cd "$home" && runuser -u "$player" -- env -i HOME="$home" DISPLAY="$DISPLAY" PATH="$path" \
  sh -c kaldora >"$work/game.log" 2>&1) &
game=$!
for _ in $(seq 100); do
  started=$(pgrep -u "$player" -x kaldora) && break
  sleep 0.05
done
wait_for_window "$started"
data="$home/.local/share/kaldora"
[ -f "$data/P1.dat" ] || fail "no P1.dat in $data"
[ -f "$data/sounds/sound1.wav" ] || fail "sounds do not reach the installed ones from $data"
[ "$(stat -c %U "$data/P1.dat")" = "$player" ] || fail "P1.dat does not belong to the player"
[ ! -e "$home/P1.dat" ] || fail "P1.dat was written in the terminal's folder"
echo "ok: installed, started by $player, highscore in $data"
