// The game's sound output on Linux: WAV files played through a PulseAudio server.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "control/sound.h"

namespace kaldora {

// Plays on a thread of its own, one sound at a time: a new sound cuts one still playing, and
// kSync blocks the caller until its sound has finished. A file that cannot be played gives a short
// beep instead; with no sound server nothing plays and every call returns at once.
class PulseSound final : public SoundOutput {
 public:
  PulseSound();
  ~PulseSound() override;
  PulseSound(const PulseSound&) = delete;
  PulseSound& operator=(const PulseSound&) = delete;

  void Play(std::string_view name, std::int32_t flags) override;

 private:
  void Run();
  void PlayOne(const std::string& path);
  bool Interrupted();

  std::mutex mutex_;
  std::condition_variable wake_;  // a request or the end for the thread
  std::condition_variable done_;  // a finished sound for a waiting caller
  std::string path_;
  std::uint64_t requested_ = 0;
  std::uint64_t started_ = 0;
  std::uint64_t finished_ = 0;
  // A synchronous caller waits no longer than this, even if the server stops answering.
  std::chrono::steady_clock::time_point deadline_;
  bool quit_ = false;
  std::thread thread_;  // last, so that it starts after everything it uses
};

}  // namespace kaldora
