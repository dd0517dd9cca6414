// A recursive branching figure: every branch a straight or gently bending line from whose end two
// to four shorter, thinner branches grow, down to a fixed depth.
#include "tree/tree.h"

#include <algorithm>
#include <cmath>

namespace kaldora {

namespace {

// Assigning a number to a 16-bit integer rounds it to the nearest, halves to even.
std::int16_t ToInt16(double value) {
  return static_cast<std::int16_t>(std::nearbyint(value));
}

constexpr float kMaxBend = 0.5235983f;  // 30 degrees in each 5-unit step

}  // namespace

void TreeDrawing::cmdGo_Click() {
  random_.Randomize();
  StartX = static_cast<std::int16_t>(ToInt16(canvas_.ScaleWidth()) / 2);
  StartY = ToInt16(canvas_.ScaleHeight() - 5);
  canvas_.Cls();
  events_.DoEvents();

  LengthFactor = 0.75f;
  LengthVariation = 0.24f;
  Depth = 5;
  Spread = static_cast<float>(87.96452 / 180);
  AngleVariation = static_cast<float>(125.6636 / 180);
  MaxBranches = 4;
  const std::int16_t thickness = 4;
  const auto bend = static_cast<float>(3.14159 / 90);

  // The trunk's length makes the sum of all levels' mean lengths fill the canvas height.
  const double levels =
      (1 - std::pow(double{LengthFactor}, Depth + 1)) / (1 - double{LengthFactor});
  StartLength = ToInt16((canvas_.ScaleHeight() - 10) / levels);

  DrawBranch(bend, thickness, Depth, StartX, StartY, StartLength, static_cast<float>(-3.14159 / 2));
}

void TreeDrawing::DrawBranch(float bend, std::int16_t thickness, std::int16_t level, std::int16_t x,
                             std::int16_t y, std::int16_t length, float theta) {
  const auto r = [this] { return double{random_.R()}; };

  // A branch of thickness 0 keeps the width last set.
  if (thickness > 0)
    canvas_.SetDrawWidth(thickness);

  std::int16_t x2 = x;
  std::int16_t y2 = y;
  if (bend > 0) {
    const std::int16_t steps = ToInt16(length / 5.0);
    float a = theta;
    for (int i = 1; i <= steps; ++i) {
      const std::int16_t nx = ToInt16(std::cos(double{a}) * 5 + x2);
      const std::int16_t ny = ToInt16(std::sin(double{a}) * 5 + y2);
      canvas_.Line(x2, y2, nx, ny);
      a = static_cast<float>(a + (r() - 0.5) * bend);
      x2 = nx;
      y2 = ny;
    }
  } else {
    x2 = ToInt16(std::cos(double{theta}) * length + x);
    y2 = ToInt16(std::sin(double{theta}) * length + y);
    canvas_.Line(x, y, x2, y2);
  }

  if (level <= 1)
    return;

  const int branches = static_cast<int>(std::floor(r() * (MaxBranches - 1) + 2));
  const auto d = static_cast<float>(Spread * 2.0 / (branches - 1));
  auto a = static_cast<float>(theta - Spread);
  for (int i = 0; i < branches; ++i) {
    const std::int16_t sub_length =
        ToInt16((LengthVariation * (r() - 0.5) + LengthFactor) * length);
    const auto direction = static_cast<float>(AngleVariation * (r() - 0.5) + a);
    a = static_cast<float>(a + d);
    const float sub_bend = bend > 0 ? std::min(bend * 2, kMaxBend) : bend;
    DrawBranch(sub_bend, static_cast<std::int16_t>(thickness - 1),
               static_cast<std::int16_t>(level - 1), x2, y2, sub_length, direction);
  }
}

}  // namespace kaldora
