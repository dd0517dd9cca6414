// What the game did, told at the moment it does it: the one way its logic reports the results of
// a move, a tick or a button, so that no window, screen reader or simulator has to work them out.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kaldora {

// Colours are told as the index of their source picture: 0..6 red to magenta, 7 the joker.

// A row of five or a quad of nine that dissolved, its squares in the order the board lists them.
template <std::size_t n>
struct Dissolved {
  int colour = 0;  // the one colour among its squares; 7 when all of them are jokers
  int jokers = 0;  // how many of them were jokers
  std::array<int, n> squares{};
  std::int16_t points = 0;  // what the score gained, less where it stops at its largest value
  std::int16_t score = 0;   // the score afterwards
};
using RowDissolved = Dissolved<5>;
using QuadDissolved = Dissolved<9>;

// Every square of one colour marked to burst; the tick that follows empties them.
struct ColourMarked {
  int colour = 0;
  std::vector<int> squares;  // newly marked, ascending; may be none
  bool chance = false;       // drawn after a move that completed nothing, not set off by a quad
};

// Each is called once the board holds what it tells. Every one does nothing unless overridden,
// so a listener names only what it needs.
class GameEvents {
 public:
  virtual ~GameEvents() = default;
  // The player's drop, moved or refused (an occupied target, nothing to move, a plain click).
  virtual void SquareMoved(int /*source*/, int /*target*/) {}
  virtual void DropRefused(int /*source*/, int /*target*/) {}
  virtual void RowDissolved(const RowDissolved& /*row*/) {}
  virtual void QuadDissolved(const QuadDissolved& /*quad*/) {}
  virtual void ColourMarked(const ColourMarked& /*marked*/) {}
  // The tick took the marked squares away, ascending; none if nothing was marked any more.
  virtual void MarkedEmptied(const std::vector<int>& /*squares*/) {}
  virtual void BlackstonePlaced(int /*n*/) {}
  // One of the three squares of a start or of a move that completed nothing, in the order placed.
  virtual void NewSquare(int /*n*/, int /*colour*/) {}
  // The board is full; qualifies when the score enters the highscore list, which is asked next.
  virtual void GameOver(std::int16_t /*score*/, bool /*qualifies*/) {}
  // All squares at once, as the game enables and disables them.
  virtual void BoardEnabled(bool /*enabled*/) {}
};

}  // namespace kaldora
