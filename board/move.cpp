// The player's move: a drop of one square on another, and everything that follows from it.
#include "board/game.h"

namespace kaldora {

void Game::picP_DragDrop(int t, int s) {
  if (board_[t].Picture == nullptr && board_[s].Picture != nullptr) {
    board_.SetPicture(t, board_[s].Picture);
    board_.SetTag(t, board_[s].Tag);
    board_.SetDragMode(t, 1);
    board_.SetPicture(s, nullptr);
    board_.SetTag(s, code::kFree);
    // The vacated square keeps its drag mode; with no picture it can never move anything.
    ports_.report.SquareMoved(s, t);
  } else {
    ports_.report.DropRefused(s, t);
  }

  Spalten();
  if (m_.SpaltenGefunden)
    return;
  Zeilen();
  if (m_.ZeilenGefunden)
    return;
  Diagonalen();
  if (m_.DiagonalenGefunden)
    return;
  QuadrateOben();
  if (m_.QuadrateObenGefunden)
    return;
  QuadrateUnten();
  if (m_.QuadrateUntenGefunden)
    return;

  Neufelder();
  if (m_.SpielEnde)
    return;

  // The new squares may have completed rows; each procedure dissolves at most one.
  Spalten();
  Zeilen();
  Diagonalen();
  QuadrateOben();
  QuadrateUnten();

  ZufallsFarbe();
  ZufallsStein();

  if (!board_.HasFreeSquare())
    EndOfGame();
}

}  // namespace kaldora
