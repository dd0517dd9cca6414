// Keyboard play on the board, and the colour symbols, both drawn over the squares.
#include "board/qt/boardkeys.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <cmath>

#include "board/qt/boardaccess.h"
#include "board/qt/boardnews.h"
#include "board/qt/squarebox.h"

namespace kaldora {

namespace {

// One shape for each colour and the joker, in black with a white edge so it shows on any of them.
void DrawSymbol(QPainter& p, int colour, QRectF box) {
  const QPointF c = box.center();
  const double r = box.width() / 2;
  QPainterPath path;
  switch (colour) {
    case 0:  // red: a disc
      path.addEllipse(c, r, r);
      break;
    case 1:  // orange: a triangle
      path.moveTo(c.x(), c.y() - r);
      path.lineTo(c.x() + r, c.y() + r);
      path.lineTo(c.x() - r, c.y() + r);
      path.closeSubpath();
      break;
    case 2:  // yellow: a square
      path.addRect(box);
      break;
    case 3: {  // green: a cross
      const double t = r / 3;
      const QPointF corners[] = {{-t, -r}, {t, -r}, {t, -t}, {r, -t}, {r, t},   {t, t},
                                 {t, r},   {-t, r}, {-t, t}, {-r, t}, {-r, -t}, {-t, -t}};
      path.moveTo(c + corners[0]);
      for (const QPointF& q : corners)
        path.lineTo(c + q);
      path.closeSubpath();
      break;
    }
    case 4:  // cyan: a diamond
      path.moveTo(c.x(), c.y() - r);
      path.lineTo(c.x() + r, c.y());
      path.lineTo(c.x(), c.y() + r);
      path.lineTo(c.x() - r, c.y());
      path.closeSubpath();
      break;
    case 5:  // blue: a ring
      path.addEllipse(c, r, r);
      path.addEllipse(c, r / 2, r / 2);
      break;
    case 6:  // magenta: a five-pointed star
      for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double d = i % 2 == 0 ? r : r * 0.45;
        const QPointF q(c.x() + d * std::cos(a), c.y() + d * std::sin(a));
        i == 0 ? path.moveTo(q) : path.lineTo(q);
      }
      path.closeSubpath();
      break;
    default:  // the joker: a bar of three dots
      for (int i = -1; i <= 1; ++i)
        path.addEllipse(QPointF(c.x() + i * r * 0.7, c.y()), r / 3, r / 3);
      break;
  }
  p.setPen(QPen(Qt::white, 1.5));
  p.setBrush(Qt::black);
  p.drawPath(path);
}

}  // namespace

BoardKeys::BoardKeys(QWidget* parent, const std::array<SquareBox*, 81>& squares, const Board& board,
                     std::function<void(int, int)> drop)
    : QWidget(parent), squares_(squares), board_(board), drop_(std::move(drop)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::TabFocus);
  const QRect first = squares_.front()->geometry();
  const QRect last = squares_.back()->geometry();
  setGeometry(first.united(last));
}

QRect BoardKeys::SquareRect(int n) const {
  return squares_[static_cast<std::size_t>(n)]->geometry().translated(-pos());
}

void BoardKeys::MouseUsed() {
  keyboard_ = false;
  SetHeld(-1);
  update();
}

void BoardKeys::Release(int n) {
  if (held_ != n)
    return;
  SetHeld(-1);
  update();
}

// Selected is the state a screen reader reports for the square that is picked up.
void BoardKeys::SetHeld(int n) {
  const int before = held_;
  held_ = n;
  if (before == n)
    return;
  if (before >= 0) {
    QAccessibleEvent removed(squares_[static_cast<std::size_t>(before)],
                             QAccessible::SelectionRemove);
    QAccessible::updateAccessibility(&removed);
  }
  if (n >= 0) {
    QAccessibleEvent added(squares_[static_cast<std::size_t>(n)], QAccessible::SelectionAdd);
    QAccessible::updateAccessibility(&added);
  }
}

