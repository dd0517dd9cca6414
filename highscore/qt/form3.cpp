// The name entry window.
#include "highscore/qt/form3.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "window/qt/layout.h"
#include "window/qt/translations.h"

namespace kaldora {

Form3::Form3(QWidget* owner)
    : SmallWindow(owner, "Form3", QT_TRANSLATE_NOOP("Form3", "Spielername"), 219, 136) {
  // The title is the design's word; a screen reader says what the window asks, in the player's
  // language.
  setAccessibleName(QCoreApplication::translate("kaldora::Form3", "Name for the Highscore"));
  auto* lblFrage = new QLabel(
      Translated("Form3", QT_TRANSLATE_NOOP("Form3", "Who did reach so much points?")), this);
  lblFrage->setGeometry(Twips(465, 330, 2310, 495));
  FitLabel(lblFrage);
  txtEingabeNamen_ = new QLineEdit(this);
  txtEingabeNamen_->setGeometry(Twips(585, 780, 2040, 285));
  lblFrage->setBuddy(txtEingabeNamen_);  // the question names the box for a screen reader
  SlimMargins(txtEingabeNamen_);
  cmdWeiter_ = AddButton(QT_TRANSLATE_NOOP("Form3", "&Go On"), Twips(1725, 1410, 900, 285));
  cmdWeiter_->setDefault(true);  // Enter in the name box stores the name
}

void Form3::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel))
    return;
  SmallWindow::keyPressEvent(event);
}

void Form3::ShowEntry() {
  ShowInFront();
  FocusName();
}

}  // namespace kaldora
