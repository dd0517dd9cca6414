// Renders the game's icon from its SVG into the PNG files of the sizes a desktop looks for, and
// the window's own icon sizes as pixels for the program to include.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>
#include <fstream>

// make_icon SVG FOLDER: writes kaldora-SIZE.png into FOLDER for every size of the hicolor theme
// that the drawing's grid of 16 units divides evenly, so that no edge is smeared over two pixels;
// for the sizes up to 64 also kaldora-SIZE.inc, its ARGB pixels row by row as C++ initialisers.
int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icon SVG FOLDER\n");
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "make_icon: %s is not a valid SVG\n", argv[1]);
    return 1;
  }
  for (int size : {16, 32, 48, 64, 128, 256}) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    const QString path =
        QString::fromLocal8Bit(argv[2]) + QStringLiteral("/kaldora-%1.png").arg(size);
    if (!image.save(path)) {
      std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(path));
      return 1;
    }
    if (size > 64)
      continue;
    const std::string pixels = std::string(argv[2]) + "/kaldora-" + std::to_string(size) + ".inc";
    std::ofstream out(pixels);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x)
        out << "0x" << std::hex << image.pixel(x, y) << "u,";
      out << '\n';
    }
    if (!out.flush()) {
      std::fprintf(stderr, "make_icon: cannot write %s\n", pixels.c_str());
      return 1;
    }
  }
  return 0;
}
