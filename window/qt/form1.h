// The main window: the board, the score, the title, the tree canvas, the command buttons and the
// two text panels.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <vector>

#include "board/game.h"
#include "highscore/qt/datestamp.h"
#include "highscore/qt/smallwindows.h"
#include "board/qt/boardkeys.h"
#include "board/qt/boardnews.h"
#include "tree/qt/canvasbox.h"
#include "board/qt/squarebox.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kaldora {

class Form1 final : public QWidget,
                    private SquareDisplay,
                    private MainWindowView,
                    private GameTimer,
                    private EventPump,
                    private DragHost {
 public:
  Form1(Random& random, SoundOutput& sound, QWidget* parent = nullptr);

  Game& game() { return game_; }
  SquareBox* picP(int n) const { return picP_[static_cast<std::size_t>(n)]; }
  // The one shared picture object of source k, drawn the first time a square shows it.
  const QPixmap* picture(int k);
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
  QPlainTextEdit* txtSpielregeln() { return MadePanel(Panel::Rules); }
  QPlainTextEdit* txtInformation() { return MadePanel(Panel::Information); }
  QTimer& tmrTimer() { return tmrTimer_; }
  Form2& form2() { return small_windows_.list(); }
  Form3& form3() { return small_windows_.entry(); }
  Form4& form4() { return small_windows_.reset(); }
  BoardKeys* boardKeys() const { return board_keys_; }
  // The picture that follows the cursor while a square is dragged.
  QLabel* dragImage() const { return drag_image_; }
  // What a screen reader was last told of a move's consequences.
  NewsBar* newsBar() const { return news_bar_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // A close request from the window manager ends the program as "&Exit" does.
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct DrawnLine {
    int x1, y1, x2, y2;
    QColor colour;
  };

  void ShowPicture(int n, const SourceImage* picture) override;
  void SetDragMode(int n, int mode) override;
  void SetEnabled(int n, bool enabled) override;
  void SetBackColor(int n, Rgb colour) override;
  void ReleaseHeld(int n);
  // The source picture a box shows, 0..9, or -1.
  int SourceOf(const QPixmap* shown) const;
  // The player's move, from the mouse, the keys or an assistive technology; none inside another.
  void Play(int target, int source);
  // Says what the move or button did to the board that the player did not do.
  void TellNews();

  void SetBackColor(Rgb colour) override;
  void DrawLine(int x1, int y1, int x2, int y2, Rgb colour) override;
  void SetScoreText(std::string_view text) override;
  std::string ScoreText() const override;
  void SetTitleForeColor(Rgb colour) override;
  void SetTitleBackColor(Rgb colour) override;
  void SetCanvasBackColor(Rgb colour) override;
  void CentreOnScreen() override;
  void SetStartVisible(bool visible) override;
  void FocusStart() override;
  bool PanelVisible(Panel panel) const override;
  void SetPanelVisible(Panel panel, bool visible) override;
  std::string SoundCaption() const override;
  void SetSoundCaption(std::string_view caption) override;
  void EndProgram() override;

  void SetEnabled(bool enabled) override;
  bool Enabled() const override;

  void DoEvents() override;

  void MousePressed() override { board_keys_->MouseUsed(); }
  void BeginDrag(int source, QPoint pressed_at) override;
  void MoveDrag(QPoint global) override;
  void EndDrag(QPoint global) override;

  QPushButton* AddButton(const char* caption, int left, int top, int width, int height,
                         void (Game::*click)());
  QPlainTextEdit* MadePanel(Panel which);
  // The square under the point of the screen, or none: the gaps between squares, a text panel or
  // another window over the board hold no square.
  const SquareBox* SquareAt(QPoint global) const;

  std::array<QPixmap, kSources> pictures_;
  std::array<SquareBox*, kSquares> picP_{};
  std::vector<DrawnLine> drawn_;
  QLabel* lblKaldora_ = nullptr;
  QLabel* lblPunkte_ = nullptr;
  CanvasBox picCanvas_{this};
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
  QPlainTextEdit* txtSpielregeln_ = nullptr;
  QPlainTextEdit* txtInformation_ = nullptr;
  QTimer tmrTimer_;
  SmallWindows small_windows_;
  LocaleDateClock date_clock_;
  BoardKeys* board_keys_ = nullptr;
  QLabel* drag_image_ = nullptr;
  NewsBar* news_bar_ = nullptr;
  BoardNews news_;
  bool playing_ = false;
  int drag_source_ = -1;
  bool centre_when_shown_ = false;
  std::string sound_caption_ = "Sound &Off";
  QPoint drag_offset_;

  Game game_;
};

}  // namespace kaldora
