// Plays sounds through the real backend for the real-audio test: play_sound FLAGS:NAME ...
// Prints, for each call, how long it blocked and how long its clip is, in milliseconds; then
// "done", and keeps the backend alive a while so that a sound that was not cut could be heard.
#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "control/pulse/pulsesound.h"

int main(int argc, char** argv) {
  using namespace std::chrono;
  kaldora::PulseSound sound;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i] + 2;
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    SF_INFO info{};
    long clip_ms = 0;
    // Not a FIFO, which would wait for a writer.
    SNDFILE* file =
        std::filesystem::is_regular_file(path) ? sf_open(path.c_str(), SFM_READ, &info) : nullptr;
    if (file) {
      clip_ms = static_cast<long>(info.frames * 1000 / info.samplerate);
      sf_close(file);
    }
    const auto start = steady_clock::now();
    sound.Play(name, argv[i][0] == '1' ? kaldora::kAsync : kaldora::kSync);
    const auto blocked = duration_cast<milliseconds>(steady_clock::now() - start).count();
    std::printf("%ld %ld\n", static_cast<long>(blocked), clip_ms);
    std::fflush(stdout);
    std::this_thread::sleep_for(200ms);
  }
  std::printf("done\n");
  std::fflush(stdout);
  std::this_thread::sleep_for(1500ms);
}
