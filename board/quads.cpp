// Quads of three by three: the upper half's blocks start in rows 0 to 3, the lower half's in rows
// 4 to 6; each run dissolves at most one and sets off a colour dissolution.
#include "board/game.h"
#include "board/targets.h"

namespace kaldora {

namespace {

using Ziel9er = WinningSumSet<9>;

// Block b (7 * top row + left column) has its top-left square at 9 * row + column.
constexpr int BlockStart(int b) {
  return 9 * (b / 7) + b % 7;
}

constexpr int kFirstLowerBlock = 28;
constexpr int kBlocks = 49;

// The sums of the blocks whose top rows run from `first` to `last`: the sums of three squares down
// each column first, then each block from the one to its left.
void SumBlocks(const Board& board, int first, int last, std::array<std::int32_t, 49>& sums) {
  for (int r = first; r <= last; ++r) {
    std::array<std::int32_t, 9> down{};
    for (int c = 0; c < 9; ++c) {
      const int s = 9 * r + c;
      down[static_cast<std::size_t>(c)] =
          board.weight(s) + board.weight(s + 9) + board.weight(s + 18);
    }
    std::int32_t sum = down[0] + down[1];
    for (int c = 0; c < 7; ++c) {
      sum += down[static_cast<std::size_t>(c + 2)];
      sums[static_cast<std::size_t>(7 * r + c)] = sum;
      sum -= down[static_cast<std::size_t>(c)];
    }
  }
}

}  // namespace

void Game::QuadrateOben() {
  m_.QuadrateObenGefunden = false;
  SumBlocks(board_, 0, 3, Summen9er);
  for (int b = 0; b < kFirstLowerBlock; ++b) {
    if (Ziel9er::Contains(Summen9er[b])) {
      QuadratLeeren(BlockStart(b));
      QuadrateObenTreffer();
      return;
    }
  }
}

void Game::QuadrateUnten() {
  m_.QuadrateUntenGefunden = false;
  SumBlocks(board_, 4, 6, Summen9er);
  for (int b = kFirstLowerBlock; b < kBlocks; ++b) {
    if (Ziel9er::Contains(Summen9er[b])) {
      QuadratLeeren(BlockStart(b));
      QuadrateUntenTreffer();
      return;
    }
  }
}

void Game::QuadratLeeren(int s) {
  for (std::size_t i = 0; i < 9; ++i)
    quad_.squares[i] = s + 9 * static_cast<int>(i / 3) + static_cast<int>(i % 3);
  EmptyDissolved(quad_);
}

void Game::QuadrateObenTreffer() {
  Treffer9er();
  m_.QuadrateObenGefunden = true;
}

void Game::QuadrateUntenTreffer() {
  Treffer9er();
  m_.QuadrateUntenGefunden = true;
}

// All squares stay disabled while the tree lets waiting events run, so no drop can happen then.
void Game::Treffer9er() {
  QuadDissolved quad = quad_;
  SetAllEnabled(false);
  TonAbspielen("sounds\\sound4.wav", kAsync);
  NeuerBaum();
  quad.points = AddPoints(m_.Punkte9er);
  ShowScore();
  quad.score = m_.Punkte;
  ports_.report.QuadDissolved(quad);
  FarbeAufloesen();
  SetAllEnabled(true);
}

}  // namespace kaldora
