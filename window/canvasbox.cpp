// The tree canvas: lines in the foreground colour on a kept image.
#include "window/canvasbox.h"

#include <QPainter>

#include "window/layout.h"

namespace kaldora {

CanvasBox::CanvasBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Drawn at the device's resolution, so the tree stays sharp on a scaled screen.
  const qreal ratio = devicePixelRatioF();
  const int size = qRound(Px(2280) * ratio);
  image_ = QImage(size, size, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(back_);
}

void CanvasBox::SetBackColor(QColor colour) {
  back_ = colour;
  Cls();
}

void CanvasBox::Cls() {
  Finish();
  image_.fill(back_);
  update();
}

void CanvasBox::Line(int x1, int y1, int x2, int y2) {
  if (!painter_) {
    painter_.emplace(&image_);
    pen_width_ = 0;
  }
  if (pen_width_ != draw_width_) {
    painter_->setPen(QPen(fore_, draw_width_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pen_width_ = draw_width_;
  }
  painter_->drawLine(x1, y1, x2, y2);
  update();
}

void CanvasBox::paintEvent(QPaintEvent*) {
  Finish();
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

}  // namespace kaldora
