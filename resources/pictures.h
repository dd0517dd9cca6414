// The ten square pictures, drawn as 62 x 62 pixels of 24-bit colour.
#pragma once

#include <array>

#include "board/board.h"

namespace kaldora {

inline constexpr int kPictureSize = 62;

// Row-major pixels, row 0 at the top.
using PicturePixels = std::array<Rgb, kPictureSize * kPictureSize>;

// index 0..9: the seven colours, the joker, the burst, the blackstone.
PicturePixels DrawSourcePicture(int index);

// The plain colours of pictures 0 to 6, red to magenta.
Rgb SourceColour(int index);

}  // namespace kaldora
