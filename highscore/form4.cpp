// The reset question's window.
#include "highscore/form4.h"

#include <QCoreApplication>
#include <QLabel>

#include "window/layout.h"

namespace kaldora {

Form4::Form4(QWidget* owner) : SmallWindow(owner, QString(), 250, 144) {
  // No title on the screen; a screen reader says what the window asks.
  setAccessibleName(QCoreApplication::translate("kaldora::Form4", "Reset Highscore"));
  auto* lblFrage =
      new QLabel(QStringLiteral("Do you really want to blot out the highscore?"), this);
  lblFrage->setGeometry(Twips(285, 615, 3225, 270));
  FitLabel(lblFrage);
  cmdJa_ = AddButton("&yes", Twips(645, 1200, 990, 360));
  cmdNein_ = AddButton("&no", Twips(2130, 1200, 990, 360));
  // The first time the question shows, "yes" has the keyboard.
  cmdJa_->setFocus(Qt::OtherFocusReason);
}

}  // namespace kaldora
