// Rows of five: vertical, horizontal and both diagonals, each run dissolving at most one.
#include <algorithm>
#include <array>

#include "board/game.h"

namespace kaldora {

namespace {

// The winning sums of five weights: for each colour w, (5 - k) * w + k with k jokers, and five
// jokers.
constexpr std::array<std::int32_t, 36> MakeZiel5er() {
  std::array<std::int32_t, 36> table{};
  std::size_t i = 0;
  for (std::int32_t w = 10000000; w >= 10; w /= 10) {
    for (std::int32_t k = 0; k < 5; ++k)
      table[i++] = (5 - k) * w + k;
  }
  table[i] = 5;
  return table;
}

constexpr std::array<std::int32_t, 36> Ziel5er = MakeZiel5er();

bool IsZiel5er(std::int32_t sum) {
  return std::find(Ziel5er.begin(), Ziel5er.end(), sum) != Ziel5er.end();
}

// Windows are numbered 5 * major + minor; the board square of their first field follows.
constexpr int ColumnWindowStart(int w) {
  return 9 * (w % 5) + w / 5;
}
constexpr int RowWindowStart(int w) {
  return 9 * (w / 5) + w % 5;
}
constexpr int DiagonalWindowStart(int w) {
  return 9 * (w / 5) + w % 5;
}

}  // namespace

std::int32_t Game::Sum(int first, int step, int count) const {
  std::int32_t sum = 0;
  for (int i = 0; i < count; ++i)
    sum += Weight(board_[first + i * step].Tag);
  return sum;
}

void Game::Spalten() {
  m_.SpaltenGefunden = false;
  for (int w = 0; w < 45; ++w)
    Summen5er[w] = Sum(ColumnWindowStart(w), 9, 5);
  for (int w = 0; w < 45; ++w) {
    if (IsZiel5er(Summen5er[w])) {
      SpalteLeeren(ColumnWindowStart(w));
      SpaltenTreffer();
      return;
    }
  }
}

void Game::Zeilen() {
  m_.ZeilenGefunden = false;
  for (int w = 0; w < 45; ++w)
    Summen5er[w] = Sum(RowWindowStart(w), 1, 5);
  for (int w = 0; w < 45; ++w) {
    if (IsZiel5er(Summen5er[w])) {
      ZeileLeeren(RowWindowStart(w));
      ZeilenTreffer();
      return;
    }
  }
}

// Every down-right window is tested before any down-left one.
void Game::Diagonalen() {
  m_.DiagonalenGefunden = false;
  for (int w = 0; w < 25; ++w)
    SummenDiagonaleRechts[w] = Sum(DiagonalWindowStart(w), 10, 5);
  for (int w = 0; w < 25; ++w)
    SummenDiagonaleLinks[w] = Sum(DiagonalWindowStart(w) + 4, 8, 5);
  for (int w = 0; w < 25; ++w) {
    if (IsZiel5er(SummenDiagonaleRechts[w])) {
      DiagonaleRechtsLeeren(DiagonalWindowStart(w));
      DiagonalenTreffer();
      return;
    }
  }
  for (int w = 0; w < 25; ++w) {
    if (IsZiel5er(SummenDiagonaleLinks[w])) {
      DiagonaleLinksLeeren(DiagonalWindowStart(w) + 4);
      DiagonalenTreffer();
      return;
    }
  }
}

void Game::SpalteLeeren(int s) {
  for (int i = 0; i < 5; ++i)
    board_.FeldLeeren(s + 9 * i);
}

void Game::ZeileLeeren(int s) {
  for (int i = 0; i < 5; ++i)
    board_.FeldLeeren(s + i);
}

void Game::DiagonaleRechtsLeeren(int s) {
  for (int i = 0; i < 5; ++i)
    board_.FeldLeeren(s + 10 * i);
}

void Game::DiagonaleLinksLeeren(int s) {
  for (int i = 0; i < 5; ++i)
    board_.FeldLeeren(s + 8 * i);
}

void Game::SpaltenTreffer() {
  Treffer5er();
  m_.SpaltenGefunden = true;
}

void Game::ZeilenTreffer() {
  Treffer5er();
  m_.ZeilenGefunden = true;
}

void Game::DiagonalenTreffer() {
  Treffer5er();
  m_.DiagonalenGefunden = true;
}

void Game::Treffer5er() {
  TonAbspielen("sounds\\sound3.wav", kAsync);
  NeuerBaum();
  AddPoints(m_.Punkte5er);
  ShowScore();
}

}  // namespace kaldora
