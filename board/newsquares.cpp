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
    if (board_.HasFreeSquare())
      PlaceNewSquare();
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

// A repeated position draw keeps the colour drawn.
void Game::PlaceNewSquare() {
  DrawColour();
  int p = 0;
  do {
    p = random_.Below(kSquares);
  } while (board_[p].Tag != code::kFree);
  board_.Colour(p, FarbIndex);
  ports_.report.NewSquare(p, FarbIndex);
}

void Game::EndOfGame() {
  TonAbspielen("sounds\\sound7.wav", kSync);
  SetAllEnabled(false);
  const bool qualifies = m_.Punkte > MindestPunkte;
  ports_.report.GameOver(m_.Punkte, qualifies);
  if (qualifies)
    highscore_.OfferNewScore(m_.Punkte);
}

}  // namespace kaldora
