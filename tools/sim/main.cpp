// kaldora-sim: plays whole games through the game's logic with a seeded generator and a simple
// player, checks the board's rules after every event, and prints what happened. Everything on
// standard output depends on the seed alone; the speed goes to standard error.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "board/game.h"
#include "fakes/fakes.h"
#include "tools/sim/check.h"
#include "tools/sim/policy.h"

namespace kaldora::sim {
namespace {

struct Options {
  std::int64_t games = 1000;
  std::uint64_t seed = 1;
  bool random = true;
  bool greedy = true;
  std::int64_t max_moves = 100000;  // a game that lasts longer counts as one that never ends
  int hang_seconds = 60;            // an event that takes longer counts as one that never ends
};

struct PolicyFigures {
  std::int64_t games = 0;
  std::int64_t moves = 0;
  std::int64_t stuck = 0;  // no square could be dragged any more
  std::int64_t score_sum = 0;
  int score_max = 0;
};

struct Figures {
  PolicyFigures random, greedy;
  std::int64_t new_squares = 0;
  std::int64_t jokers = 0;
  std::int64_t drawn = 0;  // moves on which the chance events were drawn
  std::int64_t chance_colours = 0;
  std::int64_t chance_stones = 0;
  std::int64_t rows = 0;
  std::int64_t quads = 0;
  std::int64_t quad_colours = 0;  // colour dissolutions set off by quads
  std::int64_t checks = 0;
  std::int64_t violations = 0;
  double core_seconds = 0;         // within the drops alone
  std::vector<float> drop_micros;  // each drop's own time
};

// Read by the watchdog, which cannot stop a procedure that runs forever but can say where it is.
std::atomic<std::int64_t> g_events{0};
std::atomic<std::int64_t> g_game{0};
std::atomic<std::int64_t> g_move{0};

void StartWatchdog(int seconds) {
  std::thread([seconds] {
    std::int64_t last = -1;
    int still = 0;
    for (;;) {
      std::this_thread::sleep_for(std::chrono::seconds(1));
      const std::int64_t now = g_events.load(std::memory_order_relaxed);
      still = now == last ? still + 1 : 0;
      last = now;
      if (still >= seconds) {
        std::fprintf(stdout, "violation: game %" PRId64 ", move %" PRId64 ": no end after %d s\n",
                     g_game.load(), g_move.load(), seconds);
        std::fflush(stdout);
        std::_Exit(3);
      }
    }
  }).detach();
}

double Percent(std::int64_t part, std::int64_t whole) {
  return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

class Simulation {
 public:
  explicit Simulation(const Options& options)
      : options_(options),
        clock_(options.seed * 0x9E3779B97F4A7C15ull),
        random_(clock_),
        game_(fakes_.Wire("/dev/null"), random_),
        dice_(options.seed) {
    fakes_.StopRecording();
    game_.Form_Load();
  }

  Figures Run() {
    for (std::int64_t g = 0; g < options_.games; ++g) {
      const bool greedy = options_.greedy && (!options_.random || g % 2 == 0);
      PlayGame(g, greedy ? Policy::Greedy : Policy::Random, greedy ? f_.greedy : f_.random);
    }
    const testing::EventCounts& told = fakes_.report.counts;
    f_.rows = told.rows;
    f_.quads = told.quads;
    f_.quad_colours = told.quad_colours;
    f_.new_squares = told.new_squares;  // the three of each start among them
    f_.jokers = told.jokers;
    return f_;
  }

 private:
  void Check(const char* event) {
    ++f_.checks;
    g_events.fetch_add(1, std::memory_order_relaxed);
    const std::string broken =
        BrokenRule(game_, fakes_.display, fakes_.window, fakes_.timer, expected_);
    if (!broken.empty())
      Violation(std::string("after the ") + event + ": " + broken);
  }

  void Violation(const std::string& what) {
    if (++f_.violations <= 10)
      std::printf("violation: game %" PRId64 ", move %" PRId64 ", %s\n", g_game.load(),
                  g_move.load(), what.c_str());
  }

  void FirePendingTick(const char* event) {
    if (fakes_.timer.Enabled()) {
      game_.tmrTimer_Timer();
      Check(event);
    }
  }

  void PlayGame(std::int64_t g, Policy policy, PolicyFigures& pf) {
    g_game = g;
    g_move = 0;
    const testing::EventCounts before = fakes_.report.counts;
    expected_ = Expected{};
    // A tick may still be pending from the end of the last game; Start does not stop it.
    game_.cmdSpielStarten_Click();
    Check("start");

    bool over = false;
    std::int64_t move = 0;
    for (; move < options_.max_moves && !over; ++move) {
      g_move = move;
      FirePendingTick("tick");
      const std::optional<Drop> drop = Choose(policy, game_.board(), dice_);
      if (!drop) {
        ++pf.stuck;
        break;
      }
      over = Move(*drop, before);
    }
    if (!over && move == options_.max_moves)
      Violation("the game did not end within " + std::to_string(options_.max_moves) + " moves");
    FirePendingTick("tick after the end");

    const int score = game_.state().Punkte;
    ++pf.games;
    pf.moves += move;
    pf.score_sum += score;
    pf.score_max = std::max(pf.score_max, score);
  }

  // One drop and its checks; true when it ended the game.
  bool Move(Drop drop, const testing::EventCounts& game_start) {
    const Board& board = game_.board();
    Kinds after = KindsOf(board);
    const bool accepted =
        board[drop.target].Picture == nullptr && board[drop.source].Picture != nullptr;
    if (accepted) {
      after[static_cast<std::size_t>(drop.target)] = after[static_cast<std::size_t>(drop.source)];
      after[static_cast<std::size_t>(drop.source)] = kFreeKind;
    }
    const bool successful = AnythingComplete(after);
    const testing::EventCounts& told = fakes_.report.counts;
    const testing::EventCounts before = told;

    const auto start = std::chrono::steady_clock::now();
    game_.picP_DragDrop(drop.target, drop.source);
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    f_.core_seconds += took;
    f_.drop_micros.push_back(static_cast<float>(took * 1e6));

    const bool over = told.games_over > before.games_over;
    expected_.rows = told.rows - game_start.rows;
    expected_.quads = told.quads - game_start.quads;
    expected_.enabled = !over;
    Check("move");
    CheckReport(before, accepted);

    const std::int64_t chance_colours = told.chance_colours - before.chance_colours;
    const std::int64_t new_stones = told.blackstones - before.blackstones;
    if (successful && told.new_squares != before.new_squares)
      Violation("a move that completed something brought new squares");
    if (told.quad_colours - before.quad_colours != told.quads - before.quads)
      Violation("a quad without exactly one colour dissolution");
    // An unsuccessful move that the new squares did not end draws the two chance events.
    if (!successful && !game_.state().SpielEnde) {
      ++f_.drawn;
      f_.chance_colours += chance_colours;
      f_.chance_stones += new_stones;
      if (chance_colours > 1 || new_stones > 1)
        Violation("more than one chance event of a kind on one move");
    } else if (chance_colours != 0 || new_stones != 0) {
      Violation("a chance event on a move that did not draw them");
    }
    return over;
  }

  // What the move reported against what the simulator saw: the drop told once, as moved exactly
  // when it was accepted, and the score the last row, quad or game over told being the game's.
  void CheckReport(const testing::EventCounts& before, bool accepted) {
    const testing::EventCounts& told = fakes_.report.counts;
    if (told.moved - before.moved != (accepted ? 1 : 0) ||
        told.refused - before.refused != (accepted ? 0 : 1))
      Violation(std::string("the drop was not reported once as ") +
                (accepted ? "moved" : "refused"));
    const bool scored = told.rows != before.rows || told.quads != before.quads ||
                        told.games_over != before.games_over;
    if (scored && told.score != game_.state().Punkte)
      Violation("the score told " + std::to_string(told.score) + ", the game's " +
                std::to_string(game_.state().Punkte));
  }

  const Options& options_;
  testing::FakeClock clock_;
  Random random_;
  // The simulator fires the tick itself; nothing waits in a move, which takes microseconds.
  testing::FakePorts fakes_;
  Game game_;
  PlayerDice dice_;
  Expected expected_;
  Figures f_;
};

void PrintPolicy(const char* name, const PolicyFigures& p) {
  if (p.games == 0)
    return;
  const double games = static_cast<double>(p.games);
  std::printf("%-7s %" PRId64 " games, %" PRId64 " moves (%.1f a game), score mean %.2f max %d",
              name, p.games, p.moves, static_cast<double>(p.moves) / games,
              static_cast<double>(p.score_sum) / games, p.score_max);
  if (p.stuck > 0)
    std::printf(", %" PRId64 " left with nothing to drag", p.stuck);
  std::printf("\n");
}

int Usage() {
  std::fprintf(stderr,
               "usage: kaldora-sim [--games N] [--seed S] [--policy random|greedy|both]\n"
               "                   [--max-moves N] [--hang-seconds N]\n");
  return 2;
}

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc)
      return false;
    const char* value = argv[++i];
    char* end = nullptr;
    const unsigned long long n = std::strtoull(value, &end, 10);
    const bool number = *value != '\0' && *end == '\0';
    if (arg == "--games" && number)
      o.games = static_cast<std::int64_t>(n);
    else if (arg == "--seed" && number)
      o.seed = n;
    else if (arg == "--max-moves" && number && n > 0)
      o.max_moves = static_cast<std::int64_t>(n);
    else if (arg == "--hang-seconds" && number && n > 0)
      o.hang_seconds = static_cast<int>(n);
    else if (arg == "--policy" && std::strcmp(value, "random") == 0)
      o.greedy = false;
    else if (arg == "--policy" && std::strcmp(value, "greedy") == 0)
      o.random = false;
    else if (!(arg == "--policy" && std::strcmp(value, "both") == 0))
      return false;
  }
  return true;
}

}  // namespace
}  // namespace kaldora::sim