void BoardKeys::AnnounceCursor() {
  if (!hasFocus())
    return;
  QAccessibleEvent focus(squares_[static_cast<std::size_t>(cursor_)], QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

void BoardKeys::MoveTo(int n) {
  keyboard_ = true;
  const bool moved = cursor_ != n;
  cursor_ = n;
  if (moved)
    AnnounceCursor();
  update();
}

// Only what a mouse could drag is picked up, and not a vacated square, which shows nothing; a
// disabled square takes no key.
bool BoardKeys::CanPickUp(int n) const {
  const Square& square = board_[n];
  return isEnabled() && held_ < 0 && square.Enabled && square.DragMode == 1 &&
         square.Picture != nullptr;
}

void BoardKeys::Say(const QString& text) const {
  if (say_)
    say_(text);
}

QString BoardKeys::WhyNotPickUp(int n) const {
  if (!board_[n].Enabled)
    return tr("The game is over.") + QLatin1Char(' ') + GameOverHint();
  if (board_.Shown(n) == kBlackstoneSource)
    return tr("A blackstone cannot be moved.");
  return tr("Nothing to pick up here.");
}

bool BoardKeys::CanDropOn(int n) const {
  return isEnabled() && held_ >= 0 && board_[n].Enabled;
}

bool BoardKeys::PickUp(int n) {
  if (!CanPickUp(n))
    return false;
  MoveTo(n);
  SetHeld(n);
  update();
  Say(tr("Picked up %1.").arg(SquareName(n, board_.Shown(n))));
  return true;
}

bool BoardKeys::DropOn(int n) {
  if (!CanDropOn(n))
    return false;
  MoveTo(n);
  const int source = held_;
  SetHeld(-1);
  update();
  drop_(n, source);
  return true;
}

void BoardKeys::PutBack() {
  keyboard_ = true;
  const int held = held_;
  SetHeld(-1);
  update();
  if (held >= 0)
    Say(tr("Put back %1.").arg(SquareName(held, board_.Shown(held))));
}

void BoardKeys::SetSymbols(bool on) {
  symbols_ = on;
  update();
}

void BoardKeys::keyPressEvent(QKeyEvent* event) {
  const int row = cursor_ / 9;
  const int column = cursor_ % 9;
  // Against the edge the frame stays, and a screen reader would say nothing of it.
  const auto step = [this](int n) { n == cursor_ ? Say(tr("Edge of the board.")) : MoveTo(n); };
  switch (event->key()) {
    case Qt::Key_Left:
      step(9 * row + std::max(column - 1, 0));
      break;
    case Qt::Key_Right:
      step(9 * row + std::min(column + 1, 8));
      break;
    case Qt::Key_Up:
      step(9 * std::max(row - 1, 0) + column);
      break;
    case Qt::Key_Down:
      step(9 * std::min(row + 1, 8) + column);
      break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      keyboard_ = true;
      if (!(held_ < 0 ? PickUp(cursor_) : DropOn(cursor_)))
        Say(WhyNotPickUp(cursor_));  // a drop fails only on a frozen board
      break;
    case Qt::Key_Escape:
      if (held_ < 0) {
        QWidget::keyPressEvent(event);
        return;
      }
      PutBack();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  update();
}

// The frame shows for the keys, not for a mouse click that happened to leave the focus here.
void BoardKeys::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
    keyboard_ = true;
  update();
  // After Qt has told of the board itself, so that the square under the frame is what is spoken.
  QTimer::singleShot(0, this, [this] { AnnounceCursor(); });
}

void BoardKeys::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void BoardKeys::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (symbols_) {
    painter.setRenderHint(QPainter::Antialiasing);
    for (int n = 0; n < kSquares; ++n) {
      const int colour = board_.Shown(n);
      if (colour < 0 || colour > kJokerSource)  // the colours and the joker
        continue;
      const QRectF place = QRectF(SquareRect(n)).adjusted(38, 38, -7, -7);
      DrawSymbol(painter, colour, place);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
  }
  if (held_ >= 0) {
    painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(SquareRect(held_).adjusted(5, 5, -6, -6));
  }
  if (frameShown()) {
    const QRect frame = SquareRect(cursor_);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(frame.adjusted(1, 1, -2, -2));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(frame.adjusted(3, 3, -4, -4));
  }
}

}  // namespace kaldora
