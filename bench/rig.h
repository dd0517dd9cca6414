// A headless game for the benchmarks, and the boards they run on.
#pragma once

#include <string_view>

#include "board/game.h"
#include "fakes/fakes.h"

namespace kaldora::bench {

// The game wired to the fakes, which only count, after start-up. Its generator reseeds from the
// real clock, as in the game.
struct HeadlessGame {
  HeadlessGame() {
    fakes.StopRecording();
    game.Form_Load();
  }

  SystemClock clock;
  Random random{clock};
  testing::FakePorts fakes;
  Game game{fakes.Wire("/dev/null"), random};
};

enum class Fill { Empty, Half, Full };

// Colour (2 * row + 3 * column) mod 7 changes along every line and within every block, so no
// row or quad is complete; Half keeps the squares whose row and column add up to an even number.
inline void Lay(Board& board, Fill fill) {
  for (int n = 0; n < kSquares; ++n) {
    const int row = n / kColumns, column = n % kColumns;
    if (fill == Fill::Full || (fill == Fill::Half && (row + column) % 2 == 0))
      board.Colour(n, (2 * row + 3 * column) % 7);
    else
      board.FeldLeeren(n);
    board.SetEnabled(n, true);
  }
}

// Square 0 of the half-full board onto square 1: nothing completes, so the move goes all the way
// through new squares, the second search and the chance events.
inline constexpr int kUnsuccessfulSource = 0;
inline constexpr int kUnsuccessfulTarget = 1;

inline void DetectionPass(Game& game) {
  game.Spalten();
  game.Zeilen();
  game.Diagonalen();
  game.QuadrateOben();
  game.QuadrateUnten();
}

}  // namespace kaldora::bench
