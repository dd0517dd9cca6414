// The chance events after an unsuccessful move, the colour dissolution after a quad, and the
// timer tick that takes the marked squares away.
#include <cmath>
#include <vector>

#include "board/game.h"

namespace kaldora {

namespace {

constexpr Rgb kAlarmYellow{240, 240, 70};
constexpr Rgb kTickGreen{0, 127, 0};

double RoundTo4Places(double x) {
  return std::nearbyint(x * 10000.0) / 10000.0;
}

}  // namespace

void Game::ZufallsFarbe() {
  random_.Randomize();
  const double x = RoundTo4Places(random_.R() * 7.1);
  FarbIndex = static_cast<std::int16_t>(random_.Below(8));
  if (x > 7)
    DissolveColour(FarbIndex, true);
}

void Game::FarbeAufloesen() {
  random_.Randomize();
  FarbIndex = static_cast<std::int16_t>(random_.Below(8));
  DissolveColour(FarbIndex, false);
}

// Colours are matched by picture, not by code: a square shows colour c when it holds the very
// picture of source c.
void Game::DissolveColour(int c, bool chance) {
  ports_.window.SetBackColor(kAlarmYellow);
  ports_.window.SetTitleBackColor(kAlarmYellow);
  const SourceImage* colour = Board::picF(c).Picture;
  ColourMarked marked{.colour = c, .squares = {}, .chance = chance};
  for (int i = 0; i < kSquares; ++i) {
    if (board_[i].Picture == colour) {
      board_.SetTag(i, code::kMarked);
      marked.squares.push_back(i);
    }
  }
  // Squares still marked from an earlier dissolution show the burst again as well.
  for (int i = 0; i < kSquares; ++i) {
    if (board_[i].Tag == code::kMarked) {
      board_.SetPicture(i, nullptr);
      board_.SetPicture(i, Board::picF(kBurstSource).Picture);
    }
  }
  ports_.timer.SetEnabled(true);
  ports_.report.ColourMarked(marked);
}

void Game::tmrTimer_Timer() {
  std::vector<int> emptied;
  for (int i = 0; i < kSquares; ++i) {
    if (board_[i].Tag == code::kMarked) {
      board_.FeldLeeren(i);
      emptied.push_back(i);
    }
  }
  ports_.window.SetBackColor(kTickGreen);
  ports_.window.SetTitleBackColor(kTickGreen);
  RahmenZeichnen();
  ports_.timer.SetEnabled(false);
  ports_.report.MarkedEmptied(emptied);
}

void Game::ZufallsStein() {
  random_.Randomize();
  const double x = RoundTo4Places(random_.R() * 9.36);
  int p = random_.Below(kSquares);
  if (x <= 9)
    return;
  // On a full board the search below would never end: then there is simply no stone.
  if (!board_.HasFreeSquare())
    return;
  while (board_[p].Tag != code::kFree)
    p = random_.Below(kSquares);
  board_.SetPicture(p, Board::picF(kBlackstoneSource).Picture);
  board_.SetTag(p, code::kBlackstone);
  board_.SetDragMode(p, 0);
  ports_.report.BlackstonePlaced(p);
  TonAbspielen("sounds\\sound5.wav", kSync);
}

}  // namespace kaldora
