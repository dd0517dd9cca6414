// What a move did to the board beyond the player's own drop, told to a screen reader once, in a
// sentence, through a status bar notification.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QWidget>
#include <deque>
#include <vector>

namespace kaldora {

// The changes the window sees while a move runs, in their order.
class BoardNews {
  Q_DECLARE_TR_FUNCTIONS(BoardNews)

 public:
  // A drop of source on target starts; -1, -1 for a move of another kind (Start).
  void Begin(int target, int source);
  bool active() const { return active_; }
  // What was seen so far was the player's own doing.
  void Clear() { log_.clear(); }
  // Square n changed its picture; sources 0..9, -1 for none.
  void Picture(int n, int before, int after);
  void Score(int before, int after);
  // The sentence for what happened since Begin, empty when there is nothing to tell; the board
  // is full and frozen when game_over. Ends the move.
  QString Take(bool game_over, int score);

 private:
  struct Change {
    int n;  // -1: the score
    int before;
    int after;
  };

  std::vector<Change> log_;
  int target_ = -1;
  int source_ = -1;
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

// Whether the widget is one of the news bar's notifications.
bool IsNewsMessage(const QWidget* widget);

}  // namespace kaldora
