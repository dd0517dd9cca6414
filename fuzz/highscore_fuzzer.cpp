// libFuzzer target: arbitrary bytes as "P1.dat", put through everything the game does with the
// file. The start-up read and the list read change nothing; an insertion and a reset rewrite
// records 1 to 11 and leave every byte from the twelfth record on as it was.
//   build-fuzz/fuzz/highscore_fuzzer -max_total_time=600 build-fuzz/fuzz/corpus fuzz/corpus
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "fakes/fakes.h"
#include "highscore/highscore.h"

namespace kaldora::testing {
namespace {

constexpr std::size_t kListSize = kHighscorePlaces * kRecordSize;  // 429

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "highscore_fuzzer: %s\n", what);
    std::abort();
  }
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::int16_t PointsAt(const std::string& bytes, std::size_t at) {
  const auto byte = [&](std::size_t i) { return i < bytes.size() ? std::uint8_t(bytes[i]) : 0; };
  return static_cast<std::int16_t>(byte(at) | byte(at + 1) << 8);
}

// Every byte from the twelfth record on is the input's.
bool TailKept(const std::string& now, const std::string& input) {
  return input.size() <= kListSize ||
         now.compare(kListSize, std::string::npos, input, kListSize) == 0;
}

}  // namespace

void Run(const std::uint8_t* data, std::size_t size) {
  static TempFolder folder;
  const std::string path = folder.path + "/P1.dat";
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << input;

  FakeHighscore views;
  views.name = "Jürgen aus dem Fuzzwald";
  Module1 m;
  m.Punkte = 300;
  Highscore highscore(HighscorePorts{views, views, views, views, path}, m);

  Check(highscore.ReadMindestPunkte() == PointsAt(input, 9 * kRecordSize), "MindestPunkte");
  highscore.FillRowsFromFile();
  Check(ReadAll(path) == input, "reading changed the file");

  highscore.Form3_cmdWeiter_Click();
  std::string now = ReadAll(path);
  Check(now.size() == std::max(input.size(), kListSize) && TailKept(now, input),
        "the insertion wrote outside records 1 to 11");
  bool entered = false;
  for (std::size_t n = 0; n < kHighscorePlaces; ++n) {
    const std::size_t at = n * kRecordSize;
    Check(n == 0 || PointsAt(now, at) <= PointsAt(now, at - kRecordSize), "records out of rank");
    entered |= PointsAt(now, at) == 300 &&
               now.compare(at + 2, 37, "J\xFCrgen aus dem Fuzzw08.12.26 01:06:03") == 0;
  }
  Check(entered, "the new entry is not among the records");

  highscore.cmdJa_Click();
  now = ReadAll(path);
  std::string cleared;
  for (std::size_t n = 0; n < kHighscorePlaces; ++n)
    cleared += std::string(2, '\0') + std::string(37, ' ');
  Check(now.size() == std::max(input.size(), kListSize) &&
            now.compare(0, kListSize, cleared) == 0 && TailKept(now, input),
        "the reset did not clear exactly records 1 to 11");
}

}  // namespace kaldora::testing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kaldora::testing::Run(data, size);
  return 0;
}
