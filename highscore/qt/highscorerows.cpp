// The highscore list's rows for the keyboard and for screen readers.
#include "highscore/qt/highscorerows.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

namespace kaldora {

HighscoreRow::HighscoreRow(HighscoreRows* rows, int index) : QWidget(rows), index_(index) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

HighscoreRows* HighscoreRow::rows() const {
  return static_cast<HighscoreRows*>(parentWidget());
}

HighscoreRows::HighscoreRows(QWidget* window, QRect area, int count) : QWidget(window) {
  setGeometry(area);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // Reached by Tab and Shift+Tab only: a click belongs to the boxes, which show the list.
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(tr("Highscore"));
  const int height = area.height() / count;
  for (int i = 0; i < count; ++i) {
    auto* row = new HighscoreRow(this, i);
    row->setGeometry(0, i * height, area.width(), height);
    rows_.push_back(row);
  }
}

void HighscoreRows::SetRow(int i, int rank, int points, const QString& name, const QString& date) {
  // A damaged or foreign file can hold negative points, which %n does not print; the form still
  // follows the count.
  QString text = tr("%1, %2 points", nullptr, std::abs(points)).arg(rank).arg(points);
  for (const QString& part : {name.trimmed(), date.trimmed()}) {
    if (!part.isEmpty())
      text = tr("%1, %2", "a row's text, then its name or date").arg(text, part);
  }
  row(i)->setAccessibleName(text);
}

void HighscoreRows::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      MoveTo(current_ - 1);
      break;
    case Qt::Key_Down:
      MoveTo(current_ + 1);
      break;
    case Qt::Key_Home:
    case Qt::Key_PageUp:
      MoveTo(0);
      break;
    case Qt::Key_End:
    case Qt::Key_PageDown:
      MoveTo(count() - 1);
      break;
    default:
      QWidget::keyPressEvent(event);  // Enter and Escape reach the window's "&Go On"
  }
}

// At either end the row stays, and is told again, so that no arrow goes unanswered.
void HighscoreRows::MoveTo(int i) {
  current_ = std::clamp(i, 0, count() - 1);
  update();
  TellFocus();
}

void HighscoreRows::TellFocus() {
  QAccessibleEvent focus(row(current_), QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

void HighscoreRows::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
  // After Qt has told of the list itself, so that the current row is what is spoken.
  QTimer::singleShot(0, this, [this] {
    if (hasFocus())
      TellFocus();
  });
}

void HighscoreRows::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

// The boxes beneath show the list; while the keyboard is here, the current row is framed.
void HighscoreRows::paintEvent(QPaintEvent*) {
  if (!hasFocus())
    return;
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = row(current_)->geometry();
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

HighscoreListAccess::HighscoreListAccess(HighscoreRows* rows)
    : QAccessibleWidget(rows, QAccessible::List) {}

QString HighscoreListAccess::text(QAccessible::Text t) const {
  if (t == QAccessible::Name)
    return widget()->accessibleName();
  return QAccessibleWidget::text(t);
}

QAccessibleInterface* HighscoreListAccess::focusChild() const {
  const auto* rows = static_cast<HighscoreRows*>(widget());
  return rows->hasFocus() ? QAccessible::queryAccessibleInterface(rows->row(rows->current()))
                          : nullptr;
}

HighscoreRowAccess::HighscoreRowAccess(HighscoreRow* row)
    : QAccessibleWidget(row, QAccessible::ListItem) {}

QAccessible::State HighscoreRowAccess::state() const {
  const auto* row = static_cast<HighscoreRow*>(widget());
  QAccessible::State state = QAccessibleWidget::state();
  state.focusable = true;
  state.focused = row->rows()->hasFocus() && row->rows()->current() == row->index();
  return state;
}

}  // namespace kaldora
