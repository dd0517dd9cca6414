#!/bin/bash
# The real game started on each damaged "P1.dat": its window comes up, "Show &Highscore" opens the
# list, the file is left byte for byte as it was, and "&Exit" ends the game cleanly.
source "$(dirname "$0")/lib.sh"
record() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))%-37s" "Player $1"; }
damage() {
  case $1 in
    empty) : >P1.dat ;;
    38_bytes) record 300 | head -c 38 >P1.dat ;;
    40_bytes) { record 300; printf x; } >P1.dat ;;
    100_records) for n in $(seq 100); do record $((5000 - 97 * n)); done >P1.dat ;;
    random_bytes) LC_ALL=C awk 'BEGIN { srand(6); for (i = 0; i < 1000; i++) printf "%c", int(rand() * 256) }' >P1.dat ;;
    all_ff) head -c 429 /dev/zero | tr '\0' '\377' >P1.dat ;;
    directory) mkdir P1.dat ;;
  esac
}

for name in empty 38_bytes 40_bytes 100_records random_bytes all_ff directory; do
  rm -rf P1.dat "$work/before" && damage "$name"
  [ -f P1.dat ] && cp P1.dat "$work/before"
  start_game "$1"
  xdotool mousemove --sync $((X + 700)) $((Y + 468)) click 1  # "Show &Highscore"
  list=$(timeout 10 xdotool search --sync --onlyvisible --name '^Highscore$' | head -1)
  [ -n "$list" ] || fail "$name: no highscore window"
  if [ -e "$work/before" ]; then
    cmp -s P1.dat "$work/before" || fail "$name: showing the list changed P1.dat"
  else
    [ -d P1.dat ] || fail "$name: the directory P1.dat is gone"
  fi
  exit_game
done
echo "ok: seven damaged files, the window up and the list open on each"
