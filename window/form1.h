// The main window: the board, the score, the title, the tree canvas and the command buttons.
#pragma once

#include <QWidget>
#include <array>

#include "board/game.h"
#include "window/squarebox.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kaldora {

class Form1 final : public QWidget,
                    private SquareDisplay,
                    private MainWindowView,
                    private DragHost {
 public:
  Form1(Random& random, SoundOutput& sound, QWidget* parent = nullptr);

  Game& game() { return game_; }
  SquareBox* picP(int n) const { return picP_[static_cast<std::size_t>(n)]; }
  // The one shared picture object of source k.
  const QPixmap* picture(int k) const { return &pictures_[static_cast<std::size_t>(k)]; }
  QLabel* lblPunkte() const { return lblPunkte_; }
  QLabel* lblKaldora() const { return lblKaldora_; }
  QWidget* picCanvas() const { return picCanvas_; }
  QPushButton* cmdSpielStarten() const { return cmdSpielStarten_; }
  QPushButton* cmdSpielAbbrechen() const { return cmdSpielAbbrechen_; }
  QPushButton* cmdProgrammBeenden() const { return cmdProgrammBeenden_; }
  QPlainTextEdit* txtSpielregeln() const { return txtSpielregeln_; }
  QPlainTextEdit* txtInformation() const { return txtInformation_; }
  // The picture that follows the cursor while a square is dragged.
  QLabel* dragImage() const { return drag_image_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowPicture(int n, const SourceImage* picture) override;
  void SetDragMode(int n, int mode) override;
  void SetEnabled(int n, bool enabled) override;
  void SetBackColor(int n, Rgb colour) override;

  void SetScoreText(std::string_view text) override;
  void SetTitleForeColor(Rgb colour) override;
  void SetCanvasBackColor(Rgb colour) override;
  void CentreOnScreen() override;
  void SetStartVisible(bool visible) override;
  void FocusStart() override;
  void HideInformation() override;
  void HideRules() override;
  void EndProgram() override;

  void BeginDrag(int source, QPoint pressed_at) override;
  void MoveDrag(QPoint global) override;
  void EndDrag(QPoint global) override;

  // The square whose area holds the point, or -1 (the gaps between squares belong to none).
  int SquareAt(QPoint local) const;

  std::array<QPixmap, kSources> pictures_;
  std::array<SquareBox*, kSquares> picP_{};
  QLabel* lblKaldora_ = nullptr;
  QLabel* lblPunkte_ = nullptr;
  QWidget* picCanvas_ = nullptr;
  QPushButton* cmdSpielStarten_ = nullptr;
  QPushButton* cmdSpielAbbrechen_ = nullptr;
  QPushButton* cmdProgrammBeenden_ = nullptr;
  QPlainTextEdit* txtSpielregeln_ = nullptr;
  QPlainTextEdit* txtInformation_ = nullptr;
  QLabel* drag_image_ = nullptr;
  int drag_source_ = -1;
  QPoint drag_offset_;

  Game game_;
};

}  // namespace kaldora
