// Highscore records to the byte: points, fixed-length names and dates in Windows-1252.
#include <gtest/gtest.h>

#include <locale.h>

#include <cstdio>

#include "highscore/record.h"

namespace kaldora {
namespace {

std::string Hex(const RecordBytes& bytes, std::size_t from, std::size_t count) {
  std::string text;
  char buffer[3];
  for (std::size_t i = from; i < from + count; ++i) {
    std::snprintf(buffer, sizeof buffer, "%02X", bytes[i]);
    text += buffer;
  }
  return text;
}

TEST(Record, PointsAreLittleEndianAndNamesAreCutOrPaddedByCharacters) {
  struct Case {
    const char* name;
    std::int16_t points;
    const char* typed;
    std::string bytes;  // of the name, before the padding blanks
    const char* read;   // the name as read back, before the padding blanks
    std::size_t characters;
    bool fits;  // every character has a Windows-1252 byte of its own
  };
  const Case kCases[] = {
      {"three letters", 300, "Ann", "416E6E", "Ann", 3, true},
      {"empty", 0, "", "", "", 0, true},
      {"twenty-five letters", -1, "abcdefghijklmnopqrstuvwxy",
       "6162636465666768696A6B6C6D6E6F7071727374", "abcdefghijklmnopqrst", 20, true},
      {"accents of Windows-1252", 32767, "é€ß", "E980DF", "é€ß", 3, true},
      {"a character it lacks, as a close letter", -32768, "a\u0142b", "616C62", "alb", 3, false},
      {"a Polish name", 12, "\u0141ukasz", "4C756B61737A", "Lukasz", 6, false},
      {"no close letter", 5, "\u674Ea", "3F61", "?a", 2, false},
      {"two letters for one, cut at the field's end", 1, "abcdefghijklmnopqrs\u0133",
       "6162636465666768696A6B6C6D6E6F7071727369", "abcdefghijklmnopqrsi", 20, false},
      {"blanks kept", 7, "  x ", "20207820", "  x ", 4, true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FitsWindows1252(c.typed), c.fits);
    HighscoreSatz entry;
    entry.Wert = c.points;
    entry.Person.Assign(c.typed);
    entry.Datum.Assign("08.12.26 01:06:03 MEZ");
    const RecordBytes bytes = EncodeRecord(entry);
    EXPECT_EQ(::uselocale(locale_t{}), LC_GLOBAL_LOCALE);  // the thread's locale is given back
    const auto raw = static_cast<std::uint16_t>(c.points);
    EXPECT_EQ(bytes[0], raw & 0xFF);
    EXPECT_EQ(bytes[1], raw >> 8);
    std::string field = c.bytes;
    while (field.size() < 40)
      field += "20";
    EXPECT_EQ(Hex(bytes, 2, 20), field);
    EXPECT_EQ(Hex(bytes, 22, 17), "30382E31322E32362030313A30363A3033");  // "08.12.26 01:06:03"

    const HighscoreSatz back = DecodeRecord(bytes, kRecordSize);
    EXPECT_EQ(back.Wert, c.points);
    EXPECT_EQ(back.Person.str(), c.read + std::string(20 - c.characters, ' '));
    EXPECT_EQ(back.Datum.str(), "08.12.26 01:06:03");
  }
}

TEST(Record, TwentyCharactersAreCutAfterCharactersNotBytes) {
  std::string wide, twenty, bytes;
  for (int i = 0; i < 22; ++i)
    wide += "é";
  for (int i = 0; i < 20; ++i)
    twenty += "é", bytes += "E9";
  HighscoreSatz entry;
  entry.Person.Assign(wide);
  EXPECT_EQ(entry.Person.str(), twenty);
  EXPECT_EQ(Hex(EncodeRecord(entry), 2, 20), bytes);
}

// Zero bytes, as left in a gap of the file, are no characters; a cut-off record keeps what it has.
TEST(Record, ZeroAndMissingBytesReadAsNothing) {
  RecordBytes bytes{};
  EXPECT_EQ(DecodeRecord(bytes, kRecordSize).Wert, 0);
  EXPECT_EQ(DecodeRecord(bytes, kRecordSize).Person.str(), "");
  bytes.fill(' ');
  bytes[0] = 0xFF;
  bytes[1] = 0xFF;
  bytes[2] = 'A';
  bytes[3] = 0;
  bytes[4] = 'B';
  const HighscoreSatz cut = DecodeRecord(bytes, 30);
  EXPECT_EQ(cut.Wert, -1);
  EXPECT_EQ(cut.Person.str(), "AB" + std::string(17, ' '));
  EXPECT_EQ(cut.Datum.str(), std::string(8, ' '));
  EXPECT_EQ(DecodeRecord(bytes, 1).Wert, 255);
}

}  // namespace
}  // namespace kaldora
