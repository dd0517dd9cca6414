// The random and the greedy player.
#include "tools/sim/policy.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace kaldora::sim {

namespace {

bool Draggable(const Board& board, const Kinds& kinds, int n) {
  return IsColoured(kinds[static_cast<std::size_t>(n)]) && board[n].DragMode == 1;
}

int Pick(const std::vector<int>& squares, PlayerDice& dice) {
  assert(!squares.empty());
  return squares[static_cast<std::size_t>(dice.Below(static_cast<int>(squares.size())))];
}

std::optional<Drop> RandomDrop(const Board& board, const Kinds& kinds, PlayerDice& dice) {
  std::vector<int> sources, targets, vacated;
  for (int n = 0; n < kSquares; ++n) {
    if (Draggable(board, kinds, n))
      sources.push_back(n);
    else if (board[n].DragMode == 1)
      vacated.push_back(n);
    if (kinds[static_cast<std::size_t>(n)] == kFreeKind)
      targets.push_back(n);
  }
  if (!sources.empty() && !targets.empty())
    return Drop{Pick(targets, dice), Pick(sources, dice)};
  if (vacated.empty())
    return std::nullopt;
  const int click = Pick(vacated, dice);
  return Drop{click, click};
}

// The colour a line or block is being built in, and how many of its squares already have it
// (jokers included); -1 when something blocks it or it mixes colours.
struct Progress {
  int colour = -1;
  int count = 0;
};

Progress UnitProgress(const Kinds& kinds, const std::vector<int>& line) {
  Progress p{kJokerSource, 0};
  for (int n : line) {
    const int k = kinds[static_cast<std::size_t>(n)];
    if (k == kFreeKind)
      continue;
    if (!IsColoured(k) || (k != kJokerSource && p.colour != kJokerSource && k != p.colour))
      return {};
    if (k != kJokerSource)
      p.colour = k;
    ++p.count;
  }
  // Jokers alone is built in no colour yet; leave it to luck.
  return p.colour == kJokerSource ? Progress{} : p;
}

}  // namespace

std::optional<Drop> Choose(Policy policy, const Board& board, PlayerDice& dice) {
  const Kinds kinds = KindsOf(board);
  if (policy == Policy::Random)
    return RandomDrop(board, kinds, dice);

  // Lines and blocks compete by the share of their squares already in place.
  int best = 0;
  std::vector<Drop> drops;
  const auto consider = [&](const std::vector<int>& unit) {
    const Progress p = UnitProgress(kinds, unit);
    const int size = static_cast<int>(unit.size());
    const int share = p.count * 45 / size;
    if (p.colour < 0 || share < best || p.count == size)
      return;
    std::vector<int> sources;
    for (int n = 0; n < kSquares; ++n) {
      const int k = kinds[static_cast<std::size_t>(n)];
      if ((k == p.colour || k == kJokerSource) && Draggable(board, kinds, n) &&
          std::find(unit.begin(), unit.end(), n) == unit.end())
        sources.push_back(n);
    }
    if (sources.empty())
      return;
    if (share > best) {
      best = share;
      drops.clear();
    }
    for (int n : unit) {
      if (kinds[static_cast<std::size_t>(n)] == kFreeKind)
        drops.push_back({n, Pick(sources, dice)});
    }
  };
  for (const std::vector<int>& line : Lines())
    consider(line);
  for (const std::vector<int>& block : Blocks())
    consider(block);
  if (drops.empty())
    return RandomDrop(board, kinds, dice);
  return drops[static_cast<std::size_t>(dice.Below(static_cast<int>(drops.size())))];
}

}  // namespace kaldora::sim
