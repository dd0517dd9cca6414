// The accessible interfaces of the windows and the factory that hands them to Qt.
#include "window/qt/access.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>

#include "board/qt/boardaccess.h"
#include "board/qt/boardkeys.h"
#include "board/qt/boardnews.h"
#include "board/qt/squarebox.h"
#include "highscore/qt/highscorerows.h"
#include "window/qt/form1.h"
#include "window/qt/smallwindow.h"

namespace kaldora {

namespace {

const char* const kHidden = "kaldora_hidden_from_screen_readers";

// The window's children a sighted player could see: no explicitly hidden control, no other
// window, and not the squares, which belong to the board's table.
QList<QWidget*> ShownChildren(const QWidget* window) {
  QList<QWidget*> shown;
  for (QObject* object : window->children()) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || widget->isWindow() || widget->isHidden() ||
        widget->property(kHidden).toBool() || dynamic_cast<SquareBox*>(widget) != nullptr)
      continue;
    shown << widget;
  }
  return shown;
}

class WindowAccess final : public QAccessibleWidget {
 public:
  WindowAccess(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

  int childCount() const override { return static_cast<int>(ShownChildren(widget()).size()); }

  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> shown = ShownChildren(widget());
    if (index < 0 || index >= shown.size())
      return nullptr;
    return QAccessible::queryAccessibleInterface(shown.at(index));
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr)
      return -1;
    return static_cast<int>(
        ShownChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
  }
};

// The score label: named "Score", its digits as its text.
class ScoreAccess final : public QAccessibleWidget, public QAccessibleTextInterface {
  Q_DECLARE_TR_FUNCTIONS(ScoreAccess)

 public:
  explicit ScoreAccess(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name)
      return tr("Score");
    if (t == QAccessible::Value)
      return label()->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    return label()->text().mid(start, end < 0 ? -1 : end - start);
  }
  int characterCount() const override { return static_cast<int>(label()->text().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// Tells the screen reader that a child has come or gone as it is shown or hidden.
class ChildWatcher final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
      QAccessibleEvent changed(watched, event->type() == QEvent::ShowToParent
                                            ? QAccessible::ObjectCreated
                                            : QAccessible::ObjectDestroyed);
      QAccessible::updateAccessibility(&changed);
    }
    return false;
  }
};

QAccessible::UpdateHandler previous_handler = nullptr;
bool telling_board_state = false;

// A board frozen or freed at once changes 81 squares; told one by one, it floods a screen reader,
// and Orca then drops what follows, the news among it. The board tells it once instead.
void FilterUpdates(QAccessibleEvent* event) {
  // Filling the highscore list's 44 boxes told Orca some hundred changes it then spent seconds on;
  // its rows tell the list instead.
  if (event->object() != nullptr && event->object()->property(kHidden).toBool())
    return;
  if (!telling_board_state && event->type() == QAccessible::StateChanged &&
      static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().disabled &&
      dynamic_cast<SquareBox*>(event->object()) != nullptr)
    return;
  if (previous_handler != nullptr) {
    previous_handler(event);
    return;
  }
  // Without a handler, Qt hands the event to the platform's bridge.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(&FilterUpdates);
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr)
    return nullptr;
  if (auto* square = dynamic_cast<SquareBox*>(widget)) {
    // The board's keys come after the 81 squares and the buttons among the window's children.
    const QObjectList& siblings = square->parent()->children();
    for (auto sibling = siblings.crbegin(); sibling != siblings.crend(); ++sibling) {
      if (auto* keys = dynamic_cast<BoardKeys*>(*sibling))
        return new SquareCell(square, keys);
    }
    return nullptr;
  }
  if (auto* rows = dynamic_cast<HighscoreRows*>(widget))
    return new HighscoreListAccess(rows);
  if (auto* row = dynamic_cast<HighscoreRow*>(widget))
    return new HighscoreRowAccess(row);
  if (auto* keys = dynamic_cast<BoardKeys*>(widget))
    return new BoardTable(keys);
  if (dynamic_cast<Form1*>(widget) != nullptr)
    return new WindowAccess(widget, QAccessible::Window);
  if (dynamic_cast<SmallWindow*>(widget) != nullptr)
    return new WindowAccess(widget, QAccessible::Dialog);
  if (widget->objectName() == QLatin1String("lblPunkte"))
    return new ScoreAccess(static_cast<QLabel*>(widget));
  if (dynamic_cast<NewsBar*>(widget) != nullptr)
    return new WindowAccess(widget, QAccessible::StatusBar);
  if (IsNewsMessage(widget))
    return new QAccessibleWidget(widget, QAccessible::Notification);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  QAccessible::installFactory(&Factory);
  static const bool filtering = [] {
    previous_handler = QAccessible::installUpdateHandler(&FilterUpdates);
    return true;
  }();
  Q_UNUSED(filtering);
}

void TellBoardState(BoardKeys* keys) {
  QAccessible::State disabled;
  disabled.disabled = true;
  telling_board_state = true;
  QAccessibleStateChangeEvent board(keys, disabled);
  QAccessible::updateAccessibility(&board);
  QAccessibleStateChangeEvent framed(const_cast<SquareBox*>(&keys->square(keys->cursor())),
                                     disabled);
  QAccessible::updateAccessibility(&framed);
  telling_board_state = false;
}

void WatchShownChildren(QWidget* window) {
  auto* watcher = new ChildWatcher(window);
  for (QObject* object : window->children()) {
    if (auto* widget = qobject_cast<QWidget*>(object); widget != nullptr && !widget->isWindow())
      widget->installEventFilter(watcher);
  }
}

void HideFromScreenReaders(QWidget* widget, bool hidden) {
  widget->setProperty(kHidden, hidden);
}

}  // namespace kaldora
