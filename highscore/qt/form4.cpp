// The reset question's window.
#include "highscore/qt/form4.h"

#include <QCoreApplication>
#include <QLabel>

#include "window/qt/layout.h"
#include "window/qt/translations.h"

namespace kaldora {

Form4::Form4(QWidget* owner) : SmallWindow(owner, "Form4", "", 250, 144) {
  // The design's question has no title of its own; a window manager would show a placeholder or
  // number it, so the title bar, task switchers and screen readers say what it asks.
  setWindowTitle(QCoreApplication::translate("kaldora::Form4", "Reset Highscore"));
  auto* lblFrage = new QLabel(
      Translated("Form4",
                 QT_TRANSLATE_NOOP("Form4", "Do you really want to blot out the highscore?")),
      this);
  lblFrage->setGeometry(Twips(285, 615, 3225, 270));
  FitLabel(lblFrage);
  cmdJa_ = AddButton(QT_TRANSLATE_NOOP("Form4", "&yes"), Twips(645, 1200, 990, 360));
  cmdNein_ = AddButton(QT_TRANSLATE_NOOP("Form4", "&no"), Twips(2130, 1200, 990, 360));
  // The first time the question shows, "yes" has the keyboard.
  cmdJa_->setFocus(Qt::OtherFocusReason);
}

}  // namespace kaldora
