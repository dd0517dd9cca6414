// The highscore file as the game uses it: the qualifying score, a new entry, and a reset.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/fakes.h"

namespace kaldora::testing {
namespace {

std::string Record(std::int16_t points, std::string_view name, std::string_view date = "") {
  const auto raw = static_cast<std::uint16_t>(points);
  std::string bytes{static_cast<char>(raw & 0xFF), static_cast<char>(raw >> 8)};
  return bytes + CutOrPad(name, 20) + CutOrPad(date, 17);
}

const std::string kEmptyRecord = Record(0, "");

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Records(std::initializer_list<std::int16_t> points) {
  std::string bytes;
  char name = 'A';
  for (std::int16_t p : points)
    bytes += Record(p, std::string(1, name++), "01.01.26 10:00:00");
  return bytes;
}

TEST(NameEntry, GoOnStoresTheScoreLabelsPointsAndRanksAllElevenEntries) {
  const std::tuple<const char*, std::string, const char*, int> kCases[] = {
      // the file before, the score label at the click, the new entry's rank (1..11)
      {"into a missing file", "", "300", 1},
      {"into a file of 38 bytes", Records({9}).substr(0, 38), "10", 1},
      {"above every stored entry", Records({50, 40, 30}), "60", 1},
      {"equal points rank below", Records({50, 40, 30}), "40", 3},
      {"fewer than all ten drop out at once", Records({100, 90, 80, 70, 60, 50, 40, 30, 20, 10}),
       "5", 11},
      {"a new game began: no points, below the empty places", Records({50}), "0", 11},
  };
  for (const auto& [name, before, score, rank] : kCases) {
    SCOPED_TRACE(name);
    TestGame g;
    if (!before.empty())
      WriteFile(g.HighscorePath(), before);
    g.window.score = score;
    g.highscore.name = " Zoë ";
    g.highscore.date = "12/08/2026 01:06:03 AM";
    g.game.highscore().Form3_cmdWeiter_Click();

    const std::string file = ReadFile(g.HighscorePath());
    ASSERT_EQ(file.size(), 429u);
    const auto points = static_cast<std::int16_t>(std::stoi(score));
    const std::string entry = Record(points, " Zo\xEB ", "12/08/2026 01:06:");
    EXPECT_EQ(file.substr(39 * (rank - 1), 39), entry);
    // The others keep their order; the rest of the list is empty entries.
    std::string others = file;
    others.erase(39 * (rank - 1), 39);
    std::string expected = before.size() >= 39 ? before.substr(0, before.size() / 39 * 39) : "";
    if (before.size() == 38)
      expected = Record(9, "A", "01.01.26 10:00:0");
    expected = expected.substr(0, 39 * 10);
    while (expected.size() < 39 * 10)
      expected += kEmptyRecord;
    EXPECT_EQ(others, expected);
    EXPECT_EQ(g.highscore.rows[rank - 1],
              std::string(score) + "| Zoë " + std::string(15, ' ') + "|12/08/2026 01:06:");
    EXPECT_EQ(g.highscore.calls,
              (std::vector<std::string>{"clear name", "focus name", "entry hidden", "list shown",
                                        "focus go on"}));
  }
}

TEST(HighscoreFile, RecordsBeyondTheEleventhStayByteForByte) {
  TestGame g;
  std::string bytes(1000, '\x5A');
  WriteFile(g.HighscorePath(), bytes);
  g.window.score = "7";
  g.game.highscore().Form3_cmdWeiter_Click();
  EXPECT_EQ(ReadFile(g.HighscorePath()).substr(429), bytes.substr(429));
  g.game.highscore().cmdJa_Click();
  std::string cleared;
  for (int i = 0; i < 11; ++i)
    cleared += kEmptyRecord;
  EXPECT_EQ(ReadFile(g.HighscorePath()), cleared + bytes.substr(429));
}

TEST(Reset, YesWritesElevenEmptyRecordsAndShowsThemNoLeavesTheFile) {
  TestGame g;
  const std::string before = Records({80, 70});
  WriteFile(g.HighscorePath(), before);
  g.game.highscore().cmdNein_Click();
  EXPECT_EQ(ReadFile(g.HighscorePath()), before);
  g.game.highscore().cmdJa_Click();
  std::string cleared;
  for (int i = 0; i < 11; ++i)
    cleared += kEmptyRecord;
  EXPECT_EQ(ReadFile(g.HighscorePath()), cleared);
  EXPECT_EQ(g.highscore.rows[0], "0|" + std::string(20, ' ') + "|" + std::string(17, ' '));
  EXPECT_EQ(g.highscore.calls,
            (std::vector<std::string>{"question hidden", "question hidden", "list shown"}));
}

// Read once at start-up: neither a new entry nor a reset in the same run changes it.
TEST(MindestPunkte, IsTheTenthEntryAtStartUpAndAFinalScoreMustBeatIt) {
  for (const std::int16_t final_score : {50, 51}) {
    SCOPED_TRACE(final_score);
    TestGame g;
    WriteFile(g.HighscorePath(), Records({90, 90, 90, 90, 90, 90, 90, 90, 90, 50}));
    g.game.Form_Load();
    EXPECT_EQ(g.game.MindestPunkte, 50);
    g.game.highscore().cmdJa_Click();
    g.game.Form_Load();
    EXPECT_EQ(g.game.MindestPunkte, 0);  // a new start reads the cleared list
  }
}

// A directory of that name can be neither read nor written: the list reads as empty, and a new
// entry that could not be stored is not shown as if it had been.
TEST(HighscoreFile, AnUnusableFileReadsAsEmptyAndNothingCrashes) {
  TestGame g;
  std::filesystem::remove(g.HighscorePath());  // the start-up created it empty
  std::filesystem::create_directory(g.HighscorePath());
  g.game.Form_Load();
  EXPECT_EQ(g.game.MindestPunkte, 0);
  g.window.score = "99";
  g.game.highscore().Form3_cmdWeiter_Click();
  for (const std::string& row : g.highscore.rows) {
    EXPECT_EQ(row, "0|" + std::string(20, ' ') + "|" + std::string(17, ' '));
  }
  g.game.highscore().cmdJa_Click();
  g.game.cmdHighscoreAnzeigen_Click();
  EXPECT_TRUE(std::filesystem::is_directory(g.HighscorePath()));
}

// A list that may be read but not written shows what it holds, before a new entry and after it,
// and neither the entry nor a reset changes a byte of it.
TEST(HighscoreFile, AReadOnlyFileIsShownAndLeftAsItWas) {
  TestGame g;
  const std::string before = Records({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
  WriteFile(g.HighscorePath(), before);
  using std::filesystem::perms;
  std::filesystem::permissions(g.HighscorePath(),
                               perms::owner_read | perms::group_read | perms::others_read);
  if (::access(g.HighscorePath().c_str(), W_OK) == 0)
    GTEST_SKIP() << "this user may write a file of mode 0444 (root, say)";
  const auto expect_the_files_list = [&] {
    EXPECT_EQ(ReadFile(g.HighscorePath()), before);
    for (std::size_t i = 0; i < 10; ++i) {
      EXPECT_EQ(g.highscore.rows[i], std::to_string(100 - 10 * i) + "|" +
                                         std::string(1, static_cast<char>('A' + i)) +
                                         std::string(19, ' ') + "|01.01.26 10:00:00");
    }
    EXPECT_EQ(g.highscore.rows[10], "0|" + std::string(20, ' ') + "|" + std::string(17, ' '));
  };
  g.game.Form_Load();
  EXPECT_EQ(g.game.MindestPunkte, 10);
  g.window.score = "95";
  g.game.highscore().Form3_cmdWeiter_Click();
  expect_the_files_list();
  g.highscore.rows = {};
  g.game.highscore().cmdJa_Click();
  expect_the_files_list();
}

}  // namespace
}  // namespace kaldora::testing
