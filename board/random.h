// The program's one random generator, reseeded from an injectable clock.
#pragma once

#include <cstdint>

namespace kaldora {

class Clock {
 public:
  virtual ~Clock() = default;
  // Any value that differs between two reads, however close together.
  virtual std::uint64_t Ticks() = 0;
};

// Nanoseconds of the high-resolution clock, so that two reseeds within one millisecond differ.
class SystemClock final : public Clock {
 public:
  std::uint64_t Ticks() override;
};

// xoshiro128** seeded through splitmix64: cheap to reseed, which the game does several times a
// move. The mapping to [0, 1) is ours, so a seed replays the same game everywhere.
class Random {
 public:
  explicit Random(Clock& clock);

  // Reseeds from the clock.
  void Randomize();
  void Seed(std::uint64_t seed);

  // R: uniform in [0, 1) with single precision, never 1.0.
  float R();
  // Int(R * n): uniform in 0..n-1, the product formed in double precision.
  int Below(int n);

 private:
  std::uint32_t Next();

  Clock& clock_;
  std::uint32_t s_[4] = {};
};

}  // namespace kaldora
