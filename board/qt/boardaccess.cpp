// The board's table and cells for assistive technologies.
#include "board/qt/boardaccess.h"

#include <QWidget>
#include <QWindow>

#include "board/qt/boardkeys.h"
#include "board/qt/squarebox.h"

namespace kaldora {

QString SquareContent(int source) {
  switch (source) {
    case 0:
      return BoardTable::tr("red");
    case 1:
      return BoardTable::tr("orange");
    case 2:
      return BoardTable::tr("yellow");
    case 3:
      return BoardTable::tr("green");
    case 4:
      return BoardTable::tr("cyan");
    case 5:
      return BoardTable::tr("blue");
    case 6:
      return BoardTable::tr("magenta");
    case 7:
      return BoardTable::tr("joker");
    case 8:
      return BoardTable::tr("burst");
    case 9:
      return BoardTable::tr("blackstone");
    default:
      return BoardTable::tr("free");
  }
}

QString SquareName(int n, int source) {
  return BoardTable::tr("%1, row %2, column %3")
      .arg(SquareContent(source))
      .arg(n / 9 + 1)
      .arg(n % 9 + 1);
}

BoardTable::BoardTable(BoardKeys* keys) : QAccessibleWidget(keys, QAccessible::Table) {}

BoardKeys* BoardTable::keys() const {
  return static_cast<BoardKeys*>(widget());
}

int BoardTable::childCount() const {
  return 81;
}

QAccessibleInterface* BoardTable::child(int index) const {
  if (index < 0 || index >= 81)
    return nullptr;
  return QAccessible::queryAccessibleInterface(const_cast<SquareBox*>(&keys()->square(index)));
}

int BoardTable::indexOfChild(const QAccessibleInterface* child) const {
  const auto* square = child != nullptr ? dynamic_cast<const SquareBox*>(child->object()) : nullptr;
  if (square == nullptr || &keys()->square(square->index()) != square)
    return -1;
  return square->index();
}

QAccessibleInterface* BoardTable::focusChild() const {
  return keys()->hasFocus() ? child(keys()->cursor()) : nullptr;
}

QAccessibleInterface* BoardTable::childAt(int x, int y) const {
  for (int n = 0; n < 81; ++n) {
    const SquareBox& square = keys()->square(n);
    if (QRect(square.mapToGlobal(QPoint(0, 0)), square.size()).contains(x, y))
      return child(n);
  }
  return nullptr;
}

QString BoardTable::text(QAccessible::Text t) const {
  if (t == QAccessible::Name)
    return tr("Board");
  return QAccessibleWidget::text(t);
}

// A board on which no square is enabled, at the end of a game, is disabled itself.
QAccessible::State BoardTable::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.disabled = state.disabled || !keys()->board().AnyEnabled();
  return state;
}

void* BoardTable::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TableInterface)
    return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

QAccessibleInterface* BoardTable::cellAt(int row, int column) const {
  if (row < 0 || row >= 9 || column < 0 || column >= 9)
    return nullptr;
  return child(9 * row + column);
}

int BoardTable::selectedCellCount() const {
  return keys()->held() >= 0 ? 1 : 0;
}

QList<QAccessibleInterface*> BoardTable::selectedCells() const {
  if (keys()->held() < 0)
    return {};
  return {child(keys()->held())};
}

SquareCell::SquareCell(SquareBox* square, BoardKeys* keys)
    : QAccessibleObject(square), keys_(keys) {}

const QString& SquareCell::pickUpAction() {
  static const QString name = QStringLiteral("Pick up");
  return name;
}

const QString& SquareCell::dropAction() {
  static const QString name = QStringLiteral("Drop");
  return name;
}

const QString& SquareCell::putBackAction() {
  static const QString name = QStringLiteral("Put back");
  return name;
}

SquareBox* SquareCell::square() const {
  return static_cast<SquareBox*>(object());
}

int SquareCell::index() const {
  return square()->index();
}

bool SquareCell::isValid() const {
  return QAccessibleObject::isValid() && !keys_.isNull();
}

