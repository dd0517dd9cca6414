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

  // Each square's colour is drawn before its position; a repeated position draw keeps the colour.
  int placed[3] = {-1, -1, -1};
  for (int i = 0; i < 3; ++i) {
    DrawColour();
    int p = 0;
    bool taken = false;
    do {
      p = random_.Below(kSquares);
      taken = false;
      for (int j = 0; j < i; ++j)
        taken = taken || placed[j] == p;
    } while (taken);
    placed[i] = p;
    board_.Colour(p, FarbIndex);
  }

  TonAbspielen("sounds\\sound2.wav", kAsync);
  ports_.window.SetStartVisible(false);
}

void Game::cmdProgrammBeenden_Click() {
  ports_.window.EndProgram();
}

}  // namespace kaldora
