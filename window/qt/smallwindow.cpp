// The small windows' common frame.
#include "window/qt/smallwindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTimer>

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
    // the height of its title bar): for a few seconds after the showing, such a move is undone,
    // whether Qt hears of it or only the X server knows.
    corrections_ = 3;
    for (const int ms : {250, 1000, 2500})
      QTimer::singleShot(ms, this, [this] { PutBack(); });
    QTimer::singleShot(3000, this, [this] { corrections_ = 0; });
  }
  QDialog::showEvent(event);
  SkipTaskbar(this);
}

void SmallWindow::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  PutBack();
}

void SmallWindow::PutBack() {
  if (corrections_ > 0 && isVisible() && ClientAt(this) != client_at_) {
    --corrections_;
    setGeometry(QRect(client_at_, size()));
    MoveClient(this, client_at_, false);  // Qt may think it is there already
  }
}

void SmallWindow::hideEvent(QHideEvent* event) {
  corrections_ = 0;
  client_at_ = ClientAt(this);
  QDialog::hideEvent(event);
}

}  // namespace kaldora
