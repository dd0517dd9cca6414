// The square pictures: plain colours and the joker's bands with a four-ring bevel, the burst, and
// the blackstone's checkerboard.
#include "resources/pictures.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace kaldora {

namespace {

constexpr std::array<Rgb, 7> kColours{{
    {255, 0, 0},
    {255, 196, 0},
    {255, 255, 0},
    {0, 255, 0},
    {0, 255, 255},
    {0, 0, 255},
    {255, 0, 255},
}};

constexpr int kLast = kPictureSize - 1;

Rgb& At(PicturePixels& p, int x, int y) {
  return p[static_cast<std::size_t>(y * kPictureSize + x)];
}

std::uint8_t Clamp(int v) {
  return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

Rgb Shift(Rgb c, int d) {
  return {Clamp(c.r + d), Clamp(c.g + d), Clamp(c.b + d)};
}

// Four one-pixel rings, ring 0 at the outer edge: edge(pixel, ring, light) gives the new colour of
// a pixel of the light top and left edges or of the dark bottom and right edges.
template <typename Edge>
void Bevel(PicturePixels& p, Edge edge) {
  for (int ring = 0; ring < 4; ++ring) {
    const int lo = ring;
    const int hi = kLast - ring;
    for (int i = lo; i <= hi; ++i) {
      // The two corners where a light edge meets a dark one belong to the dark edge.
      At(p, i, lo) = edge(At(p, i, lo), ring, i != hi);
      At(p, i, hi) = edge(At(p, i, hi), ring, false);
      if (i != lo && i != hi) {
        At(p, lo, i) = edge(At(p, lo, i), ring, true);
        At(p, hi, i) = edge(At(p, hi, i), ring, false);
      }
    }
  }
}

// The base colour lightened or darkened by 160, 120, 80 and 40 from the edge inwards.
Rgb ShadeEdge(Rgb c, int ring, bool light) {
  const int d = 40 * (4 - ring);
  return Shift(c, light ? d : -d);
}

void Joker(PicturePixels& p) {
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x)
      At(p, x, y) = kColours[(x / 8 + y / 8) % 7];
  }
}

// Flames licking out from the centre: yellow at the heart, orange tongues, red flecks.
void Burst(PicturePixels& p) {
  const double c = (kPictureSize - 1) / 2.0;
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x) {
      const double dx = x - c;
      const double dy = y - c;
      const double r = std::hypot(dx, dy);
      const double a = std::atan2(dy, dx);
      const double tongue = 18.0 + 9.0 * std::cos(7.0 * a) + 4.0 * std::cos(11.0 * a + 1.0);
      Rgb colour{255, 140, 0};
      if (r < tongue * 0.55) {
        colour = {255, 255, 0};
      } else if (r < tongue) {
        colour = {255, 200, 0};
      } else if (r < tongue + 8.0) {
        colour = {255, 165, 0};
      }
      const unsigned h =
          static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
      if (h % 23 == 0)
        colour = {255, 0, 0};
      At(p, x, y) = colour;
    }
  }
}

void Blackstone(PicturePixels& p) {
  for (int y = 0; y < kPictureSize; ++y) {
    for (int x = 0; x < kPictureSize; ++x) {
      const bool grey = ((x * 4 / kPictureSize) + (y * 4 / kPictureSize)) % 2 == 1;
      At(p, x, y) = grey ? Rgb{128, 128, 128} : Rgb{0, 0, 0};
    }
  }
  // Fixed greys rather than shades of the cells, so the stone reads as one raised block.
  Bevel(p, [](Rgb, int ring, bool light) {
    const auto level = static_cast<std::uint8_t>(light ? 224 - 24 * ring : 24 + 16 * ring);
    return Rgb{level, level, level};
  });
}

}  // namespace

Rgb SourceColour(int index) {
  assert(index >= 0 && index < 7);
  return kColours[static_cast<std::size_t>(index)];
}

PicturePixels DrawSourcePicture(int index) {
  assert(index >= 0 && index < kSources);
  PicturePixels p{};
  if (index < 7) {
    p.fill(kColours[static_cast<std::size_t>(index)]);
    Bevel(p, ShadeEdge);
  } else if (index == kJokerSource) {
    Joker(p);
    Bevel(p, ShadeEdge);
  } else if (index == kBurstSource) {
    Burst(p);
  } else {
    Blackstone(p);
  }
  return p;
}

}  // namespace kaldora
