// Renders the game's icon from its SVG into the PNG files of the sizes a desktop looks for.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

// make_icon SVG FOLDER: writes kaldora-SIZE.png into FOLDER for every size of the hicolor theme
// that the drawing's grid of 16 units divides evenly, so that no edge is smeared over two pixels.
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
  }
  return 0;
}
