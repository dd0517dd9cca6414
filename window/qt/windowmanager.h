// What the window manager is told of the game's top-level windows, and asked about them.
#pragma once

#include <QPoint>

class QWidget;

namespace kaldora {

// Places a top-level window in the middle of its screen by its outer size, frame and title
// included; the frame is known from its show event on, before the window is mapped.
void CentreOnScreen(QWidget* window);

// Where the window's client area lies on the screen, as the X server has it: Qt's own idea lags
// behind a window manager that has just framed the window. Elsewhere Qt's idea.
QPoint ClientAt(QWidget* window);

// Whether the window's client area lies where its frame's corner should be, were the client at
// `at`: so mutter gives a withdrawn window back to the root window, and a busy mutter may do it
// seconds after the window was shown again. False while the frame is not known.
bool ShiftedByItsFrame(QWidget* window, QPoint at);

// Puts the client area of a hidden window where it is to appear, at the X server itself, once the
// window manager has let it go: giving it back to the root window at its frame's place (mutter),
// a window manager moves it, maybe after Qt last looked, and Qt sends no place it thinks it has.
void MoveClient(QWidget* window, QPoint at, bool after_withdrawal = true);

// Asks the window manager to bring back a window it has minimised (iconified), by mapping it again
// as the X11 rules say; Qt need not have noticed the minimising (under openbox it does not).
void RestoreIconic(QWidget* window);

// Keeps a window that belongs to another one out of task bars and pagers.
void SkipTaskbar(QWidget* window);

// Whether the window is the one on top at the point of the screen, so that a drop there lands on
// it.
bool OnTopAt(const QWidget* window, QPoint global);

}  // namespace kaldora
