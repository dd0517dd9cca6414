// The mouse's drag from square to square.
#include "board/qt/squaredrag.h"

#include <QLabel>

#include "board/qt/boardkeys.h"
#include "board/qt/squaresview.h"
#include "resources/pictures.h"
#include "window/qt/access.h"
#include "window/qt/windowmanager.h"

namespace kaldora {

SquareDrag::SquareDrag(QWidget* window, std::function<void(int, int)> drop)
    : window_(window), drop_(std::move(drop)) {}

void SquareDrag::Bind(const Board& board, SquaresView& squares, BoardKeys& keys) {
  board_ = &board;
  squares_ = &squares;
  keys_ = &keys;
  image_ = new QLabel(window_);
  image_->setAttribute(Qt::WA_TransparentForMouseEvents);
  image_->resize(kPictureSize, kPictureSize);
  image_->hide();
  HideFromScreenReaders(image_);
}

void SquareDrag::MousePressed() {
  keys_->MouseUsed();
}

void SquareDrag::BeginDrag(int source, QPoint pressed_at) {
  source_ = source;
  offset_ = pressed_at;
  const QPixmap* shown = squares_->picP(source)->picture();
  image_->setPixmap(shown != nullptr ? *shown : QPixmap());
  image_->move(squares_->picP(source)->pos());
  image_->setVisible(shown != nullptr);
  image_->raise();
}

void SquareDrag::MoveDrag(QPoint global) {
  if (source_ >= 0)
    image_->move(window_->mapFromGlobal(global) - offset_);
}

void SquareDrag::EndDrag(QPoint global) {
  const int source = source_;
  source_ = -1;
  image_->hide();
  if (source < 0)
    return;
  const SquareBox* target = SquareAt(global);
  if (target == nullptr || !(*board_)[target->index()].Enabled)
    return;
  drop_(target->index(), source);
}

const SquareBox* SquareDrag::SquareAt(QPoint global) const {
  if (!OnTopAt(window_, global))
    return nullptr;
  return dynamic_cast<const SquareBox*>(window_->childAt(window_->mapFromGlobal(global)));
}

}  // namespace kaldora
