// What the game does when the session ends it (logout, shutdown, a closed terminal).
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace kaldora {

// SIGTERM and SIGHUP, taken on the window's thread: `before_end` runs there and is given the end,
// which it calls when it is done, at once or later; the signal then ends the program as it would
// have, with the status a session manager expects.
class EndSignals final : public QObject {
 public:
  explicit EndSignals(std::function<void(std::function<void()> end)> before_end);
  ~EndSignals() override;
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  void Arrived();

  std::function<void(std::function<void()> end)> before_end_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kaldora
