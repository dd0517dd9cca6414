// The tree canvas: lines in the foreground colour on a kept image.
#include "window/canvasbox.h"

#include <QPainter>

#include "window/layout.h"

namespace kaldora {

CanvasBox::CanvasBox(QWidget* parent)
    : QWidget(parent), image_(Px(2280), Px(2280), QImage::Format_RGB32) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_.fill(back_);
}

void CanvasBox::SetBackColor(QColor colour) {
  back_ = colour;
  Cls();
}

void CanvasBox::Cls() {
  image_.fill(back_);
  update();
}

void CanvasBox::Line(int x1, int y1, int x2, int y2) {
  QPainter painter(&image_);
  painter.setPen(QPen(fore_, draw_width_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawLine(x1, y1, x2, y2);
  update();
}

void CanvasBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

}  // namespace kaldora
