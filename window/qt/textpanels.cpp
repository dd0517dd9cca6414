// The panels' texts in the player's language, their colours and places as designed.
#include "window/qt/textpanels.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <string>

#include "resources/texts.h"
#include "window/qt/access.h"
#include "window/qt/layout.h"
#include "window/qt/translations.h"

namespace kaldora {

TextPanels::TextPanels(QWidget* window, QWidget* above, std::function<void(Panel)> clicked)
    : QObject(window), window_(window), above_(above), clicked_(std::move(clicked)) {}

// Laying out a panel's text at start-up pulled the whole set-up of the fonts in before the window
// could appear, so it waits until the panel is first shown.
QPlainTextEdit* TextPanels::Made(Panel which) {
  QPlainTextEdit*& panel = Slot(which);
  if (panel != nullptr)
    return panel;
  const bool rules = which == Panel::Rules;
  panel = new QPlainTextEdit(window_);
  HideFromScreenReaders(panel);
  panel->setPlainText(
      Translated("Panels", std::string(rules ? RulesText() : InformationText()).c_str()));
  panel->setGeometry(rules ? Twips(465, 195, 8655, 8610) : Twips(540, 210, 8550, 8550));
  panel->setReadOnly(true);
  // A caret the keyboard moves line by line, which a screen reader reads as it goes.
  panel->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
  panel->setAccessibleName(
      Translated("Form1", rules ? "Ho&w to Play" : "&Information").remove(QLatin1Char('&')));
  panel->installEventFilter(this);
  panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetColours(panel, rules ? QColor(Qt::white) : QColor(192, 255, 192), Qt::black);
  panel->viewport()->installEventFilter(this);
  panel->hide();
  panel->stackUnder(above_);
  HideFromScreenReaders(panel, false);
  return panel;
}

bool TextPanels::Visible(Panel which) const {
  const QPlainTextEdit* panel = which == Panel::Rules ? rules_ : information_;
  return panel != nullptr && panel->isVisible();
}

void TextPanels::Show(Panel which) {
  QPlainTextEdit* panel = Made(which);
  // The caret on the first line with words, so that the panel speaks as it opens, not "blank".
  // Told to Orca, the text and caret set ahead of the focus make it take the panel for focused
  // already, and it says nothing, so they are kept from screen readers until it shows.
  HideFromScreenReaders(panel);
  QTextBlock block = panel->document()->firstBlock();
  while (block.isValid() && block.text().trimmed().isEmpty())
    block = block.next();
  panel->setTextCursor(QTextCursor(block.isValid() ? block : panel->document()->firstBlock()));
  HideFromScreenReaders(panel, false);
  panel->show();
  panel->setFocus(Qt::OtherFocusReason);
}

bool TextPanels::eventFilter(QObject* watched, QEvent* event) {
  // Escape closes the panel the keyboard is in, as a click on it does.
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      (watched == rules_ || watched == information_)) {
    clicked_(watched == rules_ ? Panel::Rules : Panel::Information);
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (rules_ != nullptr && watched == rules_->viewport())
      clicked_(Panel::Rules);
    if (information_ != nullptr && watched == information_->viewport())
      clicked_(Panel::Information);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kaldora
