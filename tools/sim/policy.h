// The simulated players: each picks the next drop from what the board shows.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

#include "board/board.h"
#include "tools/sim/check.h"

namespace kaldora::sim {

struct Drop {
  int target;
  int source;
};

enum class Policy { Random, Greedy };

// The players' own generator, apart from the game's. The standard fixes mt19937_64's output, and
// the mapping to a range is ours, so a seed replays on every platform.
class PlayerDice {
 public:
  explicit PlayerDice(std::uint64_t seed) : engine_(seed) {}
  int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }

 private:
  std::mt19937_64 engine_;
};

// Random: any draggable coloured square onto any free square.
// Greedy: towards the line of five or block of nine that already holds the largest share of
// squares of one colour and nothing in the way, with a square of that colour (or a joker) from
// elsewhere; random when there is none.
// With no coloured square left, a click on a vacated square, which still costs a move; nothing
// when no square can be dragged at all, so that only Pause is left.
std::optional<Drop> Choose(Policy policy, const Board& board, PlayerDice& dice);

}  // namespace kaldora::sim
