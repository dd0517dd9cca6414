// Turning the board's changes during a move into one short sentence, and saying it.
#include "board/qt/boardnews.h"

#include <QStringList>

#include "board/qt/boardaccess.h"

namespace kaldora {

namespace {

constexpr int kBurst = 8;
constexpr int kBlackstone = 9;

bool IsColour(int source) {
  return source >= 0 && source < kBurst;  // the seven colours and the joker
}

QString Place(int n) {
  return BoardNews::tr("row %1, column %2").arg(n / 9 + 1).arg(n % 9 + 1);
}

class NewsMessage final : public QWidget {
 public:
  using QWidget::QWidget;
};

}  // namespace

void BoardNews::Begin(int target, int source) {
  log_.clear();
  target_ = target;
  source_ = source;
  active_ = true;
}

void BoardNews::Picture(int n, int before, int after) {
  if (active_ && before != after)
    log_.push_back({n, before, after});
}

void BoardNews::Score(int before, int after) {
  if (active_)
    log_.push_back({-1, before, after});
}

QString BoardNews::Take(bool game_over, int score) {
  if (!active_)
    return {};
  active_ = false;
  std::size_t i = 0;
  // The drop itself: the target takes the source's picture, and the source is emptied.
  if (log_.size() >= 2 && log_[0].n == target_ && log_[0].before < 0 && log_[1].n == source_ &&
      log_[1].after < 0 && log_[1].before == log_[0].after)
    i = 2;

  QStringList parts;
  QStringList fresh;
  int emptied = 0;
  int burst_colour = -1;
  int bursts = 0;
  const auto tell_fresh = [&] {
    if (!fresh.isEmpty())
      parts << tr("New squares: %1.").arg(fresh.join(QStringLiteral("; ")));
    fresh.clear();
  };
  const auto tell_bursts = [&] {
    if (bursts == 1)
      parts << tr("Colour burst: 1 %1 square.").arg(SquareContent(burst_colour));
    else if (bursts > 1)
      parts << tr("Colour burst: %1 %2 squares.").arg(bursts).arg(SquareContent(burst_colour));
    bursts = 0;
  };
  for (; i < log_.size(); ++i) {
    const Change& c = log_[i];
    if (c.n < 0) {
      tell_fresh();
      if (emptied == 5 && c.after >= c.before)
        parts << tr("Row dissolved, %1 points, score %2.").arg(c.after - c.before).arg(c.after);
      else if (emptied == 9 && c.after >= c.before)
        parts << tr("Quad dissolved, %1 points, score %2.").arg(c.after - c.before).arg(c.after);
      emptied = 0;
    } else if (c.after == kBurst) {
      // A burst square is emptied first and then shows the burst.
      const bool was_colour = i > 0 && log_[i - 1].n == c.n && IsColour(log_[i - 1].before);
      if (was_colour) {
        tell_fresh();
        --emptied;
        ++bursts;
        burst_colour = log_[i - 1].before;
      }
      continue;
    } else if (IsColour(c.before) && c.after < 0) {
      ++emptied;
      continue;  // a burst may follow on the same square
    } else if (IsColour(c.after) && c.before < 0) {
      tell_bursts();
      fresh << tr("%1 at %2").arg(SquareContent(c.after), Place(c.n));
    } else if (c.after == kBlackstone) {
      tell_fresh();
      tell_bursts();
      parts << tr("Blackstone at %1.").arg(Place(c.n));
    }
  }
  tell_fresh();
  tell_bursts();
  if (game_over)
    parts << tr("Game over, score %1.").arg(score);
  log_.clear();
  return parts.join(QLatin1Char(' '));
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
