// What the three small windows share: a light-green client area with a one-pixel outline, a dialog
// that belongs to the main window and stays above it without holding it up, hidden rather than
// closed.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

namespace kaldora {

class SmallWindow : public QDialog {
 public:
  // context: the window's name for its translations; title: the design's, translated here.
  SmallWindow(QWidget* owner, const char* context, const char* title, int width, int height);

  // Shown modeless, in front of the others, with the keyboard in this window, also when a window
  // manager had minimised it.
  void ShowInFront();

 protected:
  // A light-green "graphical" button: its face is a plain area in the window's background colour;
  // its caption is the design's, translated here.
  QPushButton* AddButton(const char* caption, QRect place);

  void paintEvent(QPaintEvent* event) override;
  // The first time, it is centred on the screen by its outer size where the window system lets a
  // program place its windows; elsewhere the window system places it, as a dialog of the main
  // window.
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // Undoes a window manager's move of the window just after it was shown again, and at any time
  // the shift by its own frame that a busy mutter makes.
  void PutBack();

  const char* context_;
  bool placed_ = false;
  bool hidden_once_ = false;
  QPoint client_at_;     // where it was when last hidden
  QPoint seen_at_;       // where it was last seen while shown
  int corrections_ = 0;  // moves of the window manager still to undo
  QElapsedTimer since_shown_;
  QTimer looking_;  // for such moves, a while after each showing
};

}  // namespace kaldora
