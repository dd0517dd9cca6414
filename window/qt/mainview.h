// The main window as the game's logic sees it: its background and the lines drawn on it, the score,
// the title, the tree's canvas, "&Start", the sound button and the two text panels.
#pragma once

#include <QColor>
#include <string>
#include <vector>

#include "window/mainwindowview.h"

class QLabel;
class QPainter;
class QPushButton;
class QShortcut;
class QWidget;

namespace kaldora {

class BoardKeys;
class CanvasBox;
class NewsBar;
class TextPanels;

class MainView final : public MainWindowView {
 public:
  struct Controls {
    QLabel* title;  // lblKaldora
    QLabel* score;  // lblPunkte
    CanvasBox* canvas;
    QPushButton* start;
    QShortcut* start_hidden;  // "&Start"'s key while the button is hidden
    QPushButton* sound;
    BoardKeys* keys;
    TextPanels* panels;
    NewsBar* news;  // where a change that nothing else says is told
  };

  explicit MainView(QWidget* window) : window_(window) {}
  // Before the game first touches the window.
  void Bind(const Controls& controls) { c_ = controls; }

  // What is drawn on the window is part of its painting, so it survives every repaint until the
  // background changes.
  void PaintLines(QPainter& painter) const;
  // Whether the window is to be centred again as it shows, once.
  bool TakeCentring();

  void SetBackColor(Rgb colour) override;
  void DrawLine(int x1, int y1, int x2, int y2, Rgb colour) override;
  void SetScoreText(std::string_view text) override;
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

 private:
  struct DrawnLine {
    int x1, y1, x2, y2;
    QColor colour;
  };

  QWidget* window_;
  Controls c_{};
  std::vector<DrawnLine> drawn_;
  bool centre_when_shown_ = false;
  std::string sound_caption_ = "Sound &Off";
};

}  // namespace kaldora
