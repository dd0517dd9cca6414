// The colour pictures: a plain face inside four light rings at the top and left and four dark
// rings at the bottom and right, each ring one pixel wide.
#include <gtest/gtest.h>

#include "resources/pictures.h"

namespace kaldora {
namespace {

TEST(SourcePictures, ColoursHaveFourLightAndFourDarkBevelRings) {
  using Rings = std::array<Rgb, 4>;  // from the edge inwards
  const std::tuple<const char*, int, Rgb, Rings, Rings> kCases[] = {
      {"red",
       0,
       {255, 0, 0},
       {{{255, 160, 160}, {255, 120, 120}, {255, 80, 80}, {255, 40, 40}}},
       {{{95, 0, 0}, {135, 0, 0}, {175, 0, 0}, {215, 0, 0}}}},
      {"blue",
       5,
       {0, 0, 255},
       {{{160, 160, 255}, {120, 120, 255}, {80, 80, 255}, {40, 40, 255}}},
       {{{0, 0, 95}, {0, 0, 135}, {0, 0, 175}, {0, 0, 215}}}},
  };
  for (const auto& [name, index, face, light, dark] : kCases) {
    SCOPED_TRACE(name);
    const PicturePixels pixels = DrawSourcePicture(index);
    auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * kPictureSize + x)]; };
    int wrong = 0;
    for (int ring = 0; ring < 4; ++ring) {
      const int far = kPictureSize - 1 - ring;
      for (int i = ring + 1; i < far; ++i) {  // the corners, where light meets dark, are left out
        wrong += at(i, ring) == light[ring] && at(ring, i) == light[ring] ? 0 : 1;
        wrong += at(i, far) == dark[ring] && at(far, i) == dark[ring] ? 0 : 1;
      }
    }
    for (int y = 4; y < kPictureSize - 4; ++y) {
      for (int x = 4; x < kPictureSize - 4; ++x)
        wrong += at(x, y) == face ? 0 : 1;
    }
    EXPECT_EQ(wrong, 0);
  }
}

}  // namespace
}  // namespace kaldora
