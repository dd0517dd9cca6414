// Turning the board's changes during a move into one short sentence, and saying it.
#include "board/qt/boardnews.h"

#include <QStringList>

#include "board/qt/boardaccess.h"
#include "window/qt/access.h"

namespace kaldora {

namespace {

QString Place(int n) {
  return BoardNews::tr("row %1, column %2").arg(n / 9 + 1).arg(n % 9 + 1);
}

class NewsMessage final : public QWidget {
 public:
  using QWidget::QWidget;
};

// Where five squares in a line lay: along a row, down a column, or from one end to the other.
QString LinePlace(const std::array<int, 5>& squares) {
  const int first = squares.front(), last = squares.back();
  if (first / 9 == last / 9)
    return BoardNews::tr("row %1, columns %2 to %3")
        .arg(first / 9 + 1)
        .arg(first % 9 + 1)
        .arg(last % 9 + 1);
  if (first % 9 == last % 9)
    return BoardNews::tr("column %1, rows %2 to %3")
        .arg(first % 9 + 1)
        .arg(first / 9 + 1)
        .arg(last / 9 + 1);
  return BoardNews::tr("from %1 to %2").arg(Place(first), Place(last));
}

}  // namespace

void BoardNews::Begin() {
  parts_.clear();
  fresh_.clear();
  bursts_ = 0;
  active_ = true;
}

QString BoardNews::Take() {
  if (!active_)
    return {};
  TellFresh();
  TellBursts();
  active_ = false;
  const QString sentence = parts_.join(QLatin1Char(' '));
  parts_.clear();
  return sentence;
}

void BoardNews::TellFresh() {
  if (!fresh_.isEmpty())
    parts_ << tr("New squares: %1.").arg(fresh_.join(tr("; ", "between the new squares")));
  fresh_.clear();
}

// The colour leads, as a noun of its own: after a counted noun it would need the noun's gender.
void BoardNews::TellBursts() {
  if (bursts_ > 0)
    parts_ << tr("The colour %1 bursts: %n squares.", nullptr, bursts_)
                  .arg(SquareContent(burst_colour_));
  bursts_ = 0;
}

void BoardNews::Tell(const QString& part) {
  TellFresh();
  TellBursts();
  parts_ << part;
}

void BoardNews::RowDissolved(const kaldora::RowDissolved& row) {
  if (!active_)
    return;
  Tell(tr("Row dissolved: %1, %2.").arg(SquareContent(row.colour), LinePlace(row.squares)));
  parts_ << tr("%n points, score %1.", nullptr, row.points).arg(row.score);
}

void BoardNews::QuadDissolved(const kaldora::QuadDissolved& quad) {
  if (!active_)
    return;
  const int first = quad.squares.front(), last = quad.squares.back();
  const QString where = tr("rows %1 to %2, columns %3 to %4")
                            .arg(first / 9 + 1)
                            .arg(last / 9 + 1)
                            .arg(first % 9 + 1)
                            .arg(last % 9 + 1);
  Tell(tr("Quad dissolved: %1, %2.").arg(SquareContent(quad.colour), where));
  parts_ << tr("%n points, score %1.", nullptr, quad.points).arg(quad.score);
}

void BoardNews::ColourMarked(const kaldora::ColourMarked& marked) {
  if (!active_ || marked.squares.empty())
    return;
  TellFresh();
  if (bursts_ > 0 && burst_colour_ != marked.colour)
    TellBursts();
  burst_colour_ = marked.colour;
  bursts_ += static_cast<int>(marked.squares.size());
}

void BoardNews::SquareMoved(int, int target) {
  if (active_)
    Tell(tr("Moved to %1.").arg(Place(target)));
}

// A refused drop still counts as a move, so the news of the move follow.
void BoardNews::DropRefused(int source, int target) {
  if (!active_)
    return;
  if (source != target && board_ != nullptr && (*board_)[target].Picture != nullptr)
    Tell(tr("Not moved: %1 is occupied.").arg(Place(target)));
  else
    Tell(tr("Not moved."));
}

void BoardNews::BlackstonePlaced(int n) {
  if (active_)
    Tell(tr("Blackstone at %1.").arg(Place(n)));
}

void BoardNews::NewSquare(int n, int colour) {
  if (!active_)
    return;
  TellBursts();
  fresh_ << tr("%1 at %2").arg(SquareContent(colour), Place(n));
}

void BoardNews::GameOver(std::int16_t score, bool) {
  if (!active_)
    return;
  Tell(tr("Game over, score %1.").arg(score));
  parts_ << GameOverHint();
}

QString GameOverHint() {
  return BoardNews::tr("Pause, then Start, begins a new game.");
}

void BoardNews::BoardEnabled(bool) {
  if (keys_ != nullptr)  // the game sets up the squares before the keys exist
    TellBoardState(keys_);
}

NewsBar::NewsBar(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 1, 1);
  setAccessibleName(BoardNews::tr("Game news"));
}

void NewsBar::Announce(const QString& text) {
  constexpr std::size_t kKept = 16;  // far more news than a screen reader lags behind
  if (!messages_.empty())
    messages_.back()->hide();
  if (messages_.size() == kKept) {
    delete messages_.front();
    messages_.pop_front();
  }
  auto* message = new NewsMessage(this);
  message->setGeometry(0, 0, 1, 1);
  message->setAccessibleName(text);
  messages_.push_back(message);
  message->show();  // showing is what makes it heard
}

QString NewsBar::lastNews() const {
  return messages_.empty() ? QString() : messages_.back()->accessibleName();
}

bool IsNewsMessage(const QWidget* widget) {
  return dynamic_cast<const NewsMessage*>(widget) != nullptr;
}

}  // namespace kaldora
