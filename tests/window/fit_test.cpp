// Every text the design puts into a control shows whole in the face that stands in for "MS Sans
// Serif", in the player's language, and so do the longest dates, scores and names the highscore
// boxes hold. CTest runs it at the scales 1, 1.25, 1.5 and 2 in the C locale, and in each language
// the game is translated into.
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include "tests/window/rig.h"
#include "window/qt/layout.h"
#include "window/qt/translations.h"

namespace kaldora {

namespace {

QString Name(const QWidget* w) {
  return QStringLiteral("%1 in %2")
      .arg(w->metaObject()->className(), w->window()->metaObject()->className());
}

// The whole text is in view: the box shows the same with the cursor at the text's start as with
// the cursor at its end, which it would otherwise scroll into view.
bool ShowsWhole(QLineEdit* box, const QString& text) {
  box->setText(text);
  box->setCursorPosition(0);
  const QImage start = box->grab().toImage();
  box->setCursorPosition(static_cast<int>(text.size()));
  return box->grab().toImage() == start;
}

}  // namespace

class FitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const bool translated = InstallTranslations(QString::fromUtf8(KALDORA_TRANSLATIONS));
    QCOMPARE(translated, QLocale::system().language() != QLocale::C &&
                             QLocale::system().language() != QLocale::English);
  }
  void init() {
    QVERIFY(folder_.isValid());
    QDir::setCurrent(folder_.path());
    rig_ = std::make_unique<testing::WindowRig>(7);
  }
  void cleanup() { rig_.reset(); }

  void theDesignFontIsAFaceWithArialsMetrics() {
    const QStringList faces = {"Liberation Sans", "Nimbus Sans", "Arimo"};
    QVERIFY2(faces.contains(QFontInfo(DesignFont()).family()),
             qPrintable(QFontInfo(DesignFont()).family()));
  }

  // The C locale shows the design's own captions; German shows its own, with the same access keys
  // as the design only where the words agree.
  void captionsAreInThePlayersLanguage() {
    Form1& f = rig_->form;
    const QStringList shown = {f.cmdSpielStarten()->text(),
                               f.cmdSpielAbbrechen()->text(),
                               f.cmdTonEinschaltenAusschalten()->text(),
                               f.cmdFelderGrundfarbe()->text(),
                               f.cmdSpielregeln()->text(),
                               f.cmdInformation()->text(),
                               f.cmdHighscoreAnzeigen()->text(),
                               f.cmdHighscoreErneuern()->text(),
                               f.cmdProgrammBeenden()->text(),
                               f.form2().windowTitle(),
                               f.form3().windowTitle(),
                               f.form4().cmdJa()->text(),
                               f.form4().cmdNein()->text()};
    switch (QLocale::system().language()) {
      case QLocale::C:
        QCOMPARE(shown,
                 QStringList({"&Start", "&Pause", "Sound &Off", "&Background Color", "Ho&w to Play",
                              "&Information", "Show &Highscore", "&Reset Highscore", "&Exit",
                              "Highscore", "Spielername", "&yes", "&no"}));
        QVERIFY(f.txtSpielregeln()->toPlainText().contains("The aim of the game"));
        break;
      case QLocale::German:
        QCOMPARE(shown,
                 QStringList({"&Start", "&Pause", "Ton &aus", "&Hintergrundfarbe", "Spiel&regeln",
                              "&Information", "Bestenliste &zeigen", "Bestenliste &l\u00f6schen",
                              "&Beenden", "Bestenliste", "Spielername", "&Ja", "&Nein"}));
        QVERIFY(f.txtSpielregeln()->toPlainText().contains("Ziel des Spiels"));
        break;
      default:  // translated, though not word for word here
        QVERIFY(shown[2] != "Sound &Off" && shown[12] != "&yes");
    }
  }

  // Every form of a counted text says its number; English says "1 square", Polish has a form for
  // 2 to 4 and another for 5 and more.
  void countedTextsTakeThePluralFormOfTheirNumber() {
    const auto burst = [](int n) {
      return QCoreApplication::translate("BoardNews", "The colour %1 bursts: %n squares.", nullptr,
                                         n);
    };
    for (const int n : {1, 2, 5, 21, 22})
      QVERIFY2(burst(n).contains(QString::number(n)), qPrintable(burst(n)));
    const QLocale::Language language = QLocale::system().language();
    if (language == QLocale::C || language == QLocale::English) {
      QCOMPARE(burst(1), QStringLiteral("The colour %1 bursts: 1 square."));
      QCOMPARE(burst(2), QStringLiteral("The colour %1 bursts: 2 squares."));
    }
    if (language == QLocale::Polish)
      QVERIFY(burst(2).replace('2', '5') != burst(5) && burst(22).replace("22", "2") == burst(2));
  }

  void everyCaptionFitsItsControl() {
    Form1& f = rig_->form;
    f.lblPunkte()->setText("32767");
    const QList<QWidget*> windows = {&f, &f.form2(), &f.form3(), &f.form4()};
    int checked = 0;
    for (QWidget* window : windows) {
      for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->window() != window || label->text().isEmpty())
          continue;  // another window's, or the picture that follows a drag
        const QSize size = label->size();
        const QSize needed(
            label->wordWrap() ? label->minimumSizeHint().width() : label->sizeHint().width(),
            label->heightForWidth(size.width()));
        // Made to fit by a smaller face, a question reads smaller than its window's other texts.
        QVERIFY2(label->font().pointSizeF() >= window->font().pointSizeF() ||
                     label->objectName() == QLatin1String("lblPunkte"),
                 qPrintable(QStringLiteral("\"%1\" is shrunk to %2 pt")
                                .arg(label->text())
                                .arg(label->font().pointSizeF())));
        QVERIFY2(needed.width() <= size.width() && needed.height() <= size.height(),
                 qPrintable(QStringLiteral("\"%1\" (%2) needs %3 x %4 in %5 x %6")
                                .arg(label->text(), Name(label))
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(size.width())
                                .arg(size.height())));
        ++checked;
      }
      for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->window() != window)
          continue;
        QStyleOptionButton option;
        option.initFrom(button);
        const int room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int needed =
            button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&'));
        QVERIFY2(
            needed <= room,
            qPrintable(
                QStringLiteral("\"%1\" needs %2 of %3").arg(button->text()).arg(needed).arg(room)));
        ++checked;
      }
    }
    QCOMPARE(checked, 2 + 10 + 1 + 2 + 3);  // the captions of the four windows, hidden "Go" too
  }

  void theLongestEntriesFitTheHighscoreBoxes() {
    Form2& list = rig_->form.form2();
    const struct {
      QLineEdit* box;
      QStringList texts;
    } kColumns[] = {
        {list.txtRang(9), {"10"}},
        {list.txtWert(0), {"9999", "-999"}},
        {list.txtPerson(0), {"Wolfgang Hildebrandt", "Marie-Claire Dubois"}},
        // The widest stamps the locales give: letters of a month, two-digit days, numbers alone.
        {list.txtDatum(0),
         {"08.12.26 16:05:07", "12/28/26 23:59:59", "8 May 26 23:59:59", "26-12-28 23:59:59"}},
        {rig_->form.form3().txtEingabeNamen(), {"Wolfgang Hildebrandt"}},
    };
    for (const auto& column : kColumns) {
      for (const QString& text : column.texts)
        QVERIFY2(ShowsWhole(column.box, text), qPrintable(text + " does not show whole"));
    }
  }

  // A title the window manager elides ("Nombre…jugador") no longer says what the window asks.
  // Openbox's frames, bold 8-point sans, leave a title 112 pixels less than the window's width.
  void theSmallWindowsTitlesFitTheirTitleBars() {
    QFont bold(QStringLiteral("DejaVu Sans"), 8, QFont::Bold);
    if (QFontInfo(bold).family() != QLatin1String("DejaVu Sans"))
      QSKIP("no DejaVu Sans, the face of openbox's titles");
    const QFontMetrics metrics(bold);
    Form1& f = rig_->form;
    for (QWidget* window : {static_cast<QWidget*>(&f.form2()), static_cast<QWidget*>(&f.form3()),
                            static_cast<QWidget*>(&f.form4())}) {
      const int room = window->width() - 112;
      QVERIFY2(metrics.horizontalAdvance(window->windowTitle()) <= room,
               qPrintable(QStringLiteral("\"%1\" is %2 pixels, more than the %3 of its title bar")
                              .arg(window->windowTitle())
                              .arg(metrics.horizontalAdvance(window->windowTitle()))
                              .arg(room)));
    }
  }

 private:
  QTemporaryDir folder_;
  std::unique_ptr<testing::WindowRig> rig_;
};

}  // namespace kaldora

QTEST_MAIN(kaldora::FitTest)
#include "fit_test.moc"
