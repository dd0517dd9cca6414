// Painting a square and turning its mouse events into a drag.
#include "board/qt/squarebox.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace kaldora {

SquareBox::SquareBox(int index, DragHost& host, QWidget* parent)
    : QWidget(parent), index_(index), host_(host) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// A square's accessible name says what it shows.
void SquareBox::SetPicture(const QPixmap* picture) {
  const bool changed = picture_ != picture;
  picture_ = picture;
  update();
  if (changed) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void SquareBox::SetBackColor(QColor colour) {
  back_ = colour;
  update();
}

void SquareBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  if (picture_ != nullptr)
    painter.drawPixmap(0, 0, *picture_);
}

// The press itself starts the drag; Qt keeps the mouse with this square until the release, wherever
// the cursor goes.
void SquareBox::mousePressEvent(QMouseEvent* event) {
  host_.MousePressed();
  if (event->button() != Qt::LeftButton || drag_mode_ != 1)
    return;
  dragging_ = true;
  host_.BeginDrag(index_, event->position().toPoint());
}

void SquareBox::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_)
    host_.MoveDrag(event->globalPosition().toPoint());
}

void SquareBox::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton)
    return;
  dragging_ = false;
  host_.EndDrag(event->globalPosition().toPoint());
}

}  // namespace kaldora
