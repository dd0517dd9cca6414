// Dragging a square with the mouse: the picture that follows the cursor, and the drop on the
// square under it.
#pragma once

#include <QPoint>
#include <functional>

#include "board/board.h"
#include "board/qt/squarebox.h"

class QLabel;

namespace kaldora {

class BoardKeys;
class SquaresView;

class SquareDrag final : public DragHost {
 public:
  // drop: the player's move of source onto target.
  SquareDrag(QWidget* window, std::function<void(int target, int source)> drop);

  // Makes the picture that follows the cursor, above every child the window has so far.
  void Bind(const Board& board, SquaresView& squares, BoardKeys& keys);
  QLabel* image() const { return image_; }

  void MousePressed() override;
  void BeginDrag(int source, QPoint pressed_at) override;
  void MoveDrag(QPoint global) override;
  void EndDrag(QPoint global) override;

 private:
  // The square under the point of the screen, or none: the gaps between squares, a text panel or
  // another window over the board hold no square.
  const SquareBox* SquareAt(QPoint global) const;

  QWidget* window_;
  std::function<void(int, int)> drop_;
  QLabel* image_ = nullptr;
  const Board* board_ = nullptr;
  SquaresView* squares_ = nullptr;
  BoardKeys* keys_ = nullptr;
  int source_ = -1;
  QPoint offset_;
};

}  // namespace kaldora
