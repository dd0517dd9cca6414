// Form4: the question before the highscore list is blotted out. It has no title.
#pragma once

#include "highscore/highscore.h"
#include "window/qt/smallwindow.h"

namespace kaldora {

class Form4 final : public SmallWindow, public ResetView {
 public:
  explicit Form4(QWidget* owner);

  QPushButton* cmdJa() const { return cmdJa_; }
  QPushButton* cmdNein() const { return cmdNein_; }

  void ShowQuestion() override { ShowInFront(); }
  void HideQuestion() override { hide(); }

 protected:
  // Escape, or a close from the window manager, is "&no".
  void reject() override { cmdNein_->click(); }

 private:
  QPushButton* cmdJa_ = nullptr;
  QPushButton* cmdNein_ = nullptr;
};

}  // namespace kaldora
