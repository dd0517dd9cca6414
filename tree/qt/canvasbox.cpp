// The tree canvas: lines in the foreground colour on a kept image.
#include "tree/qt/canvasbox.h"

#include <QPainter>

#include "window/qt/layout.h"

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
  pending_.clear();
  image_.fill(back_);
  update();
}

void CanvasBox::Line(int x1, int y1, int x2, int y2) {
  pending_.push_back({x1, y1, x2, y2, draw_width_});
  update();
}

void CanvasBox::Finish() const {
  if (pending_.empty())
    return;
  QPainter painter(&image_);
  int pen_width = 0;
  for (const Segment& s : pending_) {
    if (s.width != pen_width) {
      painter.setPen(QPen(fore_, s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      pen_width = s.width;
    }
    painter.drawLine(s.x1, s.y1, s.x2, s.y2);
  }
  pending_.clear();
}

void CanvasBox::paintEvent(QPaintEvent*) {
  Finish();
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

}  // namespace kaldora
