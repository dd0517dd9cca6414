// The one yield inside a move, under a real X server: a due tick runs there, a real click waits.
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include "fakes/fakes.h"
#include "window/qt/form1.h"

namespace kaldora {

class ReentrancyTest : public QObject {
  Q_OBJECT

 private slots:
  void dueTickRunsBeforeTheRowsPointsAndAQueuedPauseAfterTheMove() {
    testing::FakeClock clock{3};
    Random random{clock};
    testing::FakeSound sound;
    Form1 form{random, sound};
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Board& board = form.game().board();
    for (const int n : {0, 1, 2, 3, 20})  // square 20 dropped on 4 completes row 0
      board.Colour(n, 0);
    board.Colour(60, 5);  // stays until Pause
    board.SetPicture(80, Board::picF(kBurstSource).Picture);
    board.SetTag(80, code::kMarked);

    QString score_at_tick = "no tick", marked_at_tick;
    connect(&form.tmrTimer(), &QTimer::timeout, this, [&] {  // after the game's own tick
      score_at_tick = form.lblPunkte()->text();
      marked_at_tick = QString::fromStdString(board[80].Tag);
    });
    QPushButton* pause = form.cmdSpielAbbrechen();
    const QPoint at = pause->mapToGlobal(pause->rect().center());
    form.tmrTimer().start();
    QThread::msleep(450);  // the tick is due, but nothing runs events
    QCOMPARE(QProcess::execute("xdotool", {"mousemove", QString::number(at.x()),
                                           QString::number(at.y()), "click", "1"}),
             0);
    QThread::msleep(200);  // press and release have reached the program
    form.game().picP_DragDrop(4, 20);

    QCOMPARE(score_at_tick, QString("0"));
    QCOMPARE(marked_at_tick, QString("0"));
    QCOMPARE(form.lblPunkte()->text(), QString("4"));
    QVERIFY(board[60].Picture != nullptr);  // Pause has not run yet
    QTRY_COMPARE(form.lblPunkte()->text(), QString("0"));
    QVERIFY(board[60].Picture == nullptr);  // the only square left, so the board is empty
  }
};

}  // namespace kaldora

QTEST_MAIN(kaldora::ReentrancyTest)
#include "reentrancy_test.moc"
