// Form3, "Spielername": asks for the name of a new highscore.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "highscore/highscore.h"
#include "window/qt/smallwindow.h"

namespace kaldora {

class Form3 final : public SmallWindow, public NameEntryView {
 public:
  explicit Form3(QWidget* owner);

  QLineEdit* txtEingabeNamen() const { return txtEingabeNamen_; }
  QPushButton* cmdWeiter() const { return cmdWeiter_; }

  // Composed, so that a letter typed as base and combining accent keeps its one 8-bit character.
  std::string Name() const override {
    return txtEingabeNamen_->text().normalized(QString::NormalizationForm_C).toStdString();
  }
  void ClearName() override { txtEingabeNamen_->clear(); }
  void FocusName() override { txtEingabeNamen_->setFocus(Qt::OtherFocusReason); }
  void ShowEntry() override;
  void HideEntry() override { hide(); }

 protected:
  // Escape is no way to lose a new highscore; the window manager's close still hides the window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLineEdit* txtEingabeNamen_ = nullptr;
  QPushButton* cmdWeiter_ = nullptr;
};

}  // namespace kaldora
