// The highscore file as the game uses it: the qualifying score, a new entry, and a reset.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "fakes/fakes.h"

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

TEST(NameEntry, GoOnStoresTheGamesScoreAndRanksAllElevenEntries) {
  const std::tuple<const char*, std::string, std::int16_t, int> kCases[] = {
      // the file before, the score at the click, the new entry's rank (1..11)
      {"into a missing file", "", 300, 1},
      {"into a file of 38 bytes", Records({9}).substr(0, 38), 10, 1},
      {"above every stored entry", Records({50, 40, 30}), 60, 1},
      {"equal points rank below", Records({50, 40, 30}), 40, 3},
      {"fewer than all ten drop out at once", Records({100, 90, 80, 70, 60, 50, 40, 30, 20, 10}), 5,
       11},
      {"a new game began: no points, below the empty places", Records({50}), 0, 11},
  };
  for (const auto& [name, before, score, rank] : kCases) {
    SCOPED_TRACE(name);
    TestGame g;
    if (!before.empty())
      WriteFile(g.HighscorePath(), before);
    g.game.state().Punkte = score;
    g.highscore.name = " Zoë ";
    g.highscore.date = "12/08/2026 01:06:03 AM";
    g.game.highscore().Form3_cmdWeiter_Click();

    const std::string file = ReadFile(g.HighscorePath());
    ASSERT_EQ(file.size(), 429u);
    const std::string entry = Record(score, " Zo\xEB ", "12/08/2026 01:06:");
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
              std::to_string(score) + "| Zoë " + std::string(15, ' ') + "|12/08/2026 01:06:");
    EXPECT_EQ(g.highscore.calls,
              (std::vector<std::string>{"clear name", "focus name", "entry hidden", "list shown",
                                        "focus go on"}));
  }
}

TEST(HighscoreFile, RecordsBeyondTheEleventhStayByteForByte) {
  TestGame g;
  std::string bytes(1000, '\x5A');
  WriteFile(g.HighscorePath(), bytes);
  g.game.state().Punkte = 7;
  g.game.highscore().Form3_cmdWeiter_Click();
  EXPECT_EQ(ReadFile(g.HighscorePath()).substr(429), bytes.substr(429));
  g.game.highscore().cmdJa_Click();
  std::string cleared;
  for (int i = 0; i < 11; ++i)
    cleared += kEmptyRecord;
  EXPECT_EQ(ReadFile(g.HighscorePath()), cleared + bytes.substr(429));
}

// Neither a folder by the name a save might take nor what a killed save left blocks the next one;
// the game's own leftovers go with it.
TEST(HighscoreFile, ASaveIsNotBlockedByNamesBesideTheListAndClearsItsLeftovers) {
  namespace fs = std::filesystem;
  TestGame g;
  WriteFile(g.HighscorePath(), Records({50}));
  const fs::path folder = fs::path(g.HighscorePath()).parent_path();
  fs::create_directory(folder / ".P1.dat.new");
  WriteFile(folder / ".P1.dat.new.Ab12Cd", "half a list");
  g.game.state().Punkte = 45;
  const StoreOutcome outcome = g.game.highscore().Form3_cmdWeiter_Click();
  EXPECT_TRUE(outcome.stored) << outcome.why;
  EXPECT_EQ(ReadFile(g.HighscorePath()).substr(39, 39), Record(45, "", "08.12.26 01:06:03"));
  std::vector<std::string> beside;
  for (const auto& entry : fs::directory_iterator(folder))
    beside.push_back(entry.path().filename().string());
  std::sort(beside.begin(), beside.end());
  EXPECT_EQ(beside, (std::vector<std::string>{".P1.dat.new", "P1.dat"}));
}

