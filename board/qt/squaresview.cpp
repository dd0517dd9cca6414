// The squares on screen and their pictures, drawn at the window's device pixel ratio.
#include "board/qt/squaresview.h"

#include <QImage>
#include <cmath>

#include "board/qt/boardkeys.h"
#include "resources/pictures.h"
#include "window/qt/layout.h"

namespace kaldora {

namespace {

// At a whole device pixel ratio every pixel becomes a block of device pixels, so the bevel rings
// stay sharp; at a fractional one the picture is scaled smoothly.
QPixmap ToPixmap(const PicturePixels& pixels, qreal ratio) {
  QImage image(kPictureSize, kPictureSize, QImage::Format_RGB888);
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x) {
      const Rgb c = pixels[static_cast<std::size_t>(y * kPictureSize + x)];
      image.setPixelColor(x, y, QColor(c.r, c.g, c.b));
    }
  }
  const int size = qRound(kPictureSize * ratio);
  const bool whole = std::abs(ratio - std::round(ratio)) < 1e-6;
  QPixmap pixmap =
      QPixmap::fromImage(image.scaled(size, size, Qt::IgnoreAspectRatio,
                                      whole ? Qt::FastTransformation : Qt::SmoothTransformation));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

SquaresView::SquaresView(QWidget* window, DragHost& drag) : window_(window) {
  for (int n = 0; n < kSquares; ++n) {
    auto* square = new SquareBox(n, drag, window);
    square->setGeometry(Twips(555 + 945 * (n % kColumns), 255 + 945 * (n / kColumns), 930, 930));
    squares_[static_cast<std::size_t>(n)] = square;
  }
}

void SquaresView::Watch(const Board& board, BoardKeys& keys) {
  board_ = &board;
  keys_ = &keys;
}

const QPixmap* SquaresView::picture(int k) {
  QPixmap& picture = pictures_[static_cast<std::size_t>(k)];
  if (picture.isNull())
    picture = ToPixmap(DrawSourcePicture(k), window_->devicePixelRatioF());
  return &picture;
}

void SquaresView::ShowPicture(int n, const SourceImage* picture) {
  picP(n)->SetPicture(picture == nullptr ? nullptr : this->picture(picture->index));
  ReleaseIfTaken(n);
}

void SquaresView::SetDragMode(int n, int mode) {
  picP(n)->SetDragMode(mode);
  ReleaseIfTaken(n);
}

void SquaresView::SetEnabled(int n, bool enabled) {
  picP(n)->setEnabled(enabled);
  ReleaseIfTaken(n);
}

void SquaresView::SetBackColor(int n, Rgb colour) {
  picP(n)->SetBackColor(QColor(colour.r, colour.g, colour.b));
}

void SquaresView::ReleaseIfTaken(int n) {
  if (board_ == nullptr)
    return;
  const Square& square = (*board_)[n];
  if (square.Picture == nullptr || square.DragMode != 1 || !square.Enabled)
    keys_->Release(n);
}

}  // namespace kaldora
