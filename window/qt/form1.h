// The main window: the board, the score, the title, the tree canvas, the command buttons and the
// two text panels, each bound to the game through an adapter of its own.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <functional>

#include "board/game.h"
#include "board/qt/boardkeys.h"
#include "board/qt/boardnews.h"
#include "board/qt/squaredrag.h"
#include "board/qt/squaresview.h"
#include "highscore/qt/datestamp.h"
#include "highscore/qt/smallwindows.h"
#include "tree/qt/canvasbox.h"
#include "window/qt/mainview.h"
#include "window/qt/textpanels.h"
#include "window/qt/timing.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kaldora {

class Form1 final : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(Form1)

 public:
  Form1(Random& random, SoundOutput& sound, QWidget* parent = nullptr);

  Game& game() { return game_; }
  SquareBox* picP(int n) const { return squares_.picP(n); }
  const QPixmap* picture(int k) { return squares_.picture(k); }
  QLabel* lblPunkte() const { return lblPunkte_; }
  QLabel* lblKaldora() const { return lblKaldora_; }
  CanvasBox* picCanvas() { return &picCanvas_; }
  QPushButton* cmdSpielStarten() const { return cmdSpielStarten_; }
  QPushButton* cmdSpielAbbrechen() const { return cmdSpielAbbrechen_; }
  QPushButton* cmdTonEinschaltenAusschalten() const { return cmdTonEinschaltenAusschalten_; }
  QPushButton* cmdFelderGrundfarbe() const { return cmdFelderGrundfarbe_; }
  QPushButton* cmdSpielregeln() const { return cmdSpielregeln_; }
  QPushButton* cmdInformation() const { return cmdInformation_; }
  QPushButton* cmdHighscoreAnzeigen() const { return cmdHighscoreAnzeigen_; }
  QPushButton* cmdHighscoreErneuern() const { return cmdHighscoreErneuern_; }
  QPushButton* cmdProgrammBeenden() const { return cmdProgrammBeenden_; }
  QPushButton* cmdGo() const { return cmdGo_; }
  QPlainTextEdit* txtSpielregeln() { return panels_->Made(Panel::Rules); }
  QPlainTextEdit* txtInformation() { return panels_->Made(Panel::Information); }
  QTimer& tmrTimer() { return timer_.timer(); }
  Form2& form2() { return small_windows_.list(); }
  Form3& form3() { return small_windows_.entry(); }
  Form4& form4() { return small_windows_.reset(); }
  BoardKeys* boardKeys() const { return board_keys_; }
  // The picture that follows the cursor while a square is dragged.
  QLabel* dragImage() const { return drag_.image(); }
  // What a screen reader was last told of a move's consequences.
  NewsBar* newsBar() const { return news_bar_; }
  // When the session ends the game while the name entry is open: the entry is stored with the
  // name typed so far, since logging out should not cost the player the score; then `end` runs.
  // A store that waits for another copy's save finishes first, and `end` runs after it.
  void StoreOpenEntry(std::function<void()> end);

 protected:
  void showEvent(QShowEvent* event) override;
  // A close request from the window manager ends the program as "&Exit" does.
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The player's move, from the mouse, the keys or an assistive technology; none inside another.
  void Play(int target, int source);
  // Says what the move or button did that the player did not do.
  void TellNews();
  bool GameRunning() const;
  // What Alt and the key of the hidden "&Start" answer.
  QString WhyNoStart() const;
  // After a store: why it failed, if it did, and the end the session asked for meanwhile.
  void Stored(const StoreOutcome& outcome);
  QPushButton* AddButton(const char* caption, int left, int top, int width, int height,
                         void (Game::*click)());

  // The canvas first and the squares next, as the window's first children: the order of the
  // children is the stacking and the order a screen reader lists them in.
  CanvasBox picCanvas_{this};
  SquareDrag drag_;
  SquaresView squares_;
  MainView main_view_;
  QtGameTimer timer_;
  // What the session asked for while a store waited: the end, once the store is done.
  std::function<void()> end_after_store_;
  QtEventPump pump_;
  BoardNews news_;
  QLabel* lblKaldora_ = nullptr;
  QLabel* lblPunkte_ = nullptr;
  QPushButton* cmdSpielStarten_ = nullptr;
  QPushButton* cmdSpielAbbrechen_ = nullptr;
  QPushButton* cmdTonEinschaltenAusschalten_ = nullptr;
  QPushButton* cmdFelderGrundfarbe_ = nullptr;
  QPushButton* cmdSpielregeln_ = nullptr;
  QPushButton* cmdInformation_ = nullptr;
  QPushButton* cmdHighscoreAnzeigen_ = nullptr;
  QPushButton* cmdHighscoreErneuern_ = nullptr;
  QPushButton* cmdProgrammBeenden_ = nullptr;
  QPushButton* cmdGo_ = nullptr;
  TextPanels* panels_ = nullptr;
  SmallWindows small_windows_;
  LocaleDateClock date_clock_;
  BoardKeys* board_keys_ = nullptr;
  NewsBar* news_bar_ = nullptr;
  bool playing_ = false;

  Game game_;
};

}  // namespace kaldora
