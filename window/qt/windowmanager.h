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

// Keeps a window that belongs to another one out of task bars and pagers.
void SkipTaskbar(QWidget* window);

// Whether the window is the one on top at the point of the screen, so that a drop there lands on
// it.
bool OnTopAt(const QWidget* window, QPoint global);

}  // namespace kaldora
