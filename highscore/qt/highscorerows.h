// The highscore list as the keyboard and a screen reader walk it: one stop in the tab order, one
// whole row per arrow, over the text boxes a sighted player reads.
#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>
#include <vector>

namespace kaldora {

class HighscoreRows;

// One row, spanning its four boxes; it takes no mouse, so a click still lands on the box beneath.
class HighscoreRow final : public QWidget {
 public:
  HighscoreRow(HighscoreRows* rows, int index);
  int index() const { return index_; }
  HighscoreRows* rows() const;

 private:
  int index_;
};

class HighscoreRows final : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(HighscoreRows)

 public:
  // area: the shown rows' boxes, in the window; count rows of equal height.
  HighscoreRows(QWidget* window, QRect area, int count);

  // "3, 120 points, Ann, 08.12.26 16:05:07"; the blanks a record pads with are not spoken.
  void SetRow(int i, int rank, int points, const QString& name, const QString& date);
  int count() const { return static_cast<int>(rows_.size()); }
  int current() const { return current_; }
  HighscoreRow* row(int i) const { return rows_[static_cast<std::size_t>(i)]; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void MoveTo(int i);
  void TellFocus();

  std::vector<HighscoreRow*> rows_;
  int current_ = 0;
};

// The list, named, whose focused child is the current row.
class HighscoreListAccess final : public QAccessibleWidget {
 public:
  explicit HighscoreListAccess(HighscoreRows* rows);
  QString text(QAccessible::Text t) const override;
  QAccessibleInterface* focusChild() const override;
};

// A row: focused while the list has the keyboard and this is its current row.
class HighscoreRowAccess final : public QAccessibleWidget {
 public:
  explicit HighscoreRowAccess(HighscoreRow* row);
  QAccessible::State state() const override;
};

}  // namespace kaldora
