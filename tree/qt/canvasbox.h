// picCanvas: a picture box that keeps what is drawn on it, for the tree.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <vector>

#include "tree/tree.h"

namespace kaldora {

class CanvasBox final : public QWidget, public TreeCanvas {
 public:
  explicit CanvasBox(QWidget* parent);

  // Setting the background clears the drawing, as Cls does.
  void SetBackColor(QColor colour);
  QColor backColor() const { return back_; }
  const QImage& image() const {
    Finish();
    return image_;
  }

  float ScaleWidth() const override {
    return static_cast<float>(image_.deviceIndependentSize().width());
  }
  float ScaleHeight() const override {
    return static_cast<float>(image_.deviceIndependentSize().height());
  }
  void Cls() override;
  void SetDrawWidth(int width) override { draw_width_ = width; }
  void Line(int x1, int y1, int x2, int y2) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Segment {
    int x1, y1, x2, y2, width;
  };
  // The segments are drawn when the image is next shown or read, a tree's few hundred through one
  // painter; so the tree drawn at start-up costs nothing before the window appears.
  void Finish() const;

  mutable QImage image_;
  mutable std::vector<Segment> pending_;
  QColor back_{192, 255, 192};
  QColor fore_{0, 128, 0};
  int draw_width_ = 1;
};

}  // namespace kaldora
