// The three small windows as the highscore logic sees them, each made the first time it is needed.
#pragma once

#include <functional>
#include <memory>

#include "highscore/qt/form2.h"
#include "highscore/qt/form3.h"
#include "highscore/qt/form4.h"

namespace kaldora {

// Most games never show the list, the name entry or the reset question; making their 44 text
// boxes and laying out their texts at start-up cost more than the whole main window.
class SmallWindows final : public HighscoreWindowView, public NameEntryView, public ResetView {
 public:
  // What the main window does with the windows' buttons, and just before the name entry shows.
  struct Actions {
    std::function<void()> list_go_on;
    std::function<void()> entry_go_on;
    std::function<void()> entry_showing;
    std::function<void()> reset_yes;
    std::function<void()> reset_no;
  };

  SmallWindows(QWidget* owner, Actions actions) : owner_(owner), actions_(std::move(actions)) {}

  Form2& list();
  Form3& entry();
  Form4& reset();
  bool EntryOpen() const { return entry_ && entry_->isVisible(); }

  void SetRow(int i, std::string_view wert, std::string_view person,
              std::string_view datum) override {
    list().SetRow(i, wert, person, datum);
  }
  void SetWert(int i, std::string_view wert) override { list().SetWert(i, wert); }
  void ShowList() override { list().ShowList(); }
  void HideList() override {
    if (list_)
      list_->HideList();
  }
  void FocusGoOn() override { list().FocusGoOn(); }

  std::string Name() const override { return entry_ ? entry_->Name() : std::string(); }
  void ClearName() override { entry().ClearName(); }
  void FocusName() override { entry().FocusName(); }
  void ShowEntry() override;
  void HideEntry() override {
    if (entry_)
      entry_->HideEntry();
  }

  void ShowQuestion() override { reset().ShowQuestion(); }
  void HideQuestion() override {
    if (reset_)
      reset_->HideQuestion();
  }

 private:
  QWidget* owner_;
  Actions actions_;
  // Children of the owner as well: whichever goes first takes them out of the other's hands.
  std::unique_ptr<Form2> list_;
  std::unique_ptr<Form3> entry_;
  std::unique_ptr<Form4> reset_;
};

}  // namespace kaldora
