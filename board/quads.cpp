// Quads of three by three. Their detection runs in its place in every search; until blocks are
// scanned it only reports that nothing was found.
#include "board/game.h"

namespace kaldora {

void Game::QuadrateOben() {
  m_.QuadrateObenGefunden = false;
}

void Game::QuadrateUnten() {
  m_.QuadrateUntenGefunden = false;
}

}  // namespace kaldora
