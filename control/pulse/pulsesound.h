// The game's sound output on Linux: WAV files played through a PulseAudio server.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "control/sound.h"

namespace kaldora {

// Plays on a thread of its own, one sound at a time: a new sound cuts one still playing, and
// kSync blocks the caller until its sound has finished, or kSyncLimit has passed, and the sound
// plays on. A file that cannot be played gives a short beep instead; with no sound server, or
// without the sound module beside the program, nothing plays and every call returns at once.
class PulseSound final : public SoundOutput {
 public:
  static constexpr std::chrono::seconds kSyncLimit{3};

  // kAfterBegin: the sound libraries are loaded for the first sound only once Begin() is called,
  // or kHoldLimit after the start at the latest, so that loading them does not compete with the
  // window's start-up; sounds asked for before wait for it.
  enum class Load { kAtFirstSound, kAfterBegin };
  static constexpr std::chrono::seconds kHoldLimit{1};

  explicit PulseSound(Load load = Load::kAtFirstSound);
  void Begin();
  // Returns within a fraction of a second, also while the thread hangs on a stopped server; the
  // thread is then left to the end of the process.
  ~PulseSound() override;
  PulseSound(const PulseSound&) = delete;
  PulseSound& operator=(const PulseSound&) = delete;

  void Play(std::string_view name, std::int32_t flags) override;

  struct Shared;  // what the thread shares with the callers, and keeps after a hang

 private:
  std::shared_ptr<Shared> shared_;
  std::thread thread_;  // last, so that it starts after everything it uses
};

}  // namespace kaldora
