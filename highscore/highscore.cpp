// Showing the list, entering a new name into it, and clearing it.
#include "highscore/highscore.h"

#include <algorithm>
#include <numeric>

namespace kaldora {

std::int16_t Highscore::ReadMindestPunkte() const {
  const HighscoreFile file(ports_.path);
  return file.Read(10).Wert;
}

void Highscore::OfferNewScore(std::int16_t punkte) {
  ports_.list.SetWert(10, std::to_string(punkte));
  ports_.entry.ShowEntry();
}

void Highscore::FillRowsFrom(const HighscoreFile& file) {
  for (int i = 0; i < kHighscorePlaces; ++i) {
    const HighscoreSatz entry = file.Read(i + 1);
    ports_.list.SetRow(i, std::to_string(entry.Wert), entry.Person.str(), entry.Datum.str());
  }
}

void Highscore::FillRowsFromFile() {
  FillRowsFrom(HighscoreFile(ports_.path));
}

void Highscore::ShowListWindow() {
  ports_.list.ShowList();
  ports_.list.FocusGoOn();
}

void Highscore::Form2_cmdWeiter_Click() {
  ports_.list.HideList();
}

// A second store cannot begin while the first waits for another copy: the window holds the
// player's input back meanwhile and defers a logout, so this guards what might forget that.
StoreOutcome Highscore::Busy() const {
  return {false, ports_.path + ": another copy of the game is still storing into it"};
}

StoreOutcome Highscore::Form3_cmdWeiter_Click() {
  if (storing_)
    return Busy();
  // The points are the score shown now, which is 0 if a new game has begun meanwhile.
  const std::string name = ports_.entry.Name();
  const std::int16_t punkte = m_.Punkte;
  const std::string datum = ports_.clock.GeneralDate();
  ports_.list.SetRow(10, std::to_string(punkte), name, datum);
  ports_.entry.ClearName();
  ports_.entry.FocusName();
  HighscoreSatz neu;
  neu.Wert = punkte;
  neu.Person.Assign(name);
  neu.Datum.Assign(datum);
  // Ranked as record 11 holds it, as the file's reader will see it.
  const HighscoreSatz record11 = DecodeRecord(EncodeRecord(neu), kRecordSize);
  const auto rank = [&](const HighscoreList& file) {
    for (std::size_t i = 0; i < kHighscorePlaces; ++i) {
      const HighscoreSatz& entry = i + 1 == kHighscorePlaces ? record11 : file[i];
      m_.WerteDatei[i] = entry.Wert;
      m_.PersonenDatei[i] = entry.Person.str();
      m_.DatenDatei[i] = entry.Datum.str();
    }
    Ordnen();
    return Speichern();
  };
  storing_ = true;
  const StoreOutcome outcome = ReplaceList(ports_.path, rank, ports_.waiting);
  storing_ = false;
  ports_.entry.HideEntry();
  ShowListWindow();
  return outcome;
}

void Highscore::Ordnen() {
  Sortieren();
  for (std::size_t i = 0; i < kHighscorePlaces; ++i) {
    ports_.list.SetRow(static_cast<int>(i), std::to_string(m_.WerteRang[i]), m_.PersonenRang[i],
                       m_.DatenRang[i]);
  }
}

// Highest points first; among equal points the earlier record stays ahead, so a new entry ranks
// below a stored one with the same points.
void Highscore::Sortieren() {
  std::array<std::size_t, kHighscorePlaces> order{};
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
    return m_.WerteDatei[a] > m_.WerteDatei[b];
  });
  for (std::size_t rank = 0; rank < kHighscorePlaces; ++rank) {
    m_.WerteRang[rank] = m_.WerteDatei[order[rank]];
    m_.PersonenRang[rank] = m_.PersonenDatei[order[rank]];
    m_.DatenRang[rank] = m_.DatenDatei[order[rank]];
  }
}

HighscoreList Highscore::Speichern() const {
  HighscoreList list;
  for (std::size_t i = 0; i < kHighscorePlaces; ++i) {
    list[i].Wert = m_.WerteRang[i];
    list[i].Person.Assign(m_.PersonenRang[i]);
    list[i].Datum.Assign(m_.DatenRang[i]);
  }
  return list;
}

void Highscore::cmdHighscoreErneuern_Click() {
  ports_.reset.ShowQuestion();
}

StoreOutcome Highscore::cmdJa_Click() {
  if (storing_)
    return Busy();
  ports_.reset.HideQuestion();
  storing_ = true;
  const StoreOutcome outcome = ReplaceList(
      ports_.path, [](const HighscoreList&) { return HighscoreList{}; }, ports_.waiting);
  storing_ = false;
  FillRowsFromFile();
  ports_.list.ShowList();
  return outcome;
}

void Highscore::cmdNein_Click() {
  ports_.reset.HideQuestion();
}

}  // namespace kaldora
