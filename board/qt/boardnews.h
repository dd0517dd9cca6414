// What a move did to the board beyond the player's own drop, told to a screen reader once, in a
// sentence, through a status bar notification.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>

#include "board/board.h"
#include "board/gameevents.h"

namespace kaldora {

class BoardKeys;

// What the game did during one move or button, gathered from its events into one sentence; also
// tells assistive technologies the board's state when the game enables or disables it.
class BoardNews final : public GameEvents {
  Q_DECLARE_TR_FUNCTIONS(BoardNews)

 public:
  void SetKeys(BoardKeys* keys) { keys_ = keys; }
  // What a refused drop's target holds.
  void SetBoard(const Board& board) { board_ = &board; }
  // A move or a button starts; events outside one are not told.
  void Begin();
  bool active() const { return active_; }
  // The sentence for what happened since Begin, empty when there is nothing to tell. Ends it.
  QString Take();

  void RowDissolved(const kaldora::RowDissolved& row) override;
  void QuadDissolved(const kaldora::QuadDissolved& quad) override;
  void ColourMarked(const kaldora::ColourMarked& marked) override;
  void SquareMoved(int source, int target) override;
  void DropRefused(int source, int target) override;
  void BlackstonePlaced(int n) override;
  void NewSquare(int n, int colour) override;
  void GameOver(std::int16_t score, bool qualifies) override;
  void BoardEnabled(bool enabled) override;

 private:
  // New squares placed one after another are told in one part, as are the bursts of a colour.
  void TellFresh();
  void TellBursts();
  void Tell(const QString& part);

  BoardKeys* keys_ = nullptr;
  const Board* board_ = nullptr;
  QStringList parts_;
  QStringList fresh_;
  int burst_colour_ = -1;
  int bursts_ = 0;
  bool active_ = false;
};

// An invisible status bar whose newest notification says the news; Orca speaks a notification
// as it appears, without announcing its role when it sits in a status bar. Each news has a
// notification of its own: a screen reader that lags behind reads the name when it gets to the
// event, and would otherwise read a later news twice.
class NewsBar final : public QWidget {
 public:
  explicit NewsBar(QWidget* parent);
  void Announce(const QString& text);
  QString lastNews() const;

 private:
  std::deque<QWidget*> messages_;
};

// How a new game begins once one is over: "&Start" shows again only after "&Pause".
QString GameOverHint();

// Whether the widget is one of the news bar's notifications.
bool IsNewsMessage(const QWidget* widget);

}  // namespace kaldora
