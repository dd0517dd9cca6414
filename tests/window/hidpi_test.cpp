// On a screen scaled by two, every pixel of the design is a block of two by two device pixels:
// the frame's lines and the bevel rings stay sharp.
#include <QTemporaryDir>
#include <QTest>

#include "fakes/fakes.h"
#include "window/qt/form1.h"

namespace kaldora {

class HiDpiTest : public QObject {
  Q_OBJECT

 private slots:
  void frameAndBevelRingsAreTwoDevicePixelsWide() {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    testing::FakeClock clock;
    Random random(clock);
    testing::FakeSound sound;
    Form1 form(random, sound);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.size(), QSize(800, 600));
    form.game().board().Colour(0, 0);
    const QImage shot = form.grab().toImage();
    QCOMPARE(shot.size(), QSize(1600, 1200));
    const auto green = [&](int x, int y) { return shot.pixelColor(x, y).green(); };
    // The frame's first four lines from the top left, then the window's own green.
    const int frame[] = {245, 245, 210, 210, 175, 175, 140, 140, 128};
    for (int d = 0; d < 9; ++d) {
      QCOMPARE(green(d, 300), frame[d]);
      QCOMPARE(green(800, d), frame[d]);
    }
    // Square 0 at (37, 17): the light rings of red along its top, two device rows each.
    const int light[] = {160, 160, 120, 120, 80, 80, 40, 40, 0};
    for (int d = 0; d < 9; ++d)
      QCOMPARE(green(2 * 37 + 40, 2 * 17 + d), light[d]);
  }
};

}  // namespace kaldora

QTEST_MAIN(kaldora::HiDpiTest)
#include "hidpi_test.moc"
