#!/usr/bin/env bash
# Instruction counts from callgrind, which do not change with the load of the machine:
#  - the benchmarks' unsuccessful move (drop, search, new squares, second search, both chance
#    events with their reseeds), played MOVES times on the same board;
#  - the mean over the drops of GAMES simulated games, with and without the trees drawn in them.
#   bench/instructions.sh [BUILD]   BUILD is the build folder (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
moves=${MOVES:-1000}
games=${GAMES:-100}
out=$(mktemp -d /tmp/kaldora-callgrind-XXXXXX)
trap 'rm -rf "$out"' EXIT

collected() {  # the instructions callgrind collected, from its log
  sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$1"
}

valgrind --tool=callgrind --callgrind-out-file="$out/move.cg" \
  --toggle-collect='kaldora::bench::OneMove(kaldora::Game&)' \
  "$build/bench/kaldora_move_cost" "$moves" >"$out/move.txt" 2>"$out/move.log"
echo "unsuccessful move: $(($(collected "$out/move.log") / moves)) instructions (mean of $moves)"

valgrind --tool=callgrind --callgrind-out-file="$out/sim.cg" \
  --toggle-collect='kaldora::Game::picP_DragDrop(int, int)' \
  "$build/tools/sim/kaldora-sim" --games "$games" --seed 1 >"$out/sim.txt" 2>"$out/sim.log"
drops=$(awk '/^(greedy|random) / { n += $4 } END { print n }' "$out/sim.txt")
all=$(collected "$out/sim.log")
trees=$(callgrind_annotate --inclusive=yes "$out/sim.cg" 2>/dev/null |
  awk '/TreeDrawing::cmdGo_Click\(\)/ && !n++ { gsub(",", "", $1); print $1 }')
trees=${trees:-0}
echo "simulated drops: $drops in $games games, $((all / drops)) instructions each on average," \
  "$(((all - trees) / drops)) without drawing the trees"
