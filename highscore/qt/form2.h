// Form2, "Highscore": ten ranked rows of points, name and date, and a hidden eleventh.
#pragma once

#include <QLineEdit>
#include <array>

#include "highscore/highscore.h"
#include "highscore/qt/highscorerows.h"
#include "window/qt/smallwindow.h"

namespace kaldora {

class Form2 final : public SmallWindow, public HighscoreWindowView {
 public:
  explicit Form2(QWidget* owner);

  QLineEdit* txtRang(int i) const { return rang_[static_cast<std::size_t>(i)]; }
  QLineEdit* txtWert(int i) const { return wert_[static_cast<std::size_t>(i)]; }
  QLineEdit* txtPerson(int i) const { return person_[static_cast<std::size_t>(i)]; }
  QLineEdit* txtDatum(int i) const { return datum_[static_cast<std::size_t>(i)]; }
  QPushButton* cmdWeiter() const { return cmdWeiter_; }
  HighscoreRows* rows() const { return rows_; }

  void SetRow(int i, std::string_view wert, std::string_view person,
              std::string_view datum) override;
  void SetWert(int i, std::string_view wert) override;
  void ShowList() override { ShowInFront(); }
  void HideList() override { hide(); }
  void FocusGoOn() override { cmdWeiter_->setFocus(Qt::OtherFocusReason); }

 protected:
  // Escape, or a close from the window manager, is "&Go On".
  void reject() override { cmdWeiter_->click(); }

 private:
  void TellRow(int i);

  using Column = std::array<QLineEdit*, kHighscorePlaces>;
  Column rang_{};
  Column wert_{};
  Column person_{};
  Column datum_{};
  HighscoreRows* rows_ = nullptr;
  QPushButton* cmdWeiter_ = nullptr;
};

}  // namespace kaldora
