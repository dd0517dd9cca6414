// Start, Pause and Exit: beginning a game, abandoning it, and ending the program.
#include "board/game.h"

namespace kaldora {

void Game::cmdSpielAbbrechen_Click() {
  ports_.window.SetPanelVisible(Panel::Information, false);
  ports_.window.SetPanelVisible(Panel::Rules, false);
  for (int i = 0; i < kSquares; ++i) {
    board_.FeldLeeren(i);
    board_.SetEnabled(i, true);
  }
  ports_.report.BoardEnabled(true);
  m_.Punkte = 0;
  ShowScore();
  ports_.window.SetStartVisible(true);
  ports_.window.FocusStart();
}

void Game::SpielAbbrechen() {
  cmdSpielAbbrechen_Click();
}

void Game::cmdSpielStarten_Click() {
  ports_.window.SetPanelVisible(Panel::Information, false);
  ports_.window.SetPanelVisible(Panel::Rules, false);
  SpielAbbrechen();
  random_.Randomize();

  // The board is empty now: a draw lands on a free square unless it is one of these three.
  for (int i = 0; i < 3; ++i)
    PlaceNewSquare();

  TonAbspielen("sounds\\sound2.wav", kAsync);
  ports_.window.SetStartVisible(false);
}

void Game::cmdProgrammBeenden_Click() {
  ports_.window.EndProgram();
}

}  // namespace kaldora
