// Draws the game's icon from its own square pictures: red, yellow, green and blue in two rows,
// as PNG files of the sizes asked for and as a scalable SVG of the same rings and faces.
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>

#include "resources/pictures.h"

namespace {

constexpr int kTiles[2][2] = {{0, 2}, {3, 5}};  // red, yellow / green, blue
constexpr int kGap = 4;                          // pixels of the picture between the tiles
constexpr int kSide = 2 * kaldora::kPictureSize + kGap;

QImage Compose() {
  QImage image(kSide, kSide, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 2; ++column) {
      const kaldora::PicturePixels pixels = kaldora::DrawSourcePicture(kTiles[row][column]);
      const int left = column * (kaldora::kPictureSize + kGap);
      const int top = row * (kaldora::kPictureSize + kGap);
      for (int y = 0; y < kaldora::kPictureSize; ++y) {
        for (int x = 0; x < kaldora::kPictureSize; ++x) {
          const kaldora::Rgb c = pixels[static_cast<std::size_t>(y * kaldora::kPictureSize + x)];
          image.setPixelColor(left + x, top + y, QColor(c.r, c.g, c.b));
        }
      }
    }
  }
  return image;
}

// Runs of equal colour along each row become one rectangle, so the SVG stays small and exact.
void WriteSvg(const QImage& image, const std::string& path) {
  std::ofstream svg(path);
  svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << kSide << ' ' << kSide
      << "\" width=\"256\" height=\"256\" shape-rendering=\"crispEdges\">\n";
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide;) {
      const QColor c = image.pixelColor(x, y);
      int end = x + 1;
      while (end < kSide && image.pixelColor(end, y) == c) ++end;
      if (c.alpha() != 0) {
        svg << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
            << "\" height=\"1\" fill=\"" << c.name().toStdString() << "\"/>\n";
      }
      x = end;
    }
  }
  svg << "</svg>\n";
}

}  // namespace

// make_icon FOLDER: writes kaldora.svg, kaldora-256.png and kaldora-48.png into FOLDER.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const QImage icon = Compose();
  WriteSvg(icon, folder + "/kaldora.svg");
  for (int size : {256, 48}) {
    const QString path = QString::fromStdString(folder + "/kaldora-" + std::to_string(size) + ".png");
    if (!icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(path)) {
      return 1;
    }
  }
  return 0;
}
