// The board as one control of the tab order: the arrow keys move a frame over the squares, Space
// or Enter picks up the framed square and drops it on the square framed next, Escape puts it back.
// It also draws the colour symbols that tell similar colours apart.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <array>
#include <functional>

#include "board/board.h"

namespace kaldora {

class SquareBox;

class BoardKeys final : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(BoardKeys)

 public:
  // squares: the 81 boxes, which it lies over; board: what they hold; drop: a drop of source on
  // target, as the mouse gives.
  BoardKeys(QWidget* parent, const std::array<SquareBox*, 81>& squares, const Board& board,
            std::function<void(int target, int source)> drop);

  const SquareBox& square(int n) const { return *squares_[static_cast<std::size_t>(n)]; }
  const Board& board() const { return board_; }
  int cursor() const { return cursor_; }
  int held() const { return held_; }  // -1: none
  bool frameShown() const { return keyboard_ && hasFocus(); }
  // Where the keys' short answers go: a picked-up square, the edge, a key that does nothing here.
  void SetSpeaker(std::function<void(const QString&)> say) { say_ = std::move(say); }
  // The mouse took over: no frame, and a square held by the keys goes back.
  void MouseUsed();
  // Square n can no longer be held.
  void Release(int n);

  // What the keys do, also offered to assistive technologies: the frame to square n; n picked up,
  // or the held square dropped on n (each false where the keys would do nothing); the held square
  // put back.
  void MoveTo(int n);
  bool CanPickUp(int n) const;
  bool CanDropOn(int n) const;
  bool PickUp(int n);
  bool DropOn(int n);
  void PutBack();

  void SetSymbols(bool on);
  bool symbols() const { return symbols_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect SquareRect(int n) const;
  void SetHeld(int n);
  void Say(const QString& text) const;
  // Why square n cannot be picked up.
  QString WhyNotPickUp(int n) const;
  // Tells a screen reader which square the frame is on, once the board has the focus.
  void AnnounceCursor();

  const std::array<SquareBox*, 81>& squares_;
  const Board& board_;
  std::function<void(int, int)> drop_;
  std::function<void(const QString&)> say_;
  int cursor_ = 40;
  int held_ = -1;
  bool keyboard_ = false;
  bool symbols_ = false;
};

}  // namespace kaldora
