// A main window on a fake clock, whose reseeds replay, and a sound output that only records.
#pragma once

#include <cstdint>

#include "fakes/fakes.h"
#include "window/qt/form1.h"

namespace kaldora::testing {

struct WindowRig {
  explicit WindowRig(std::uint64_t start = 1) : clock(start) {}
  FakeClock clock;
  Random random{clock};
  FakeSound sound;
  Form1 form{random, sound};
};

}  // namespace kaldora::testing
