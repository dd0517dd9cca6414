// What the three small windows share: a light-green client area with a one-pixel outline, centred
// on the screen, hidden rather than closed.
#pragma once

#include <QPushButton>
#include <QWidget>

namespace kaldora {

class SmallWindow : public QWidget {
 public:
  // An empty title stays empty on the window system too.
  SmallWindow(QWidget* owner, const QString& title, int width, int height);

  // Shown modeless, in front of the others, with the keyboard in this window.
  void ShowInFront();

 protected:
  // A light-green "graphical" button: its face is a plain area in the window's background colour.
  QPushButton* AddButton(const char* caption, QRect place);

  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool empty_title_;
};

}  // namespace kaldora
