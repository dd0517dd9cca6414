// Google Benchmark of the windows, offscreen: a tree painted on the canvas, and the whole main
// window repainted into an image.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <string>

#include "board/random.h"
#include "control/sound.h"
#include "window/qt/form1.h"

namespace kaldora::bench {
namespace {

struct Window {
  Window() {
    form.show();
    QApplication::processEvents();
  }
  SystemClock clock;
  Random random{clock};
  SilentSound sound;
  Form1 form{random, sound};
};

// Clears the canvas, lets waiting events run once and draws every branch into the canvas image.
void BM_PaintTree(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.form.game().NeuerBaum();
    benchmark::DoNotOptimize(w.form.picCanvas()->image().constBits());
  }
}
BENCHMARK(BM_PaintTree)->Unit(benchmark::kMicrosecond);

void BM_RepaintMainWindow(benchmark::State& state) {
  Window w;
  w.form.game().cmdSpielStarten_Click();
  QImage image(w.form.size() * w.form.devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(w.form.devicePixelRatio());
  for (auto _ : state) {
    w.form.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_RepaintMainWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kaldora::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // The main window reads and creates P1.dat in the working directory: give it a folder of its own.
  std::string folder = "/tmp/kaldora-bench-XXXXXX";
  if (::mkdtemp(folder.data()) == nullptr || ::chdir(folder.c_str()) != 0)
    return 1;
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ::unlink("P1.dat");
  ::rmdir(folder.c_str());
  return 0;
}
