// Form3, "Spielername": asks for the name of a new highscore.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "highscore/highscore.h"
#include "window/smallwindow.h"

namespace kaldora {

class Form3 final : public SmallWindow, public NameEntryView {
 public:
  explicit Form3(QWidget* owner);

  QLineEdit* txtEingabeNamen() const { return txtEingabeNamen_; }
  QPushButton* cmdWeiter() const { return cmdWeiter_; }

  std::string Name() const override { return txtEingabeNamen_->text().toStdString(); }
  void ClearName() override { txtEingabeNamen_->clear(); }
  void FocusName() override { txtEingabeNamen_->setFocus(Qt::OtherFocusReason); }
  void ShowEntry() override;
  void HideEntry() override { hide(); }

 private:
  QLineEdit* txtEingabeNamen_ = nullptr;
  QPushButton* cmdWeiter_ = nullptr;
};

// The date and time as the player's regional settings write them: the short date, a blank, and
// the long time with seconds.
class LocaleDateClock final : public DateClock {
 public:
  std::string GeneralDate() override;
};

}  // namespace kaldora