QWindow* SquareCell::window() const {
  return square()->window()->windowHandle();
}

QAccessibleInterface* SquareCell::parent() const {
  return QAccessible::queryAccessibleInterface(keys_.data());
}

// While a square is held, every other square says what it would receive.
QString SquareCell::text(QAccessible::Text t) const {
  if (t == QAccessible::Name)
    return SquareName(index(), keys_->board().Shown(index()));
  const int held = keys_->held();
  if (t == QAccessible::Description && held >= 0 && held != index())
    return tr("carrying %1").arg(SquareContent(keys_->board().Shown(held)));
  return {};
}

QRect SquareCell::rect() const {
  return QRect(square()->mapToGlobal(QPoint(0, 0)), square()->size());
}

QAccessible::State SquareCell::state() const {
  QAccessible::State state;
  state.disabled = !keys_->board()[index()].Enabled || !keys_->isEnabled();
  state.focusable = true;
  state.focused = keys_->hasFocus() && keys_->cursor() == index();
  state.selectable = true;
  state.selected = isSelected();
  state.invisible = !square()->isVisible();
  state.offscreen = state.invisible;
  return state;
}

void* SquareCell::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TableCellInterface)
    return static_cast<QAccessibleTableCellInterface*>(this);
  if (t == QAccessible::ActionInterface)
    return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

bool SquareCell::isSelected() const {
  return keys_->held() == index();
}

int SquareCell::columnIndex() const {
  return index() % 9;
}

// Orca, by default, reads the whole row of a table cell at every Up and Down once it knows the
// cell's row; the board is played square by square, and each square's name says where it is.
int SquareCell::rowIndex() const {
  return -1;
}

// Qt's bridge hands AT-SPI the action names themselves, and has no call for localized ones: the
// names the cell gives are the player's words, and each comes back here as the action it names.
QString SquareCell::Raw(const QString& name) const {
  for (const QString& raw : {setFocusAction(), pickUpAction(), dropAction(), putBackAction()}) {
    if (name == raw || name == localizedActionName(raw))
      return raw;
  }
  return name;
}

// Only what the keys could do on this square now.
QStringList SquareCell::actionNames() const {
  QStringList names{localizedActionName(setFocusAction())};
  if (keys_->CanPickUp(index()))
    names << localizedActionName(pickUpAction());
  if (keys_->CanDropOn(index()))
    names << localizedActionName(dropAction());
  if (isSelected())
    names << localizedActionName(putBackAction());
  return names;
}

QString SquareCell::localizedActionName(const QString& name) const {
  if (name == pickUpAction())
    return tr("Pick up");
  if (name == dropAction())
    return tr("Drop");
  if (name == putBackAction())
    return tr("Put back");
  return QAccessibleActionInterface::localizedActionName(name);
}

QString SquareCell::localizedActionDescription(const QString& shown) const {
  const QString name = Raw(shown);
  if (name == pickUpAction())
    return tr("Picks the square up, to be dropped on a free square");
  if (name == dropAction())
    return tr("Drops the square picked up here");
  if (name == putBackAction())
    return tr("Puts the square picked up back");
  return QAccessibleActionInterface::localizedActionDescription(name);
}

void SquareCell::doAction(const QString& shown) {
  const QString name = Raw(shown);
  if (name == setFocusAction()) {
    keys_->activateWindow();
    keys_->setFocus(Qt::OtherFocusReason);
    keys_->MoveTo(index());
  } else if (name == pickUpAction()) {
    keys_->PickUp(index());
  } else if (name == dropAction()) {
    keys_->DropOn(index());
  } else if (name == putBackAction() && isSelected()) {
    keys_->PutBack();
  }
}

QStringList SquareCell::keyBindingsForAction(const QString& shown) const {
  const QString name = Raw(shown);
  if (name == pickUpAction() || name == dropAction())
    return {QStringLiteral("space")};
  if (name == putBackAction())
    return {QStringLiteral("Escape")};
  return {};
}

}  // namespace kaldora
