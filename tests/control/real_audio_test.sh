#!/usr/bin/env bash
# The real sound backend, first with no server, then with a PulseAudio daemon of the test's own
# whose null sink is recorded: real_audio_test.sh PLAY_SOUND BUILD_FOLDER (which holds "sounds")
set -euo pipefail
player=$(readlink -f "$1") not_a_wave=$(readlink -f "$0")
cd "$2"
dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait || true; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; cat "$dir/daemon.log" 2>/dev/null || true; exit 1; }

# Nothing of the machine's own sound setup is reached or changed.
export XDG_RUNTIME_DIR=$dir/run HOME=$dir/home
unset PULSE_SERVER PULSE_RUNTIME_PATH DISPLAY
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"

# No server: every call returns at once and prints nothing, and the thread idles without CPU.
TIMEFORMAT='%U %S'
{ time "$player" '0:sounds\sound7.wav' '1:sounds\sound7.wav' '0:sounds\missing.wav' \
  '0:nowhere\sound1.wav' "0:$not_a_wave" >"$dir/none.txt" 2>"$dir/none.err"; } 2>"$dir/none.time"
read -r user system <"$dir/none.time"
echo "no server: blocked $(awk '$1 != "done" { printf "%s ", $1 }' "$dir/none.txt")ms," \
  "CPU ${user} s + ${system} s"
awk '$1 != "done" && $1 > 50 { exit 1 }' "$dir/none.txt" || fail "a call without server waited"
[ ! -s "$dir/none.err" ] || fail "printed: $(cat "$dir/none.err")"
awk -v u="$user" -v s="$system" 'BEGIN { exit !(u + s < 0.1) }' || fail "CPU while waiting"

# A PipeWire machine has no pulseaudio to start privately; tools/setup does not swap its sound server.
command -v pulseaudio >/dev/null || {
  echo "skipped: no pulseaudio to start a daemon of the test's own (PipeWire serves the sound here)"
  exit 77
}
cat >"$dir/default.pa" <<PA
load-module module-null-sink sink_name=check rate=44100 channels=2
load-module module-native-protocol-unix auth-anonymous=1
set-default-sink check
PA
pulseaudio --system=false -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  -F "$dir/default.pa" --log-target=file:"$dir/daemon.log" &
daemon=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null || fail "the daemon did not start"
# A sink started a moment ago records silence, and one without a stream of low latency renders
# in blocks of seconds.
sleep 1
pacat --raw --format=s16le --rate=44100 --channels=2 --latency-msec=20 /dev/zero 2>/dev/null &
sleep 1

# The largest sample of a raw recording: peak FILE
peak() {
  od -An -v -td2 -w2 "$1" | awk '{ v = $1 < 0 ? -$1 : $1 } v > m { m = v } END { print m + 0 }'
}
# Records the sink: record SECONDS FILE
record() {
  timeout "$1" parec -d check.monitor --raw --format=s16le --rate=44100 --channels=1 \
    --latency-msec=20 >"$2" || true
}
# Records from the moment the player has made all its calls: play_then_record SECONDS FILE ARG...
play_then_record() {
  local seconds=$1 out=$2
  shift 2
  "$player" "$@" | {
    while read -r line && [ "$line" != done ]; do :; done
    record "$seconds" "$out"
  }
}

# Without its sound module beside it the player is silent, server or not: every call returns at
# once, and one line on stderr says why.
mkdir "$dir/alone" && cp "$player" "$dir/alone/player"
record 1.5 "$dir/alone.raw" &
sleep 0.3
"$dir/alone/player" '0:sounds\sound4.wav' '0:sounds\sound1.wav' \
  >"$dir/alone.txt" 2>"$dir/alone.err" || fail "the player without its module failed"
wait $!
echo "without the module: blocked $(awk '$1 != "done" { printf "%s ", $1 }' "$dir/alone.txt")ms," \
  "peak $(peak "$dir/alone.raw"), said: $(cat "$dir/alone.err")"
awk '$1 != "done" && $1 > 50 { exit 1 }' "$dir/alone.txt" || fail "a call without the module waited"
[ "$(wc -l <"$dir/alone.err")" -eq 1 ] && grep -q kaldora-sound.so "$dir/alone.err" ||
  fail "without the module it said: $(cat "$dir/alone.err")"
