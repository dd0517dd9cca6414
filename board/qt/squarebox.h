// One board square on screen: its background, its picture, and the mouse press that starts a drag.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace kaldora {

// The window a square reports its mouse to, so that a drag can cross from square to square.
class DragHost {
 public:
  virtual ~DragHost() = default;
  virtual void MousePressed() = 0;                            // on any square, draggable or not
  virtual void BeginDrag(int source, QPoint pressed_at) = 0;  // position within the square
  virtual void MoveDrag(QPoint global) = 0;
  virtual void EndDrag(QPoint global) = 0;
};

class SquareBox final : public QWidget {
 public:
  SquareBox(int index, DragHost& host, QWidget* parent);

  int index() const { return index_; }
  // The pixmap is shared with every other square of the same colour; nullptr shows no picture.
  void SetPicture(const QPixmap* picture);
  const QPixmap* picture() const { return picture_; }
  void SetBackColor(QColor colour);
  QColor backColor() const { return back_; }
  void SetDragMode(int mode) { drag_mode_ = mode; }
  int dragMode() const { return drag_mode_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int index_;
  DragHost& host_;
  const QPixmap* picture_ = nullptr;
  QColor back_{224, 224, 224};
  int drag_mode_ = 0;
  bool dragging_ = false;
};

}  // namespace kaldora
