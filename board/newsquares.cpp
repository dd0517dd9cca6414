// Three new squares after an unsuccessful move, and the end of the game on a full board.
#include "board/game.h"

#include <cmath>
#include <string>

namespace kaldora {

void Game::DrawColour() {
  FarbIndex = static_cast<std::int16_t>(
      std::floor(static_cast<double>(random_.R()) * m_.FarbFaktor.value()));
}

void Game::Neufelder() {
  m_.SpielEnde = false;
  for (int placement = 0; placement < 3; ++placement) {
    if (!board_.HasFreeSquare())
      continue;
    DrawColour();
    int p = 0;
    do {
      p = random_.Below(kSquares);
    } while (board_[p].Tag != code::kFree);
    board_.Colour(p, FarbIndex);
  }

  if (board_.HasFreeSquare()) {
    TonAbspielen("sounds\\sound2.wav", kAsync);
    return;
  }

  // The board is full: the new squares get three chances to complete something.
  for (int pass = 0; pass < 3; ++pass) {
    Spalten();
    Zeilen();
    Diagonalen();
    QuadrateOben();
    QuadrateUnten();
  }
  if (board_.HasFreeSquare())
    return;

  EndOfGame();
  m_.SpielEnde = true;
}

void Game::EndOfGame() {
  TonAbspielen("sounds\\sound7.wav", kSync);
  for (int n = 0; n < kSquares; ++n)
    board_.SetEnabled(n, false);
  if (m_.Punkte > MindestPunkte)
    highscore_.OfferNewScore(m_.Punkte);
}

}  // namespace kaldora
