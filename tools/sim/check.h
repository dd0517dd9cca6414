// What the simulator knows of the rules on its own, apart from the game's code: the kind of each
// square, the lines and blocks that dissolve, and the rules that hold after every event.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "fakes/fakes.h"

namespace kaldora::sim {

// 0..6 the colours red to magenta, 7 the joker, or one of these.
inline constexpr int kFreeKind = -1;
inline constexpr int kStoneKind = -2;
inline constexpr int kMarkedKind = -3;
inline constexpr int kUnknownKind = -4;

int KindOf(std::string_view tag);
inline bool IsColoured(int kind) {
  return kind >= 0;
}

using Kinds = std::array<int, kSquares>;
Kinds KindsOf(const Board& board);

// The 140 lines of five and the 49 blocks of three by three, as square indices.
const std::vector<std::vector<int>>& Lines();
const std::vector<std::vector<int>>& Blocks();

// A line or block is complete when every square is coloured and one colour besides jokers.
bool Complete(const Kinds& kinds, const std::vector<int>& squares);
bool AnythingComplete(const Kinds& kinds);

struct Expected {
  std::int64_t rows = 0;  // dissolved in this game so far
  std::int64_t quads = 0;
  bool enabled = true;  // false once the game is over
};

// The first rule that the game's state breaks, or an empty text.
std::string BrokenRule(const Game& game, const testing::FakeDisplay& shown,
                       const testing::FakeWindow& window, const GameTimer& timer,
                       const Expected& expected);

}  // namespace kaldora::sim
