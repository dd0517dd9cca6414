// Google Benchmark of the logic: a detection pass, a whole unsuccessful move, a tree's geometry.
#include <benchmark/benchmark.h>

#include "bench/rig.h"

namespace kaldora::bench {
namespace {

void BM_DetectionPass(benchmark::State& state) {
  HeadlessGame h;
  Lay(h.game.board(), static_cast<Fill>(state.range(0)));
  for (auto _ : state) {
    DetectionPass(h.game);
    benchmark::DoNotOptimize(h.game.state().QuadrateUntenGefunden);
  }
}
BENCHMARK(BM_DetectionPass)->ArgName("fill")->Arg(0)->Arg(1)->Arg(2);  // empty, half, full

// The drop, the search, Neufelder, the second search and both chance events with their reseeds.
// The board is laid again outside the timing, and the generator seeded alike, so that every
// iteration places the same new squares; the chance events follow the real clock.
void BM_UnsuccessfulMove(benchmark::State& state) {
  HeadlessGame h;
  for (auto _ : state) {
    state.PauseTiming();
    Lay(h.game.board(), Fill::Half);
    h.random.Seed(1);
    state.ResumeTiming();
    h.game.picP_DragDrop(kUnsuccessfulTarget, kUnsuccessfulSource);
  }
  if (h.fakes.report.counts.rows + h.fakes.report.counts.quads > 0)
    state.SkipWithError("a move completed something");
}
BENCHMARK(BM_UnsuccessfulMove);

void BM_TreeGeometry(benchmark::State& state) {
  HeadlessGame h;
  for (auto _ : state)
    h.game.NeuerBaum();
}
BENCHMARK(BM_TreeGeometry);

}  // namespace
}  // namespace kaldora::bench

BENCHMARK_MAIN();
