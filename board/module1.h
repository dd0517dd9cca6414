// The program-wide game state.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kaldora {

// A decimal with four places, kept as a 64-bit integer scaled by 10000.
struct Fixed4 {
  std::int64_t scaled = 0;
  double value() const { return static_cast<double>(scaled) / 10000.0; }
};

struct Module1 {
  std::int16_t Punkte = 0;
  std::int16_t Punkte5er = 0;
  std::int16_t Punkte9er = 0;
  Fixed4 FarbFaktor;
  bool SpaltenGefunden = false;
  bool ZeilenGefunden = false;
  bool DiagonalenGefunden = false;
  bool QuadrateObenGefunden = false;
  bool QuadrateUntenGefunden = false;
  bool SpielEnde = false;
  bool TonEin = false;

  // The working storage of a new highscore entry, by file order and by rank.
  std::array<std::int16_t, 11> WerteDatei{};
  std::array<std::string, 11> PersonenDatei;
  std::array<std::string, 11> DatenDatei;
  std::array<std::int16_t, 11> WerteRang{};
  std::array<std::string, 11> PersonenRang;
  std::array<std::string, 11> DatenRang;
};

}  // namespace kaldora
