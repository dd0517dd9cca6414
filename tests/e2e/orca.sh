#!/bin/bash
# The real game under Debian's Orca with its default settings, played by keyboard alone: its own X
# server, openbox, session bus, accessibility bus and speech-dispatcher (speaking into libao's null
# driver), and Orca's debug log, whose "SPEECH OUTPUT" lines are exactly what it says.
#   orca.sh KALDORA [LANGUAGE]   LANGUAGE: en (the default) or de
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
language=${2:-en}
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-daemon dbus-send "$launcher" orca speech-dispatcher script; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

# Orca runs once per user: beside a screen reader the tester uses, this test cannot run. The Orca
# of the other language's run may still be shutting down.
for _ in $(seq 300); do pgrep -u "$(id -u)" -x orca >/dev/null || break; sleep 0.1; done
pgrep -u "$(id -u)" -x orca >/dev/null && { echo "skipped: Orca runs already for this user"; exit 77; }
orca="" speechd_pid=/nonexistent
stop_session() {
  # Orca itself, the child of script's terminal, gone before the next test's Orca starts: Orca
  # refuses to run beside another of the same user.
  if [ -n "$orca" ]; then
    local screen_reader
    screen_reader=$(pgrep -P "$orca" -x orca)
    [ -n "$screen_reader" ] && kill "$screen_reader" 2>/dev/null
    for _ in $(seq 200); do
      [ -n "$screen_reader" ] && kill -0 "$screen_reader" 2>/dev/null || break
      sleep 0.05
    done
    [ -n "$screen_reader" ] && kill -KILL "$screen_reader" 2>/dev/null
    kill "$orca" 2>/dev/null
    wait "$orca" 2>/dev/null
  fi
  [ -s "$speechd_pid" ] && kill "$(cat "$speechd_pid")" 2>/dev/null
  stop_buses
  cleanup
}
trap stop_session EXIT

# A home of its own: Orca and speech-dispatcher start from their default settings.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
start_buses
start_window_manager

# Speech into the null driver. Orca starts speech-dispatcher itself, as on a desktop; its pid file
# and socket lie in the private runtime folder, so that the test ends this one and no other.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AudioLibAOOutput "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
speechd_pid="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"

case "$language" in
  # A German locale of the test's own, as a German desktop has one: without it the C library
  # speaks English, and Orca reads the role names of AT-SPI ("push button") in English.
  de)
    mkdir "$work/locale"
    localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8" 2>"$work/localedef.log" ||
      fail "no German locale: $(cat "$work/localedef.log")"
    locale=(LOCPATH="$work/locale" LANG=de_DE.UTF-8 LANGUAGE=de LC_ALL=)
    ;;
  *) locale=(LANG=C.UTF-8 LANGUAGE= LC_ALL=) ;;
esac
# Orca buffers its debug file unless it is a terminal: a terminal of script's, flushed as it goes.
env "${locale[@]}" script --quiet --flush --command "orca --debug-file=/dev/tty" \
  "$work/orca.debug" </dev/null >"$work/orca.log" 2>&1 &
orca=$!
for _ in $(seq 600); do grep -q "SPEECH OUTPUT" "$work/orca.debug" 2>/dev/null && break; sleep 0.05; done
grep -q "SPEECH OUTPUT" "$work/orca.debug" 2>/dev/null || fail "Orca said nothing: $(cat "$work/orca.log")"

# Ten records of -1 points: any score at the end of the game is a new highscore.
for _ in $(seq 10); do printf '\xff\xff%37s' ''; done >P1.dat
env "${locale[@]}" QT_QPA_PLATFORM=xcb "$1" >"$work/game.log" 2>&1 &
game=$!
wait_for_window
/usr/bin/python3 "$here/orca_speech.py" "$work/orca.debug" "$language" ||
  fail "what Orca says"
exit_game
