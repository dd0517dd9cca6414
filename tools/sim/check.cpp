// The simulator's own view of the rules, written apart from the detection code it checks.
#include "tools/sim/check.h"

#include <algorithm>

#include "board/game.h"

namespace kaldora::sim {

namespace {

std::vector<std::vector<int>> MakeLines() {
  std::vector<std::vector<int>> lines;
  const auto add = [&](int row, int column, int down, int across) {
    std::vector<int> line;
    for (int i = 0; i < 5; ++i)
      line.push_back(9 * (row + down * i) + column + across * i);
    lines.push_back(line);
  };
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (r <= 4)
        add(r, c, 1, 0);
      if (c <= 4)
        add(r, c, 0, 1);
      if (r <= 4 && c <= 4)
        add(r, c, 1, 1);
      if (r <= 4 && c >= 4)
        add(r, c, 1, -1);
    }
  }
  return lines;
}

std::vector<std::vector<int>> MakeBlocks() {
  std::vector<std::vector<int>> blocks;
  for (int r = 0; r <= 6; ++r) {
    for (int c = 0; c <= 6; ++c) {
      std::vector<int> block;
      for (int i = 0; i < 9; ++i)
        block.push_back(9 * (r + i / 3) + c + i % 3);
      blocks.push_back(block);
    }
  }
  return blocks;
}

std::int32_t WeightOfKind(int kind) {
  std::int32_t w = 0;
  if (IsColoured(kind)) {
    w = 1;
    for (int i = kind; i < 7; ++i)
      w *= 10;
  }
  return w;
}

std::string At(int n, std::string_view what) {
  return "square " + std::to_string(n) + ": " + std::string(what);
}

}  // namespace

int KindOf(std::string_view tag) {
  for (int k = 0; k <= kJokerSource; ++k) {
    if (tag == Board::picF(k).Tag)
      return k;
  }
  if (tag == code::kFree)
    return kFreeKind;
  if (tag == code::kBlackstone)
    return kStoneKind;
  if (tag == code::kMarked)
    return kMarkedKind;
  return kUnknownKind;
}

Kinds KindsOf(const Board& board) {
  Kinds kinds{};
  for (int n = 0; n < kSquares; ++n)
    kinds[static_cast<std::size_t>(n)] = KindOf(board[n].Tag);
  return kinds;
}

const std::vector<std::vector<int>>& Lines() {
  static const auto lines = MakeLines();
  return lines;
}

const std::vector<std::vector<int>>& Blocks() {
  static const auto blocks = MakeBlocks();
  return blocks;
}

bool Complete(const Kinds& kinds, const std::vector<int>& squares) {
  int colour = kJokerSource;
  for (int n : squares) {
    const int k = kinds[static_cast<std::size_t>(n)];
    if (!IsColoured(k))
      return false;
    if (k == kJokerSource)
      continue;
    if (colour != kJokerSource && colour != k)
      return false;
    colour = k;
  }
  return true;
}

bool AnythingComplete(const Kinds& kinds) {
  const auto complete = [&](const std::vector<int>& s) { return Complete(kinds, s); };
  return std::any_of(Lines().begin(), Lines().end(), complete) ||
         std::any_of(Blocks().begin(), Blocks().end(), complete);
}

std::string BrokenRule(const Game& game, const testing::FakeDisplay& shown,
                       const testing::FakeWindow& window, const GameTimer& timer,
                       const Expected& expected) {
  const Board& board = game.board();
  bool marked = false;
  bool free = false;
  for (int n = 0; n < kSquares; ++n) {
    const Square& s = board[n];
    const int kind = KindOf(s.Tag);
    if (kind == kUnknownKind)
      return At(n, "unknown code \"" + s.Tag + "\"");
    if (board.weight(n) != WeightOfKind(kind))
      return At(n, "weight " + std::to_string(board.weight(n)) + " for code " + s.Tag);
    if (IsColoured(kind)) {
      if (s.Picture != Board::picF(kind).Picture)
        return At(n, "coloured square without its source's picture");
      if (s.DragMode != 1)
        return At(n, "coloured square not draggable");
    } else if (kind == kFreeKind && s.Picture != nullptr) {
      return At(n, "free square with a picture");
    } else if (kind == kStoneKind &&
               (s.Picture != Board::picF(kBlackstoneSource).Picture || s.DragMode != 0)) {
      return At(n, "blackstone without its picture or draggable");
    } else if (kind == kMarkedKind && s.Picture != Board::picF(kBurstSource).Picture) {
      return At(n, "marked square without the burst");
    }
    marked = marked || kind == kMarkedKind;
    free = free || kind == kFreeKind;
    if (s.Enabled != expected.enabled)
      return At(n, expected.enabled ? "disabled during play" : "enabled after the end");
    if (shown.Picture(n) != s.Picture || shown.DragMode(n) != s.DragMode ||
        shown.Enabled(n) != s.Enabled)
      return At(n, "the window shows something else than the board holds");
  }
  if (board.HasFreeSquare() != free)
    return free ? "a free square, but the board says it is full"
                : "a full board that says it is not";
  if (marked && !timer.Enabled())
    return "marked squares but no tick pending";

  const std::int64_t points =
      std::min<std::int64_t>(4 * expected.rows + 17 * expected.quads, 32767);
  const std::int16_t punkte = game.state().Punkte;
  if (punkte != points)
    return "score " + std::to_string(punkte) + " after " + std::to_string(expected.rows) +
           " rows and " + std::to_string(expected.quads) + " quads";
  if (window.score != std::to_string(punkte))
    return "score label \"" + window.score + "\" for " + std::to_string(punkte);
  return {};
}

}  // namespace kaldora::sim