// Two copies store at once, one of them for longer than any limit a copy might wait (slow storage,
// a stopped copy), in a folder the player may write but not read, as a user who cannot read it
// either: the other waits, its window's events running, and both entries are kept; what a killed
// save left there goes.
TEST(HighscoreFile, ACopyWaitsForAnotherCopysLongSaveAndBothEntriesAreKept) {
  namespace fs = std::filesystem;
  const TempFolder scratch;
  const std::string folder = scratch.path + "/list";
  const std::string path = folder + "/P1.dat";
  constexpr uid_t kNobody = 65534;
  const uid_t player = ::geteuid() == 0 ? kNobody : ::geteuid();
  fs::permissions(scratch.path, fs::perms::others_exec, std::filesystem::perm_options::add);
  fs::create_directory(folder);
  WriteFile(path, Records({50, 40, 30}));
  const std::string leftover = folder + "/.P1.dat.new." + std::to_string(player);
  WriteFile(leftover, "half a list");
  if (::geteuid() == 0) {
    for (const std::string& p : {folder, path, leftover})
      ASSERT_EQ(::chown(p.c_str(), kNobody, kNobody), 0);
  }
  fs::permissions(folder, fs::perms::owner_write | fs::perms::owner_exec | fs::perms::group_write |
                              fs::perms::group_exec | fs::perms::others_write |
                              fs::perms::others_exec);
  int locked[2];
  ASSERT_EQ(::pipe(locked), 0);
  // Each copy adds its entry to the list it reads; the first holds the list 3.5 s before it lets
  // go.
  const auto copy = [&](const char* name, std::int16_t points, bool slow) -> int {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
      return 2;
    int waits = 0;
    const StoreOutcome outcome = ReplaceList(
        path,
        [&](const HighscoreList& list) {
          HighscoreList ranked = list;
          ranked[10].Wert = points;
          ranked[10].Person.Assign(name);
          std::stable_sort(ranked.begin(), ranked.end(),
                           [](const auto& a, const auto& b) { return a.Wert > b.Wert; });
          if (slow) {
            (void)!::write(locked[1], "x", 1);
            ::usleep(3'500'000);
          }
          return ranked;
        },
        [&] { ++waits; });
    return outcome.stored && (slow || waits > 0) ? 0 : 1;
  };
  const pid_t slow = ::fork();
  if (slow == 0)
    ::_exit(copy("Slow", 45, true));
  char byte = 0;
  ASSERT_EQ(::read(locked[0], &byte, 1), 1);
  const pid_t quick = ::fork();
  if (quick == 0)
    ::_exit(copy("Quick", 35, false));
  int slow_status = 0, quick_status = 0;
  ::waitpid(slow, &slow_status, 0);
  ::waitpid(quick, &quick_status, 0);
  fs::permissions(folder, fs::perms::owner_all);
  EXPECT_EQ(slow_status, 0);
  EXPECT_EQ(quick_status, 0) << "the second copy stored without waiting, or not at all";
  const std::string list = ReadFile(path);
  EXPECT_EQ(list.substr(0, 39 * 5), Record(50, "A", "01.01.26 10:00:00") + Record(45, "Slow") +
                                        Record(40, "B", "01.01.26 10:00:00") + Record(35, "Quick") +
                                        Record(30, "C", "01.01.26 10:00:00"));
  std::vector<std::string> beside;
  for (const auto& entry : fs::directory_iterator(folder))
    beside.push_back(entry.path().filename().string());
  EXPECT_EQ(beside, std::vector<std::string>{"P1.dat"});
}

