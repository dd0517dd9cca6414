#!/usr/bin/env bash
# Measures kaldora, a bare Qt 6 window of its size (bench/bare_window.cpp) and the genre's two
# Debian peers, GNOME's five-or-more and KDE's klines, the way a player feels them, all in one run
# and the same way, on a private Xvfb display: the time from exec until the main window is mapped
# (median of RUNS starts, taken in turns), the peak resident memory, and the CPU ticks used while
# idle for IDLE seconds after a short settling time.
#   bench/measure.sh [BUILD]   BUILD is the build folder with kaldora (default build)
# The peers are installed from Debian when missing, for this measurement only.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
build=$(realpath "${1:-build}")
runs=${RUNS:-7}
idle=${IDLE:-10}
settle=${SETTLE:-2}
mapwait=$build/bench/kaldora_mapwait
bare=$build/bench/kaldora_bare_window
[ -x "$build/kaldora" ] && [ -x "$mapwait" ] && [ -x "$bare" ] || { echo "build $build first" >&2; exit 2; }

peers=(five-or-more klines dbus-daemon)  # klines will not start without a session bus
missing=()
for p in "${peers[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# One private session bus for all three programs.
if [ -z "${KALDORA_MEASURE_BUS:-}" ]; then
  export KALDORA_MEASURE_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d /tmp/kaldora-measure-XXXXXX)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -S "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.05
done
export DISPLAY=$display
# The same fresh home for every program: settings and highscores of their own, no sound server.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime PULSE_SERVER=unix:/nonexistent
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# kaldora keeps P1.dat in its working folder and plays its sounds from there.
cd "$work"
ln -s "$build/sounds" sounds

ticks() {  # utime + stime of a process, in clock ticks
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

stop() {  # the program was started by kaldora_mapwait, which has exited: poll until it is gone
  kill "$1" 2>/dev/null || true
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.05
  done
  kill -9 "$1" 2>/dev/null || true
}

# One start: prints the milliseconds to the mapped window and the process id, on two lines.
start() {
  "$mapwait" "$@" 2>>"$work/starts.log"
}

names=(kaldora "bare Qt 6 window" five-or-more klines)
commands=("$build/kaldora" "$bare" /usr/games/five-or-more /usr/games/klines)
# The starts go round the programs in turn, so that a change of the machine's load during the run
# falls on all of them alike. The peers leave helpers behind that go on working after them (the
# accessibility bus and its registry after five-or-more, KDE's daemons after klines) and slowed
# whatever started next by up to 60 ms; so the game and the bare window take their turns first,
# before any peer has run, and the two peers theirs after them.
times=()
rounds() {  # rounds FIRST LAST: RUNS rounds over the programs FIRST to LAST
  local i k
  for i in $(seq "$runs"); do
    for k in $(seq "$1" "$2"); do
      { read -r ms; read -r pid; } < <(start "${commands[k]}")
      times[k]+="$ms "
      stop "$pid"
      sleep 0.3
    done
  done
}
rounds 0 1
rounds 2 3

# One more start of each, left to settle and then idle, for its peak memory and idle CPU.
row() {
  local k=$1 pid before after hwm median
  { read -r _; read -r pid; } < <(start "${commands[k]}")
  sleep "$settle"
  before=$(ticks "$pid")
  sleep "$idle"
  after=$(ticks "$pid")
  hwm=$(awk '/^VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
  stop "$pid"
  # shellcheck disable=SC2086  # the times are words
  median=$(printf '%s\n' ${times[k]} | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
  printf '| %s | %s | %s | %s | %s |\n' "${names[k]}" "$median" "${times[k]}" "$hwm" \
    "$((after - before))"
}

echo "Machine: $(nproc) × $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
  "$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)," \
  "$(. /etc/os-release && echo "$PRETTY_NAME"), kernel $(uname -r), Xvfb without a window manager"
echo "Versions: kaldora $(git -C "$repo" describe --always --dirty 2>/dev/null || echo '?')," \
  "five-or-more $(dpkg-query -W -f='${Version}' five-or-more), klines $(dpkg-query -W -f='${Version}' klines)"
echo
echo "| program | start-up to mapped window, median (ms) | all $runs starts (ms) | peak RSS (MiB) | CPU ticks in ${idle} s idle |"
echo "|---|---|---|---|---|"
for k in "${!names[@]}"; do row "$k"; done
