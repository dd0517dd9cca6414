// The logic of the main window: game state, start-up, the move, rows, new squares, start and pause.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "board/board.h"
#include "board/gameevents.h"
#include "board/module1.h"
#include "board/random.h"
#include "control/sound.h"
#include "highscore/highscore.h"
#include "tree/tree.h"
#include "window/mainwindowview.h"

namespace kaldora {

// tmrTimer: once enabled, it ticks (tmrTimer_Timer) after 400 milliseconds, and again every 400
// milliseconds until it is disabled. Enabling it while it is enabled changes nothing.
class GameTimer {
 public:
  virtual ~GameTimer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

struct Ports {
  SquareDisplay& squares;
  MainWindowView& window;
  SoundOutput& sound;
  GameTimer& timer;
  TreeCanvas& canvas;
  EventPump& events;
  GameEvents& report;
  HighscorePorts highscore;
};

// The main window's procedures. They are defined beside the rules they carry out, so each group
// names its file.
class Game {
 public:
  Game(Ports ports, Random& random);

  // board/game.cpp: start-up, the tree, the highscore buttons.
  void Form_Load();
  void NeuerBaum();
  void cmdGo_Click();
  void cmdHighscoreAnzeigen_Click();
  void Zeigen();
  void cmdHighscoreErneuern_Click();

  // board/move.cpp. A drop of source square s on target square t: the player's one kind of move.
  void picP_DragDrop(int t, int s);

  // board/rows.cpp, board/quads.cpp, board/newsquares.cpp, board/chance.cpp
  void Spalten();
  void Zeilen();
  void Diagonalen();
  void QuadrateOben();
  void QuadrateUnten();
  void Neufelder();
  void ZufallsFarbe();
  void FarbeAufloesen();
  void ZufallsStein();
  void tmrTimer_Timer();

  // control/startpause.cpp
  void cmdSpielStarten_Click();
  void cmdSpielAbbrechen_Click();
  void SpielAbbrechen();
  void cmdProgrammBeenden_Click();

  // control/sound.cpp
  void cmdTonEinschaltenAusschalten_Click();
  void TonAbspielen(std::string_view name, std::int32_t flags);

  // window/mainwindow.cpp
  void RahmenZeichnen();
  void cmdFelderGrundfarbe_Click();
  void cmdSpielregeln_Click();
  void txtSpielregeln_Click();
  void cmdInformation_Click();
  void txtInformation_Click();

  Board& board() { return board_; }
  TreeDrawing& tree() { return tree_; }
  Highscore& highscore() { return highscore_; }
  const Board& board() const { return board_; }
  Module1& state() { return m_; }
  const Module1& state() const { return m_; }

  std::int16_t FarbIndex = 0;
  std::int16_t MindestPunkte = 0;

 private:
  void SpalteLeeren(int s);
  void ZeileLeeren(int s);
  void DiagonaleRechtsLeeren(int s);
  void DiagonaleLinksLeeren(int s);
  void SpaltenTreffer();
  void ZeilenTreffer();
  void DiagonalenTreffer();
  void Treffer5er();
  void QuadratLeeren(int s);
  void QuadrateObenTreffer();
  void QuadrateUntenTreffer();
  void Treffer9er();
  // Marks every square that shows the picture of source c and starts the timer that empties them.
  void DissolveColour(int c, bool chance);
  // Notes the colour of the squares listed in `dissolved`, then empties them.
  template <std::size_t n>
  void EmptyDissolved(Dissolved<n>& dissolved);
  // A coloured square on a free one, its colour drawn first: the start's and Neufelder's way.
  void PlaceNewSquare();

  // Returns what the score gained.
  std::int16_t AddPoints(std::int16_t award);
  void SetAllEnabled(bool enabled);
  void ShowScore();
  void DrawColour();
  // The end of a game on a full board: sound, frozen board, and the name entry for a good score.
  void EndOfGame();

  Ports ports_;
  Random& random_;
  Board board_;
  Module1 m_;
  TreeDrawing tree_;
  Highscore highscore_;
  // The row or quad being dissolved, from its emptying to its Treffer procedure.
  RowDissolved row_;
  QuadDissolved quad_;

  std::array<std::int32_t, 45> Summen5er{};
  std::array<std::int32_t, 25> SummenDiagonaleRechts{};
  std::array<std::int32_t, 25> SummenDiagonaleLinks{};
  std::array<std::int32_t, 49> Summen9er{};
};

}  // namespace kaldora