// Gigabytes after the list, here a sparse file: they are neither read nor written again.
TEST(HighscoreFile, ANewEntryInAHugeFileChangesOnlyTheList) {
  TestGame g;
  WriteFile(g.HighscorePath(), Records({50, 40}));
  constexpr off_t kSize = off_t{1} << 30;
  ASSERT_EQ(::truncate(g.HighscorePath().c_str(), kSize), 0);
  g.game.state().Punkte = 45;
  const StoreOutcome outcome = g.game.highscore().Form3_cmdWeiter_Click();
  EXPECT_TRUE(outcome.stored) << outcome.why;
  struct stat info {};
  ASSERT_EQ(::stat(g.HighscorePath().c_str(), &info), 0);
  EXPECT_EQ(info.st_size, kSize);
  EXPECT_LT(info.st_blocks * 512, 1 << 20);  // still sparse
  std::ifstream in(g.HighscorePath(), std::ios::binary);
  std::string list(429, '\0');
  in.read(list.data(), 429);
  EXPECT_EQ(list.substr(39, 39), Record(45, "", "08.12.26 01:06:03"));
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

// The new list takes the old file's place as the old file was: a second hard link to it sees the
// new list, and an owner other than the player (which root may give) stays.
TEST(HighscoreFile, TheNewListKeepsTheFilesLinksAndOwner) {
  namespace fs = std::filesystem;
  const std::tuple<const char*, std::function<void(const std::string&)>,
                   std::function<bool(const std::string&)>>
      kCases[] = {
          // how the file is, how it is after the insertion
          {"a second hard link", [](const std::string& p) { fs::create_hard_link(p, p + ".link"); },
           [](const std::string& p) { return ReadFile(p + ".link") == ReadFile(p); }},
          {"another owner",
           [](const std::string& p) {
             if (::chown(p.c_str(), 65534, 65534) != 0)
               GTEST_SKIP() << "only root may give the file away";
           },
           [](const std::string& p) {
             struct stat info {};
             return ::stat(p.c_str(), &info) == 0 && info.st_uid == 65534 && info.st_gid == 65534;
           }},
      };
  for (const auto& [name, make, kept] : kCases) {
    SCOPED_TRACE(name);
    TestGame g;
    WriteFile(g.HighscorePath(), Records({50, 40}));
    make(g.HighscorePath());
    g.game.state().Punkte = 45;
    EXPECT_TRUE(g.game.highscore().Form3_cmdWeiter_Click().stored);
    EXPECT_EQ(ReadFile(g.HighscorePath()).substr(39, 39), Record(45, "", "08.12.26 01:06:03"));
    EXPECT_TRUE(kept(g.HighscorePath()));
  }
}

// The records a new entry moves down are written back as the file held them, also bytes that no
// character stands for: an undefined byte of Windows-1252, a zero byte inside a name, other
// programs' date formats.
TEST(NameEntry, GoOnKeepsEveryOtherRecordByteForByte) {
  TestGame g;
  std::string before = Records({90, 80, 70, 60, 50, 40, 30, 20, 10, 5});
  before.replace(2, 4, "A\x81\x8D\x90");
  before.replace(39 + 4, 3, std::string("\0\0b", 3));
  before.replace(2 * 39 + 22, 17, "2026-01-01T10:00Z");
  WriteFile(g.HighscorePath(), before);
  g.game.state().Punkte = 75;
  ASSERT_TRUE(g.game.highscore().Form3_cmdWeiter_Click().stored);
  const std::string file = ReadFile(g.HighscorePath());
  ASSERT_EQ(file.size(), 429u);
  EXPECT_EQ(file.substr(0, 2 * 39), before.substr(0, 2 * 39));
  EXPECT_EQ(file.substr(3 * 39, 8 * 39), before.substr(2 * 39, 8 * 39));
}

// An entry that cannot be stored is shown ranked among what the file holds, the outcome says why,
// and neither the entry nor a reset changes a byte of the file or leaves anything beside it.
TEST(HighscoreFile, AnEntryThatCannotBeStoredIsShownRankedAndTheFileStaysAsItWas) {
  using std::filesystem::perms;
  namespace fs = std::filesystem;
  const std::string ten = Records({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
  const std::tuple<const char*, std::function<void(const std::string&)>, bool> kCases[] = {
      // how P1.dat is made unusable, whether its list can still be read
      {"a directory", [](const std::string& p) { fs::create_directory(p); }, false},
      {"a FIFO", [](const std::string& p) { ::mkfifo(p.c_str(), 0644); }, false},
      {"a symbolic link into a missing folder",
       [](const std::string& p) { fs::create_symlink("missing/P1.dat", p); }, false},
      {"a file that may be read, not written",
       [&](const std::string& p) {
         WriteFile(p, ten);
         fs::permissions(p, perms::owner_read | perms::group_read | perms::others_read);
       },
       true},
      {"a folder that may not be written",
       [&](const std::string& p) {
         WriteFile(p, ten);
         fs::permissions(p, perms::owner_read | perms::group_read | perms::others_read);
         fs::permissions(fs::path(p).parent_path(), perms::owner_read | perms::owner_exec);
       },
       true},
      // As a full disk: no write gets further than 100 bytes.
      {"a file size limit", [&](const std::string& p) { WriteFile(p, ten); }, true},
  };
  for (const auto& [name, spoil, readable] : kCases) {
    SCOPED_TRACE(name);
    TestGame g;
    fs::remove(g.HighscorePath());  // the start-up created it empty
    spoil(g.HighscorePath());
    const bool writable = ::access(g.HighscorePath().c_str(), W_OK) == 0;
    if (readable && writable && std::string_view(name) != "a file size limit") {
      fs::permissions(g.folder.path, perms::owner_all);
      continue;  // this user may write a file of mode 0444 (root, say)
    }
    const auto contents = [&] {
      std::vector<std::string> all;
      for (const auto& entry : fs::directory_iterator(g.folder.path)) {
        all.push_back(entry.path().filename().string() + "=" +
                      (entry.is_regular_file() ? ReadFile(entry.path()) : "?"));
      }
      return all;
    };
    const auto before = contents();
    g.game.Form_Load();
    EXPECT_EQ(g.game.MindestPunkte, readable ? 10 : 0);

    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    rlimit small = limit;
    if (std::string_view(name) == "a file size limit")
      small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    g.game.state().Punkte = 95;
    const StoreOutcome entered = g.game.highscore().Form3_cmdWeiter_Click();
    const auto rows = g.highscore.rows;
    const StoreOutcome reset = g.game.highscore().cmdJa_Click();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    fs::permissions(g.folder.path, perms::owner_all);

    EXPECT_FALSE(entered.stored);
    EXPECT_FALSE(reset.stored);
    EXPECT_TRUE(entered.why.starts_with(g.HighscorePath() + ": ")) << entered.why;
    EXPECT_EQ(contents(), before);
    const std::string blank = "0|" + std::string(20, ' ') + "|" + std::string(17, ' ');
    const std::string neu = "95|" + std::string(20, ' ') + "|08.12.26 01:06:03";
    for (std::size_t i = 0; i < 11; ++i) {
      std::string expected = i == 0 ? neu : blank;
      if (readable) {
        const std::size_t stored = i < 1 ? i : i - 1;  // the new entry ranks second
        expected = i == 1 ? neu
                          : std::to_string(100 - 10 * stored) + "|" +
                                std::string(1, static_cast<char>('A' + stored)) +
                                std::string(19, ' ') + "|01.01.26 10:00:00";
      }
      EXPECT_EQ(rows[i], expected) << "row " << i;
    }
  }
}

}  // namespace
}  // namespace kaldora::testing
