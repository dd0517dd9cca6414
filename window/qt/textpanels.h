// The two text panels over the board, "How to Play" and "Information", made the first time they
// show.
#pragma once

#include <QObject>
#include <functional>

#include "window/mainwindowview.h"

class QPlainTextEdit;
class QWidget;

namespace kaldora {

class TextPanels final : public QObject {
 public:
  // Made later than the board, a panel lies above it, and below `above`. clicked: a click on a
  // shown panel, or Escape in it.
  TextPanels(QWidget* window, QWidget* above, std::function<void(Panel)> clicked);

  QPlainTextEdit* Made(Panel which);
  bool Visible(Panel which) const;
  // Shown with the keyboard in it, at its first line of text.
  void Show(Panel which);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPlainTextEdit*& Slot(Panel which) { return which == Panel::Rules ? rules_ : information_; }

  QWidget* window_;
  QWidget* above_;
  std::function<void(Panel)> clicked_;
  QPlainTextEdit* rules_ = nullptr;
  QPlainTextEdit* information_ = nullptr;
};

}  // namespace kaldora
