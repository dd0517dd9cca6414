// The small windows' common frame.
#include "window/qt/smallwindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "window/qt/access.h"
#include "window/qt/layout.h"
#include "window/qt/translations.h"
#include "window/qt/windowmanager.h"

namespace kaldora {

namespace {
const QColor kLightGreen(128, 255, 128);
}  // namespace

SmallWindow::SmallWindow(QWidget* owner, const char* context, const char* title, int width,
                         int height)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      context_(context) {
  InstallAccessibility();
  setWindowTitle(Translated(context, title));
  setFixedSize(width, height);
  setFont(DesignFont());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kLightGreen);
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);
  // Closing it through the window manager only hides it, and never ends the game.
  setAttribute(Qt::WA_QuitOnClose, false);
  looking_.setInterval(100);
  connect(&looking_, &QTimer::timeout, this, [this] {
    if (since_shown_.elapsed() >= 3000)
      corrections_ = 0;
    if (since_shown_.elapsed() >= 10000 || !isVisible())
      looking_.stop();
    PutBack();
  });
}

void SmallWindow::ShowInFront() {
  // A window manager may minimise a dialog (KWin offers it whatever the window asks for); the
  // button that shows the window must bring it back all the same.
  if (isMinimized())
    setWindowState(windowState() & ~Qt::WindowMinimized);
  else if (isVisible())
    RestoreIconic(this);
  // A Wayland compositor need not let a program raise its window (sway only marks it urgent, and
  // keeps no dialog above its main window); mapped anew, it comes up in front with the keyboard.
  if (isVisible() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    hide();
  show();
  raise();
  activateWindow();
}

QPushButton* SmallWindow::AddButton(const char* caption, QRect place) {
  auto* button = new QPushButton(Translated(context_, caption), this);
  button->setGeometry(place);
  QPalette palette = button->palette();
  palette.setColor(QPalette::Button, kLightGreen);
  button->setPalette(palette);
  return button;
}

void SmallWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawRect(0, 0, width() - 1, height() - 1);
}

void SmallWindow::showEvent(QShowEvent* event) {
  if (!placed_) {
    placed_ = true;
    WatchShownChildren(this);
    CentreOnScreen(this);  // also keeps QDialog from placing it over the main window's centre
  } else {
    setGeometry(QRect(client_at_, size()));
    MoveClient(this, client_at_);
    // A busy window manager may still put it elsewhere as it maps it (mutter, now and then, by
    // the height of its title bar): for a few seconds after the showing, such a move is undone
    // within a tenth of a second, whether Qt hears of it or only the X server knows; the shift by
    // the frame is looked for a while longer.
    corrections_ = 3;
  }
  since_shown_.start();
  looking_.start();
  QDialog::showEvent(event);
  SkipTaskbar(this);
}

void SmallWindow::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  PutBack();
}

void SmallWindow::PutBack() {
  if (!isVisible())
    return;
  const QPoint at = ClientAt(this);
  if (hidden_once_ &&
      ((corrections_ > 0 && at != client_at_) || ShiftedByItsFrame(this, client_at_))) {
    corrections_ = std::max(corrections_ - 1, 0);
    setGeometry(QRect(client_at_, size()));
    MoveClient(this, client_at_, false);  // Qt may think it is there already
    seen_at_ = client_at_;
  } else {
    seen_at_ = at;
  }
}

void SmallWindow::hideEvent(QHideEvent* event) {
  corrections_ = 0;
  // Not asked now: the window manager may already have given the window back to the root window
  // at its frame's place (mutter), the sooner the less busy it is.
  client_at_ = seen_at_;
  hidden_once_ = true;
  QDialog::hideEvent(event);
}

}  // namespace kaldora
