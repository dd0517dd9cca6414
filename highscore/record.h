// One entry of the highscore list, its fixed-length text fields, and its 39 bytes in "P1.dat".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kaldora {

// Text of a fixed number of characters, held as UTF-8. Assigning keeps the first `length`
// characters of a text and pads a shorter one with blanks; nothing else is trimmed.
template <std::size_t length>
class FixedText {
 public:
  FixedText() { Assign(""); }
  void Assign(std::string_view utf8);
  const std::string& str() const { return text_; }

  // Only what a file record holds, which may be fewer characters than `length` when its bytes are
  // zero or missing.
  void AssignRead(std::string utf8) { text_ = std::move(utf8); }

 private:
  std::string text_;
};

struct HighscoreSatz {
  std::int16_t Wert = 0;
  FixedText<20> Person;
  FixedText<17> Datum;
};

inline constexpr std::size_t kRecordSize = 39;
using RecordBytes = std::array<unsigned char, kRecordSize>;

// Little-endian points, then the two text fields in Windows-1252; a character that Windows-1252
// cannot hold becomes its transliteration ("Ł" "L", "ĳ" "ij"), or "?" where there is none, so a
// field may come to more bytes than characters and is cut at its size.
RecordBytes EncodeRecord(const HighscoreSatz& entry);
// True when every character of a UTF-8 text has a Windows-1252 byte of its own, so that a field
// stores it unchanged.
bool FitsWindows1252(std::string_view utf8);
// Decodes the first `present` bytes of a record; the rest are absent. A zero byte is no character.
HighscoreSatz DecodeRecord(const RecordBytes& bytes, std::size_t present);

// The first `count` characters of a UTF-8 text, padded with blanks to `count` characters.
std::string CutOrPad(std::string_view utf8, std::size_t count);

template <std::size_t length>
void FixedText<length>::Assign(std::string_view utf8) {
  text_ = CutOrPad(utf8, length);
}

}  // namespace kaldora
