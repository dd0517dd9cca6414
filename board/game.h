// The logic of the main window: game state, start-up, the move, rows, new squares, start and pause.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "board/board.h"
#include "board/random.h"
#include "control/sound.h"

namespace kaldora {

// A decimal with four places, kept as a 64-bit integer scaled by 10000.
struct Fixed4 {
  std::int64_t scaled = 0;
  double value() const { return static_cast<double>(scaled) / 10000.0; }
};

// The program-wide game state.
struct Module1 {
  std::int16_t Punkte = 0;
  std::int16_t Punkte5er = 0;
  std::int16_t Punkte9er = 0;
  Fixed4 FarbFaktor;
  bool SpaltenGefunden = false;
  bool ZeilenGefunden = false;
  bool DiagonalenGefunden = false;
  bool QuadrateObenGefunden = false;
  bool QuadrateUntenGefunden = false;
  bool SpielEnde = false;
  bool TonEin = false;
};

// The controls of the main window other than the squares, as far as the logic touches them.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  virtual void SetScoreText(std::string_view text) = 0;  // lblPunkte
  virtual void SetTitleForeColor(Rgb colour) = 0;        // lblKaldora
  virtual void SetCanvasBackColor(Rgb colour) = 0;       // picCanvas
  virtual void CentreOnScreen() = 0;
  virtual void SetStartVisible(bool visible) = 0;  // cmdSpielStarten
  virtual void FocusStart() = 0;
  virtual void HideInformation() = 0;  // txtInformation
  virtual void HideRules() = 0;        // txtSpielregeln
  virtual void EndProgram() = 0;
};

// Where a qualifying final score goes: the hidden eleventh row of the highscore window and the
// name entry.
class HighscoreEntry {
 public:
  virtual ~HighscoreEntry() = default;
  virtual void SetNewScoreText(std::string_view text) = 0;  // txtWert(10) of Form2
  virtual void ShowNameEntry() = 0;                         // Form3, modeless
};

struct Ports {
  SquareDisplay& squares;
  MainWindowView& window;
  SoundOutput& sound;
  HighscoreEntry* highscore = nullptr;  // none: a qualifying score opens nothing
};

class Game {
 public:
  Game(Ports ports, Random& random);

  void Form_Load();

  // A drop of source square s on target square t: the player's one kind of move.
  void picP_DragDrop(int t, int s);

  void cmdSpielStarten_Click();
  void cmdSpielAbbrechen_Click();
  void SpielAbbrechen();
  void cmdProgrammBeenden_Click();

  void Spalten();
  void Zeilen();
  void Diagonalen();
  void QuadrateOben();
  void QuadrateUnten();
  void Neufelder();
  void ZufallsFarbe();
  void ZufallsStein();

  void TonAbspielen(std::string_view name, std::int32_t flags);

  Board& board() { return board_; }
  const Board& board() const { return board_; }
  Module1& state() { return m_; }
  const Module1& state() const { return m_; }

  std::int16_t FarbIndex = 0;
  std::int16_t MindestPunkte = 0;

 private:
  std::int32_t Sum(int first, int step, int count) const;

  void SpalteLeeren(int s);
  void ZeileLeeren(int s);
  void DiagonaleRechtsLeeren(int s);
  void DiagonaleLinksLeeren(int s);
  void SpaltenTreffer();
  void ZeilenTreffer();
  void DiagonalenTreffer();
  void Treffer5er();

  void AddPoints(std::int16_t award);
  void ShowScore();
  void DrawColour();
  // The end of a game on a full board: sound, frozen board, and the name entry for a good score.
  void EndOfGame();

  Ports ports_;
  Random& random_;
  Board board_;
  Module1 m_;

  std::array<std::int32_t, 45> Summen5er{};
  std::array<std::int32_t, 25> SummenDiagonaleRechts{};
  std::array<std::int32_t, 25> SummenDiagonaleLinks{};
};

}  // namespace kaldora
