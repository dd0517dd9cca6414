// The panels' texts in the player's language, their colours and places as designed.
#include "window/qt/textpanels.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <string>

#include "resources/texts.h"
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
  panel = new QPlainTextEdit(
      Translated("Panels", std::string(rules ? RulesText() : InformationText()).c_str()), window_);
  panel->setGeometry(rules ? Twips(465, 195, 8655, 8610) : Twips(540, 210, 8550, 8550));
  panel->setReadOnly(true);
  panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetColours(panel, rules ? QColor(Qt::white) : QColor(192, 255, 192), Qt::black);
  panel->viewport()->installEventFilter(this);
  panel->hide();
  panel->stackUnder(above_);
  return panel;
}

bool TextPanels::Visible(Panel which) const {
  const QPlainTextEdit* panel = which == Panel::Rules ? rules_ : information_;
  return panel != nullptr && panel->isVisible();
}

bool TextPanels::eventFilter(QObject* watched, QEvent* event) {
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
