// The highscore list's logic: showing it, entering a new name, and clearing it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "board/module1.h"
#include "highscore/file.h"
#include "highscore/record.h"

namespace kaldora {

// Form2, the highscore window: eleven rows of rank, points, name and date; row 10 is hidden.
class HighscoreWindowView {
 public:
  virtual ~HighscoreWindowView() = default;
  virtual void SetRow(int i, std::string_view wert, std::string_view person,
                      std::string_view datum) = 0;
  virtual void SetWert(int i, std::string_view wert) = 0;  // txtWert(i)
  virtual void ShowList() = 0;                             // modeless, brought to the front
  virtual void HideList() = 0;
  virtual void FocusGoOn() = 0;
};

// Form3, the name entry.
class NameEntryView {
 public:
  virtual ~NameEntryView() = default;
  virtual std::string Name() const = 0;  // txtEingabeNamen as typed, composed (NFC)
  virtual void ClearName() = 0;
  virtual void FocusName() = 0;
  virtual void ShowEntry() = 0;  // modeless, brought to the front
  virtual void HideEntry() = 0;
};

// Form4, the question before the list is cleared.
class ResetView {
 public:
  virtual ~ResetView() = default;
  virtual void ShowQuestion() = 0;
  virtual void HideQuestion() = 0;
};

class DateClock {
 public:
  virtual ~DateClock() = default;
  // Now, in the system's general date format: the short date, a blank, the long time.
  virtual std::string GeneralDate() = 0;
};

struct HighscorePorts {
  HighscoreWindowView& list;
  NameEntryView& entry;
  ResetView& reset;
  DateClock& clock;
  std::string path = "P1.dat";  // in the working directory
  // Runs while another copy of the game is storing into the same list and this one waits.
  std::function<void()> waiting = [] {};
};

class Highscore {
 public:
  Highscore(HighscorePorts ports, Module1& m) : ports_(std::move(ports)), m_(m) {}

  // The points of record 10, which a final score must beat.
  std::int16_t ReadMindestPunkte() const;

  // The end of a game with a qualifying score: the score into the hidden row, the name entry up.
  void OfferNewScore(std::int16_t punkte);

  // "Show Highscore" without its sound: the rows from the file, then the window.
  void FillRowsFromFile();
  void ShowListWindow();

  void Form2_cmdWeiter_Click();
  // The list is shown as ranked also when it could not be stored; the outcome says why not.
  StoreOutcome Form3_cmdWeiter_Click();
  void Ordnen();
  // The ranked entries as records 1 to 11.
  HighscoreList Speichern() const;
  void cmdHighscoreErneuern_Click();
  StoreOutcome cmdJa_Click();
  void cmdNein_Click();
  // True while a store waits for another copy's save, the window's events running.
  bool Storing() const { return storing_; }

 private:
  void FillRowsFrom(const HighscoreFile& file);
  StoreOutcome Busy() const;
  void Sortieren();

  HighscorePorts ports_;
  Module1& m_;
  // A store waiting for another copy lets the window's events run, among them a logout's.
  bool storing_ = false;
};

}  // namespace kaldora
