// The sound output the game plays its WAV files through.
#pragma once

#include <cstdint>
#include <string_view>

namespace kaldora {

// Flags of a sound call: return at once, or return when the sound has finished.
inline constexpr std::int32_t kAsync = 1;
inline constexpr std::int32_t kSync = 0;

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // name is relative to the working directory, with a backslash as the separator.
  virtual void Play(std::string_view name, std::int32_t flags) = 0;
};

// Plays nothing and returns at once.
class SilentSound final : public SoundOutput {
 public:
  void Play(std::string_view, std::int32_t) override {}
};

}  // namespace kaldora
