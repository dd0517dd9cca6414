// The small windows, made on first use and wired to the main window's actions then.
#include "highscore/qt/smallwindows.h"

namespace kaldora {

Form2& SmallWindows::list() {
  if (!list_) {
    list_ = std::make_unique<Form2>(owner_);
    QObject::connect(list_->cmdWeiter(), &QPushButton::clicked, owner_, actions_.list_go_on);
  }
  return *list_;
}

Form3& SmallWindows::entry() {
  if (!entry_) {
    entry_ = std::make_unique<Form3>(owner_);
    QObject::connect(entry_->cmdWeiter(), &QPushButton::clicked, owner_, actions_.entry_go_on);
  }
  return *entry_;
}

Form4& SmallWindows::reset() {
  if (!reset_) {
    reset_ = std::make_unique<Form4>(owner_);
    QObject::connect(reset_->cmdJa(), &QPushButton::clicked, owner_, actions_.reset_yes);
    QObject::connect(reset_->cmdNein(), &QPushButton::clicked, owner_, actions_.reset_no);
  }
  return *reset_;
}

void SmallWindows::ShowEntry() {
  Form3& window = entry();
  actions_.entry_showing();
  window.ShowEntry();
}

}  // namespace kaldora
