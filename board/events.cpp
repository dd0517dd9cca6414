// The chance events drawn after an unsuccessful move. They run in their place in the move; the
// colour dissolution and the blackstone are drawn here once the timer exists.
#include "board/game.h"

namespace kaldora {

void Game::ZufallsFarbe() {}

void Game::ZufallsStein() {}

}  // namespace kaldora
