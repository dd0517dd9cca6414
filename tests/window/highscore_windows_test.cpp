// The highscore list, the name entry and the reset question, driven through the main window.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <array>
#include <memory>

#include "tests/window/rig.h"

namespace kaldora {

namespace {

struct Entry {
  qint16 points;
  QString name, date = {};
};
const Entry kStored[] = {{300, "Renée", "08.12.26 01:06:03"}, {120, " Bo b"}, {-7, "Zoë"}};

// A record of "P1.dat"; Latin-1 and Windows-1252 agree on every letter used here.
QByteArray Record(const Entry& e) {
  QByteArray bytes(2, '\0');
  qToLittleEndian(e.points, bytes.data());
  return bytes + e.name.leftJustified(20).toLatin1() + e.date.leftJustified(17).toLatin1();
}

QByteArray StoredFile() {
  QFile file("P1.dat");
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

// Key by key, as QTest::keyClicks does, but not only ASCII.
void Type(QWidget* box, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key(c.toUpper().unicode()), QString(c), {});
}

}  // namespace

class HighscoreWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(folder_->path()));  // Form1 reads "P1.dat" here
    QFile file("P1.dat");
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored_) == 3 * 39);
    file.close();
    rig_ = std::make_unique<testing::WindowRig>(3);
    f().show();
    QVERIFY(QTest::qWaitForWindowExposed(&f()));
  }
  void cleanup() {
    rig_.reset();
    QDir::setCurrent(QDir::tempPath());
    folder_.reset();
  }

  void showHighscoreFillsTheTenVisibleRowsFromTheFileAndGoOnHidesThem() {
    Form2& list = f().form2();
    QTest::mouseClick(f().cmdHighscoreAnzeigen(), Qt::LeftButton);
    QVERIFY(list.isVisible());
    QTRY_VERIFY(list.cmdWeiter()->hasFocus());
    for (int i = 0; i < kHighscorePlaces; ++i) {
      const Entry e = i < 3 ? kStored[i] : Entry{0, "", ""};
      QCOMPARE(list.txtRang(i)->text(), QString::number(i + 1));
      QCOMPARE(list.txtWert(i)->text(), QString::number(e.points));
      QCOMPARE(list.txtPerson(i)->text(), e.name.leftJustified(20));
      QCOMPARE(list.txtDatum(i)->text(), e.date.leftJustified(17));
      for (QWidget* box : {list.txtRang(i), list.txtWert(i), list.txtPerson(i), list.txtDatum(i)})
        QCOMPARE(box->isVisible(), i < 10);
    }
    QCOMPARE(list.txtWert(0)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QTest::mouseClick(list.cmdWeiter(), Qt::LeftButton);
    QVERIFY(!list.isVisible());
  }

  void highscoreRowsSitInTheirColumnsInTheirRowColours() {
    Form2& list = f().form2();
    const QColor first[] = {{255, 255, 0}, {255, 255, 128}, {255, 255, 192}};
    const int left[] = {32, 66, 113, 267}, width[] = {19, 30, 136, 93};
    for (int i = 0; i < kHighscorePlaces; ++i) {
      QLineEdit* const row[] = {list.txtRang(i), list.txtWert(i), list.txtPerson(i),
                                list.txtDatum(i)};
      for (int c = 0; c < 4; ++c) {
        QCOMPARE(row[c]->geometry(), QRect(left[c], 20 * (i + 1), width[c], 19));
        // Just inside the frame, at the bottom left, where no text reaches.
        QCOMPARE(row[c]->grab().toImage().pixelColor(2, 16), i < 3 ? first[i] : Qt::white);
      }
    }
  }

  void smallWindowHasItsTitleSizeAndBlackOutline_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::newRow("highscore") << 0 << "Highscore" << QSize(392, 267);
    QTest::newRow("name entry") << 1 << "Spielername" << QSize(219, 136);
    QTest::newRow("reset question") << 2 << "Reset Highscore" << QSize(250, 144);
  }
  void smallWindowHasItsTitleSizeAndBlackOutline() {
    QFETCH(int, which);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QCOMPARE(Small(which)->windowTitle(), title);
    QCOMPARE(Small(which)->size(), size);
    const QImage image = Small(which)->grab().toImage();
    const int r = size.width() - 1, b = size.height() - 1;
    for (const QPoint p :
         {QPoint(0, 0), {r / 2, 0}, {r, 0}, {0, b / 2}, {r, b / 2}, {0, b}, {r / 2, b}, {r, b}})
      QCOMPARE(image.pixelColor(p), QColor(Qt::black));
    QCOMPARE(image.pixelColor(1, 1), QColor(128, 255, 128));
  }

  void nameTypedAtTheGameEndIsStoredFirstAndShownRanked() {
    Form3& entry = f().form3();
    f().game().state().Punkte = 500;
    f().game().highscore().OfferNewScore(500);
    QVERIFY(entry.isVisible());
    QCOMPARE(f().form2().txtWert(10)->text(), QString("500"));
    QTRY_VERIFY(entry.txtEingabeNamen()->hasFocus());
    // The accent typed as a combining mark after its letter, as some input methods give it.
    Type(entry.txtEingabeNamen(), QString::fromUtf8("Jürgen Jose\u0301 "));
    QTest::mouseClick(entry.cmdWeiter(), Qt::LeftButton);
    QVERIFY(!entry.isVisible());
    Form2& list = f().form2();
    QVERIFY(list.isVisible());
    QCOMPARE(list.txtPerson(0)->text(), QString("Jürgen José ").leftJustified(20));
    QCOMPARE(list.txtPerson(1)->text(), kStored[0].name.leftJustified(20));
    const QByteArray file = StoredFile();
    QCOMPARE(file.size(), 11 * 39);
    QCOMPARE(file.left(39), Record({500, "Jürgen José ", list.txtDatum(0)->text()}));
    QCOMPARE(file.mid(39, 39), Record(kStored[0]));
  }

  void resetAsksFirstThenNoKeepsTheFileAndYesEmptiesIt() {
    Form4& question = f().form4();
    QTest::mouseClick(f().cmdHighscoreErneuern(), Qt::LeftButton);
    QVERIFY(question.isVisible());
    QTRY_VERIFY(question.cmdJa()->hasFocus());
    QTest::mouseClick(question.cmdNein(), Qt::LeftButton);
    QVERIFY(!question.isVisible());
    QCOMPARE(StoredFile(), stored_);
    QTest::mouseClick(f().cmdHighscoreErneuern(), Qt::LeftButton);
    QTest::mouseClick(question.cmdJa(), Qt::LeftButton);
    QVERIFY(!question.isVisible());
    QVERIFY(f().form2().isVisible());
    QCOMPARE(StoredFile(), Record({0, "", ""}).repeated(11));
    QCOMPARE(f().form2().txtWert(0)->text(), QString("0"));
  }

  void closingASmallWindowOnlyHidesItAndStoresNothing_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("highscore") << 0;
    QTest::newRow("name entry with a name typed") << 1;
    QTest::newRow("reset question") << 2;
  }
  void closingASmallWindowOnlyHidesItAndStoresNothing() {
    QFETCH(int, which);
    f().game().state().Punkte = 500;
    f().game().highscore().OfferNewScore(500);
    Type(f().form3().txtEingabeNamen(), "Jürgen");
    Small(which)->show();
    // The application's own loop, which a quit caused by the closing would end with status 0.
    QTimer::singleShot(0, Small(which), &QWidget::close);
    QTimer::singleShot(100, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 7);
    QVERIFY(!Small(which)->isVisible());
    QVERIFY(f().isVisible());
    QCOMPARE(StoredFile(), stored_);
  }

 private:
  Form1& f() { return rig_->form; }
  SmallWindow* Small(int which) {
    return std::array<SmallWindow*, 3>{&f().form2(), &f().form3(), &f().form4()}[which];
  }

  std::unique_ptr<QTemporaryDir> folder_;
  const QByteArray stored_ = Record(kStored[0]) + Record(kStored[1]) + Record(kStored[2]);
  std::unique_ptr<testing::WindowRig> rig_;
};

}  // namespace kaldora

QTEST_MAIN(kaldora::HighscoreWindowsTest)
#include "highscore_windows_test.moc"
