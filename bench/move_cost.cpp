// Plays the benchmarks' unsuccessful move a number of times, for callgrind to count the
// instructions of OneMove alone (bench/instructions.sh).
#include <cstdio>
#include <cstdlib>

#include "bench/rig.h"

namespace kaldora::bench {

[[gnu::noinline]] void OneMove(Game& game) {
  game.picP_DragDrop(kUnsuccessfulTarget, kUnsuccessfulSource);
}

}  // namespace kaldora::bench

int main(int argc, char** argv) {
  using namespace kaldora::bench;
  const int moves = argc > 1 ? std::atoi(argv[1]) : 1000;
  HeadlessGame h;
  for (int i = 0; i < moves; ++i) {
    Lay(h.game.board(), Fill::Half);
    h.random.Seed(1);
    OneMove(h.game);
  }
  std::printf("%d unsuccessful moves, %lld rows\n", moves,
              static_cast<long long>(h.fakes.report.counts.rows));
  return h.fakes.report.counts.rows + h.fakes.report.counts.quads == 0 ? 0 : 1;
}
