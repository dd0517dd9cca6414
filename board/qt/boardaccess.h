// The board as a screen reader finds it: a table of 81 cells that say what they show and where,
// with picking up and dropping as their actions.
#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QString>

namespace kaldora {

class BoardKeys;
class SquareBox;

// "red", "joker", "burst", "blackstone" for the source pictures 0..9; "free" for -1.
QString SquareContent(int source);
// "red, row 3, column 5": the content and place of square n, rows and columns counted from 1.
QString SquareName(int n, int source);

class BoardTable final : public QAccessibleWidget, public QAccessibleTableInterface {
  Q_DECLARE_TR_FUNCTIONS(BoardTable)

 public:
  explicit BoardTable(BoardKeys* keys);

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return 9; }
  int rowCount() const override { return 9; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  BoardKeys* keys() const;
};

// One square; its object is the square's widget, so the widget's own events (enabled, name)
// reach the screen reader as this cell's.
class SquareCell final : public QAccessibleObject,
                         public QAccessibleTableCellInterface,
                         public QAccessibleActionInterface {
  Q_DECLARE_TR_FUNCTIONS(SquareCell)

 public:
  SquareCell(SquareBox* square, BoardKeys* keys);

  static const QString& pickUpAction();
  static const QString& dropAction();
  static const QString& putBackAction();

  bool isValid() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override;
  int rowIndex() const override;
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  QStringList actionNames() const override;
  QString localizedActionName(const QString& name) const override;
  QString localizedActionDescription(const QString& name) const override;
  void doAction(const QString& name) override;
  QStringList keyBindingsForAction(const QString& name) const override;

 private:
  SquareBox* square() const;
  int index() const;
  // The action a name the cell gave stands for.
  QString Raw(const QString& name) const;

  QPointer<BoardKeys> keys_;
};

}  // namespace kaldora