(($(peak "$dir/alone.raw") < 100)) || fail "a sound was heard without the module"

# A synchronous sound blocks about as long as its clip, and is heard; a missing file gives at most
# a short beep. The server is named among addresses where none is, as PULSE_SERVER may name it.
record 4 "$dir/sync.raw" &
sleep 0.3
out=$(PULSE_SERVER="{0}unix:$dir/none unix:$XDG_RUNTIME_DIR/pulse/native $dir/none" \
  "$player" '0:sounds\sound4.wav' '0:sounds\missing.wav') || fail "the player failed"
wait $!
{ read -r blocked clip && read -r missing _; } <<<"$out"
echo "sound4 blocked ${blocked} ms for a clip of ${clip} ms, a missing file ${missing} ms;" \
  "peak $(peak "$dir/sync.raw")"
((blocked >= clip && blocked <= clip + 600)) || fail "sound4 blocked ${blocked} ms"
((missing <= 600)) || fail "a missing file blocked ${missing} ms"
(($(peak "$dir/sync.raw") > 2000)) || fail "sound4 was not heard"

# A long sound plays on after an asynchronous call, unless a new sound cuts it.
play_then_record 0.6 "$dir/on.raw" '1:sounds\sound7.wav'
play_then_record 0.6 "$dir/cut.raw" '1:sounds\sound7.wav' '0:sounds\sound2.wav'
echo "after the call: peak $(peak "$dir/on.raw"), after a replacing sound: $(peak "$dir/cut.raw")"
(($(peak "$dir/on.raw") > 2000)) || fail "sound7 did not play on"
(($(peak "$dir/cut.raw") < 100)) || fail "sound2 did not cut sound7"

# No synchronous call waits much longer than the bound, whatever the file: a clip of 14 s (sound7
# at an eighth of its rate), one whose header claims 21 hours (1 Hz), a FIFO, a folder.
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x00"; }
rated() { cp sounds/sound7.wav "$2" && { le32 "$1"; le32 $((2 * $1)); } | dd of="$2" bs=1 seek=24 conv=notrunc 2>/dev/null; }
rated 5512 "$dir/long.wav"
rated 1 "$dir/hours.wav"
mkfifo "$dir/fifo.wav"
mkdir "$dir/folder.wav"
out=$("$player" "0:$dir/long.wav" "0:$dir/hours.wav" "0:$dir/fifo.wav" "0:$dir/folder.wav") ||
  fail "the player failed"
echo "blocked for a long clip, 21 hours, a FIFO, a folder:" $(awk '$1 != "done" { printf "%s/%s ms ", $1, $2 }' <<<"$out")
awk '$1 != "done" && $1 > 3600 { exit 1 }' <<<"$out" || fail "a call waited past the bound"
awk 'NR == 1 && $2 < 10000 { exit 1 }' <<<"$out" || fail "the long clip is not long"

# A stopped server: the synchronous call returns at the bound, and the program ends at once after.
start=$(date +%s%N)
"$player" '0:sounds\sound7.wav' '0:sounds\sound4.wav' >"$dir/stopped.txt" &
pid=$!
sleep 0.3
kill -STOP $daemon
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
ended=$((($(date +%s%N) - start) / 1000000))
kill -CONT $daemon
kill -0 $pid 2>/dev/null && { kill -9 $pid; fail "the player still runs with the server stopped"; }
blocked=$(awk '$1 != "done" { s += $1 } END { print s }' "$dir/stopped.txt")
echo "server stopped: blocked ${blocked} ms in two calls, ended after ${ended} ms"
# Two calls at the bound, 2 x 200 ms after them and 1500 ms after "done", then at most 300 ms.
((ended < blocked + 400 + 1500 + 300 + 500)) || fail "the program took ${ended} ms to end"

# A server that disappears in the middle of a synchronous sound lets the call return.
timeout 5 "$player" '0:sounds\sound7.wav' >"$dir/gone.txt" &
pid=$!
sleep 0.6
{
  kill -9 $daemon
  wait $pid || fail "the player hung or failed without its server"
  wait $daemon || true
} 2>/dev/null
read -r blocked clip <"$dir/gone.txt"
echo "sound7 blocked ${blocked} ms of its ${clip} ms until the server went away"
((blocked < clip)) || fail "blocked ${blocked} ms after the server went away"
echo "PASS"