int main(int argc, char** argv) {
  using namespace kaldora::sim;
  Options options;
  if (!Parse(argc, argv, options))
    return Usage();
  StartWatchdog(options.hang_seconds);

  const auto start = std::chrono::steady_clock::now();
  Simulation simulation(options);
  const Figures f = simulation.Run();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("kaldora-sim: %" PRId64 " games from seed %" PRIu64 "\n", options.games,
              options.seed);
  PrintPolicy("greedy", f.greedy);
  PrintPolicy("random", f.random);
  std::printf("rows %" PRId64 ", quads %" PRId64 ", colour dissolutions after quads %" PRId64 "\n",
              f.rows, f.quads, f.quad_colours);
  std::printf("new squares %" PRId64 ", jokers %" PRId64 " = %.2f %% (2.51 %% expected)\n",
              f.new_squares, f.jokers, Percent(f.jokers, f.new_squares));
  std::printf("chance events drawn on %" PRId64 " moves: colour dissolutions %" PRId64
              " = %.2f %% (1.41 %% expected), blackstones %" PRId64
              " = %.2f %% (3.85 %% expected)\n",
              f.drawn, f.chance_colours, Percent(f.chance_colours, f.drawn), f.chance_stones,
              Percent(f.chance_stones, f.drawn));
  std::printf("invariant checks %" PRId64 ", violations %" PRId64 "\n", f.checks, f.violations);

  const std::int64_t moves = f.greedy.moves + f.random.moves;
  std::vector<float> micros = f.drop_micros;
  const auto at = [&micros](double q) {
    if (micros.empty())
      return 0.0f;
    const auto i =
        micros.begin() + static_cast<std::ptrdiff_t>(q * static_cast<double>(micros.size() - 1));
    std::nth_element(micros.begin(), i, micros.end());
    return *i;
  };
  std::fprintf(stderr, "a drop takes %.2f us median, %.2f us at the 99th percentile\n", at(0.5),
               at(0.99));
  std::fprintf(stderr,
               "%" PRId64
               " moves in %.2f s: %.0f moves per second with the players and checks, "
               "%.0f in the drops alone\n",
               moves, seconds, seconds > 0 ? static_cast<double>(moves) / seconds : 0.0,
               f.core_seconds > 0 ? static_cast<double>(moves) / f.core_seconds : 0.0);
  return f.violations == 0 ? 0 : 1;
}
