// The main window as a desktop program: keyboard play, the colour symbols, a close request, and
// sharp pictures on a screen scaled by two.
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "tests/window/rig.h"

namespace kaldora {

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(folder_.isValid());
    QDir::setCurrent(folder_.path());
    rig_ = std::make_unique<testing::WindowRig>(5);
    f().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f()));
    QTest::mouseClick(f().cmdSpielStarten(), Qt::LeftButton);
  }
  void cleanup() { rig_.reset(); }

  // Arrow keys to a coloured square, Space, arrows to a free square, Enter: the same drop the
  // mouse makes, three new squares and all. Escape puts a held square back without a move.
  void aWholeMoveWithTheKeyboardAlone() {
    BoardKeys& keys = *f().boardKeys();
    // "&Start" clicked with the mouse handed the keyboard to the board as it hid itself; the frame
    // waits for a key.
    QVERIFY(keys.hasFocus() && !keys.frameShown());
    QTest::keyClick(&keys, Qt::Key_Up);
    QVERIFY(keys.frameShown());
    const int s = First(true), t = First(false);
    const QPixmap* picture = f().picP(s)->picture();
    Walk(s);
    // Under the rules panel the keys pick up nothing.
    QTest::mouseClick(f().cmdSpielregeln(), Qt::LeftButton);
    QTest::keyClick(&keys, Qt::Key_Space);
    QCOMPARE(keys.held(), -1);
    QTest::mouseClick(f().cmdSpielregeln(), Qt::LeftButton);
    keys.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&keys, Qt::Key_Space);
    QCOMPARE(keys.held(), s);
    QTest::keyClick(&keys, Qt::Key_Escape);
    QCOMPARE(keys.held(), -1);
    QCOMPARE(Coloured(), 3);
    Walk(t);
    QTest::keyClick(&keys, Qt::Key_Space);  // a free square is no source
    QCOMPARE(keys.held(), -1);
    Walk(s);
    QTest::keyClick(&keys, Qt::Key_Space);
    Walk(t);
    QTest::keyClick(&keys, Qt::Key_Return);
    QCOMPARE(f().picP(t)->picture(), picture);
    QCOMPARE(Coloured(), 6);
    // A square the game has disabled takes no key.
    f().game().board().SetEnabled(t, false);
    QTest::keyClick(&keys, Qt::Key_Space);
    QCOMPARE(keys.held(), -1);
    // The mouse takes the frame away.
    QTest::mouseClick(f().windowHandle(), Qt::LeftButton, {}, f().picP(s)->geometry().center());
    QVERIFY(!keys.frameShown());
  }

  // Ctrl+K marks each colour with a symbol, drawn over the picture, which itself stays the
  // source's.
  void ctrlKTogglesTheColourSymbols() {
    const int s = First(true);
    const QPoint corner = f().picP(s)->geometry().topLeft() + QPoint(46, 46);
    const QColor before = f().grab().toImage().pixelColor(corner);
    QTest::keyClick(&f(), Qt::Key_K, Qt::ControlModifier);
    QVERIFY(f().boardKeys()->symbols());
    QVERIFY(f().grab().toImage().pixelColor(corner) != before);
    QCOMPARE(f().picP(s)->picture(), f().picture(f().game().board()[s].Picture->index));
    QTest::keyClick(&f(), Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(f().grab().toImage().pixelColor(corner), before);
  }

  void aCloseRequestEndsTheProgramAsExitDoes() {
    QTimer::singleShot(0, &f(), [this] { f().close(); });
    QTimer::singleShot(2000, qApp, [] { QCoreApplication::exit(3); });
    QCOMPARE(QApplication::exec(), 0);
  }

 private:
  Form1& f() { return rig_->form; }
  int Coloured() {
    int n = 0;
    for (int i = 0; i < kSquares; ++i)
      n += f().picP(i)->picture() != nullptr ? 1 : 0;
    return n;
  }
  int First(bool coloured) {
    for (int i = 0; i < kSquares; ++i) {
      if ((f().picP(i)->picture() != nullptr) == coloured)
        return i;
    }
    return -1;
  }
  void Walk(int n) {
    BoardKeys& keys = *f().boardKeys();
    while (keys.cursor() % 9 > n % 9)
      QTest::keyClick(&keys, Qt::Key_Left);
    while (keys.cursor() % 9 < n % 9)
      QTest::keyClick(&keys, Qt::Key_Right);
    while (keys.cursor() / 9 > n / 9)
      QTest::keyClick(&keys, Qt::Key_Up);
    while (keys.cursor() / 9 < n / 9)
      QTest::keyClick(&keys, Qt::Key_Down);
  }

  QTemporaryDir folder_;
  std::unique_ptr<testing::WindowRig> rig_;
};

}  // namespace kaldora

QTEST_MAIN(kaldora::DesktopTest)
#include "desktop_test.moc"
