// The main window driven by real mouse and key events under the offscreen platform.
#include <QFontDatabase>
#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

#include "board/qt/boardaccess.h"
#include "tests/window/rig.h"
#include "window/qt/translations.h"

namespace kaldora {

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  // The news as the C locale shows them, English plural forms included.
  void initTestCase() {
    qputenv("LC_ALL", "C");
    InstallTranslations(QString::fromUtf8(KALDORA_TRANSLATIONS));
  }

  void init() {
    rig_ = std::make_unique<testing::WindowRig>(3);
    f().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f()));
    start_ = f().cmdSpielStarten();
  }
  void cleanup() { rig_.reset(); }

  void dragOntoAFreeSquareMovesThePictureAndBringsThreeNewSquares() {
    Start();
    const int s = First(true), t = First(false);
    const QPixmap* dragged = f().picP(s)->picture();
    QCOMPARE(dragged, f().picture(f().game().board()[s].Picture->index));
    QTest::mousePress(w(), Qt::LeftButton, {}, At(s));
    QTest::mouseMove(w(), At(t));
    QCOMPARE(f().dragImage()->pixmap().cacheKey(), dragged->cacheKey());
    QCOMPARE(f().dragImage()->geometry().center(), At(t));  // the picture follows the cursor
    QTest::mouseRelease(w(), Qt::LeftButton, {}, At(t));
    QVERIFY(!f().dragImage()->isVisible());
    QCOMPARE(f().picP(t)->picture(), dragged);
    // Six, not seven: the source was vacated, though one of the new squares may land on it.
    QCOMPARE(Coloured(), 6);
  }

  void plainClickOnAColouredSquareIsARefusedMoveThatBringsThreeNewSquares() {
    Start();
    const int s = First(true);
    const QPixmap* before = f().picP(s)->picture();
    QTest::mouseClick(w(), Qt::LeftButton, {}, At(s));
    QCOMPARE(f().picP(s)->picture(), before);
    QCOMPARE(Coloured(), 6);
  }

  void dragThatEndsOnNoEnabledSquareDoesNothing_data() {
    QTest::addColumn<QPoint>("where");  // (0, 0): the first free square
    QTest::addColumn<QString>("disabled");
    QTest::newRow("gap between columns 0 and 1") << QPoint(99, 48) << "";
    QTest::newRow("gap between rows 0 and 1") << QPoint(68, 79) << "";
    QTest::newRow("right of the board") << QPoint(620, 300) << "";
    QTest::newRow("on the score label") << QPoint(700, 88) << "";
    QTest::newRow("from a disabled square") << QPoint() << "source";
    QTest::newRow("onto a disabled square") << QPoint() << "target";
    QTest::newRow("after the game ended") << QPoint() << "all";
  }
  void dragThatEndsOnNoEnabledSquareDoesNothing() {
    QFETCH(QPoint, where);
    QFETCH(QString, disabled);
    Start();
    Board& board = f().game().board();
    if (disabled == "all") {
      for (int n = 0; n < kSquares - 1; ++n)  // no five alike in any line
        board.Colour(n, (2 * (n / 9) + n % 9) % 7);
      board.FeldLeeren(kSquares - 1);
      QTest::mouseClick(w(), Qt::LeftButton, {}, At(0));  // the new square fills the board
      QCOMPARE(rig_->sound.calls.back(), std::string("sounds\\sound7.wav 0"));
      for (int n = 0; n < kSquares; ++n)
        QVERIFY(!f().picP(n)->isEnabled());
    }
    const int s = First(true), t = disabled == "all" ? 1 : First(false);
    if (disabled == "source" || disabled == "target")
      board.SetEnabled(disabled == "source" ? s : t, false);
    const QList<const QPixmap*> before = Pictures();
    const std::vector<std::string> played = rig_->sound.calls;
    QTest::mousePress(w(), Qt::LeftButton, {}, At(s));
    QTest::mouseMove(w(), where.isNull() ? At(t) : where);
    QCOMPARE(f().dragImage()->isVisible(), disabled != "source" && disabled != "all");
    QTest::mouseRelease(w(), Qt::LeftButton, {}, where.isNull() ? At(t) : where);
    QVERIFY(!f().dragImage()->isVisible());
    QCOMPARE(Pictures(), before);
    QCOMPARE(rig_->sound.calls, played);
  }

  void startAndPauseByButtonOrAccessKey_data() {
    QTest::addColumn<bool>("keys");
    QTest::newRow("buttons") << false;
    QTest::newRow("Alt+S and Alt+P") << true;
  }
  void startAndPauseByButtonOrAccessKey() {
    QFETCH(bool, keys);
    f().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f()));
    const auto press = [&](QPushButton* button, Qt::Key key) {
      keys ? QTest::keyClick(&f(), key, Qt::AltModifier)
           : QTest::mouseClick(button, Qt::LeftButton);
    };
    press(start_, Qt::Key_S);
    QTRY_VERIFY(!start_->isVisible());  // an access key animates the click for a moment
    QCOMPARE(Coloured(), 3);
    f().lblPunkte()->setText("12");
    press(f().cmdSpielAbbrechen(), Qt::Key_P);
    QTRY_VERIFY(start_->isVisible());
    QVERIFY(start_->hasFocus());
    QCOMPARE(Coloured(), 0);
    QCOMPARE(f().lblPunkte()->text(), QString("0"));
  }

  void controlsSitWhereTheyAreDesigned() {
    QCOMPARE(f().size(), QSize(800, 600));
    for (int n = 0; n < kSquares; ++n)
      QCOMPARE(f().picP(n)->geometry(), QRect(37 + 63 * (n % 9), 17 + 63 * (n / 9), 62, 62));
    const std::pair<QWidget*, QRect> controls[] = {
        {f().lblKaldora(), {9330, 330, 2415, 510}},
        {f().lblPunkte(), {9840, 1050, 1350, 555}},
        {f().picCanvas(), {9345, 1890, 2280, 2280}},
        {f().txtSpielregeln(), {465, 195, 8655, 8610}},
        {f().txtInformation(), {540, 210, 8550, 8550}},
    };
    for (const auto& [widget, t] : controls)
      QCOMPARE(widget->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
    const std::pair<QPushButton*, const char*> buttons[] = {
        {start_, "&Start"},
        {f().cmdSpielAbbrechen(), "&Pause"},
        {f().cmdTonEinschaltenAusschalten(), "Sound &Off"},
        {f().cmdFelderGrundfarbe(), "&Background Color"},
        {f().cmdSpielregeln(), "Ho&w to Play"},
        {f().cmdInformation(), "&Information"},
        {f().cmdHighscoreAnzeigen(), "Show &Highscore"},
        {f().cmdHighscoreErneuern(), "&Reset Highscore"},
    };
    for (int i = 0; const auto& [button, caption] : buttons) {  // 27 pixels apart
      QCOMPARE(button->text(), QString(caption));
      QCOMPARE(button->geometry(), QRect(635, 295 + 27 * i++, 130, 22));
    }
    QCOMPARE(f().cmdProgrammBeenden()->geometry(), QRect(635, 538, 130, 22));
  }

  void frameIsPaintedAtStartUpErasedWhileYellowAndPaintedAgainAtTheTick() {
    QCOMPARE(Mismatches(&f(), Frame(QColor(0, 128, 0))), QString());
    testing::SetBoard(f().game().board(),
                      {"RR.......", "RRR......", "RRR......", ".........", "....R....", ".........",
                       ".........", ".........", "........."});
    QTest::mousePress(w(), Qt::LeftButton, {}, At(40));  // a drag that completes the quad
    QTest::mouseMove(w(), At(2));
    QTest::mouseRelease(w(), Qt::LeftButton, {}, At(2));
    QCOMPARE(f().lblPunkte()->text(), QString("17"));
    const QColor yellow(240, 240, 70);
    const Probes erased = {{{0, 0}, yellow}, {{799, 599}, yellow}, {{4, 4}, yellow}};
    QCOMPARE(Mismatches(&f(), erased), QString());
    QCOMPARE(Mismatches(f().lblKaldora(), {{{1, 1}, yellow}}), QString());
    QTRY_VERIFY(!f().tmrTimer().isActive());
    QCOMPARE(Mismatches(&f(), Frame(QColor(0, 127, 0))), QString());
    QCOMPARE(Mismatches(f().lblKaldora(), {{{1, 1}, QColor(0, 127, 0)}}), QString());
  }

  // Told from the game's events: the drop, the quad with its points, then the colour that it took
  // along, counted as it stood before the burst.
  void newsOfAQuadTellItsPointsAndTheColourThatBurst() {
    Board& board = f().game().board();
    testing::SetBoard(board, {"RR.......", "RRR......", "RRR......", ".........", "....R....",
                              ".........", "OYGCBMJR.", "OYGCBMJ..", "........."});
    std::array<int, kSquares> shown{};
    for (int n = 0; n < kSquares; ++n)
      shown[static_cast<std::size_t>(n)] = board.Shown(n);
    QTest::mousePress(w(), Qt::LeftButton, {}, At(40));
    QTest::mouseMove(w(), At(2));
    QTest::mouseRelease(w(), Qt::LeftButton, {}, At(2));
    int burst = 0;
    int colour = -1;
    for (int n = 0; n < kSquares; ++n) {
      if (board[n].Tag == code::kMarked) {
        ++burst;
        colour = shown[static_cast<std::size_t>(n)];
      }
    }
    QVERIFY(burst > 0);  // every colour and the joker is on the board
    const QString told =
        burst == 1
            ? QString("The colour %1 bursts: 1 square.").arg(SquareContent(colour))
            : QString("The colour %1 bursts: %2 squares.").arg(SquareContent(colour)).arg(burst);
    const QString quad = "Quad dissolved: red, rows 1 to 3, columns 1 to 3. 17 points, score 17. ";
    QCOMPARE(f().newsBar()->lastNews(), "Moved to row 1, column 3. " + quad + told);
  }

  void redSquareShowsFourLightAndFourDarkRings() {
    f().game().board().Colour(40, 0);
    const QColor light[] = {{255, 160, 160}, {255, 120, 120}, {255, 80, 80}, {255, 40, 40}};
    const QColor dark[] = {{95, 0, 0}, {135, 0, 0}, {175, 0, 0}, {215, 0, 0}};
    Probes rings = {{{31, 31}, QColor(255, 0, 0)}, {{4, 57}, QColor(255, 0, 0)}};
    for (int ring = 0; ring < 4; ++ring) {
      const int far = 61 - ring;
      for (const int i : {ring + 1, 30, far - 1}) {  // not the corners where light meets dark
        rings.insert(rings.end(), {{{i, ring}, light[ring]}, {{ring, i}, light[ring]}});
        rings.insert(rings.end(), {{{i, far}, dark[ring]}, {{far, i}, dark[ring]}});
      }
    }
    QCOMPARE(Mismatches(f().picP(40), rings), QString());
  }

  void sixBackgroundClicksCycleTheFreeSquaresBackToPaleGreen() {
    f().game().board().Colour(1, 0);
    const QColor cycle[] = {{255, 255, 255}, {230, 230, 230}, {195, 195, 195},
                            {0, 0, 0},       {255, 230, 230}, {230, 255, 230}};
    for (const QColor& next : cycle) {
      QTest::mouseClick(f().cmdFelderGrundfarbe(), Qt::LeftButton);
      QCOMPARE(Mismatches(f().picP(80), {{{31, 31}, next}, {{0, 0}, next}}), QString());
      QCOMPARE(Mismatches(f().picP(1), {{{31, 31}, QColor(255, 0, 0)}}), QString());  // kept
    }
  }

  void panelButtonsToggleTheirPanelHideTheOtherAndAClickHidesIt() {
    QPlainTextEdit *rules = f().txtSpielregeln(), *info = f().txtInformation();
    QWidget *how = f().cmdSpielregeln(), *information = f().cmdInformation();
    QWidget* const clicks[] = {
        how,         information,     information, how, how, how, rules->viewport(),
        information, info->viewport()};
    // The panels shown after each click: R the rules, I the information.
    const char* shown[] = {"R", "I", "", "R", "", "R", "", "I", ""};
    for (int i = 0; i < 9; ++i) {
      QTest::mouseClick(clicks[i], Qt::LeftButton);
      QCOMPARE(QString(rules->isVisible() ? "R" : "") + (info->isVisible() ? "I" : ""), shown[i]);
    }
  }

  void canvasShowsATreeGrowingFromTheBottomCentre() {
    const QImage canvas = f().picCanvas()->grab().toImage();
    QMap<QRgb, int> pixels;
    for (int y = 0; y < 152; ++y) {
      for (int x = 0; x < 152; ++x)
        ++pixels[canvas.pixel(x, y)];
    }
    QCOMPARE(pixels.keys(), (QList<QRgb>{qRgb(0, 128, 0), qRgb(230, 255, 230)}));
    QVERIFY(pixels[qRgb(0, 128, 0)] > 200);
    QCOMPARE(canvas.pixel(76, 145), qRgb(0, 128, 0));  // the trunk's foot, 4 pixels wide
  }

  void scoreLabelIsBold24PointInARealFamily() {
    const QFontInfo resolved(f().lblPunkte()->font());
    QVERIFY(f().lblPunkte()->font().bold() && resolved.bold());
    QCOMPARE(f().lblPunkte()->font().pointSizeF(), 24.0);
    QVERIFY(qAbs(resolved.pointSizeF() - 24.0) < 0.5);
    QVERIFY2(QFontDatabase::families().contains(resolved.family()), qPrintable(resolved.family()));
  }

 private:
  Form1& f() { return rig_->form; }
  QWindow* w() { return f().windowHandle(); }
  QPoint At(int n) { return f().picP(n)->geometry().center(); }
  QList<const QPixmap*> Pictures() {
    QList<const QPixmap*> shown;
    for (int n = 0; n < kSquares; ++n)
      shown.append(f().picP(n)->picture());
    return shown;
  }
  using Probes = std::vector<std::pair<QPoint, QColor>>;
  // The probes the widget, painted afresh, does not show, as "x,y: #shown, not #wanted; ...".
  static QString Mismatches(QWidget* widget, const Probes& probes) {
    const QImage image = widget->grab().toImage();
    QStringList wrong;
    for (const auto& [p, want] : probes) {
      const QColor got = image.pixelColor(p);
      if (got.rgb() != want.rgb())
        wrong << QString("%1,%2: %3, not %4").arg(p.x()).arg(p.y()).arg(got.name(), want.name());
    }
    return wrong.join("; ");
  }
  // Corners and edges of the frame, and one pixel inside it.
  static Probes Frame(QColor inside) {
    return {
        {{0, 0}, QColor(0, 245, 0)},   {{799, 0}, QColor(0, 5, 0)},    {{0, 599}, QColor(0, 5, 0)},
        {{799, 599}, QColor(0, 5, 0)}, {{1, 598}, QColor(0, 30, 0)},   {{798, 1}, QColor(0, 30, 0)},
        {{3, 3}, QColor(0, 140, 0)},   {{400, 596}, QColor(0, 80, 0)}, {{4, 4}, inside}};
  }
  int Coloured() { return static_cast<int>(kSquares - Pictures().count(nullptr)); }
  int First(bool coloured) {
    int n = 0;
    while (n < kSquares && (f().picP(n)->picture() != nullptr) != coloured)
      ++n;
    return n;
  }
  void Start() {
    QTest::mouseClick(start_, Qt::LeftButton);
    QCOMPARE(Coloured(), 3);
  }

  std::unique_ptr<testing::WindowRig> rig_;
  QPushButton* start_ = nullptr;
};

}  // namespace kaldora

QTEST_MAIN(kaldora::Form1Test)
#include "form1_test.moc"
