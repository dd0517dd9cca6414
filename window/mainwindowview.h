// The main window itself and its controls other than the squares, as far as the logic touches
// them.
#pragma once

#include <string>
#include <string_view>

#include "board/board.h"

namespace kaldora {

enum class Panel { Rules, Information };  // txtSpielregeln, txtInformation

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  // Changing the window's background erases every line drawn on it.
  virtual void SetBackColor(Rgb colour) = 0;
  // A one-pixel horizontal or vertical line on the window's surface, in window pixels, from its
  // start point up to but not including its end point. It stays until the background changes.
  virtual void DrawLine(int x1, int y1, int x2, int y2, Rgb colour) = 0;
  virtual void SetScoreText(std::string_view text) = 0;  // lblPunkte
  virtual void SetTitleForeColor(Rgb colour) = 0;        // lblKaldora
  virtual void SetTitleBackColor(Rgb colour) = 0;
  virtual void SetCanvasBackColor(Rgb colour) = 0;  // picCanvas
  virtual void CentreOnScreen() = 0;
  virtual void SetStartVisible(bool visible) = 0;  // cmdSpielStarten
  virtual void FocusStart() = 0;
  virtual bool PanelVisible(Panel panel) const = 0;
  virtual void SetPanelVisible(Panel panel, bool visible) = 0;
  virtual std::string SoundCaption() const = 0;  // cmdTonEinschaltenAusschalten
  virtual void SetSoundCaption(std::string_view caption) = 0;
  virtual void EndProgram() = 0;
};

}  // namespace kaldora
