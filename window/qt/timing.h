// The game's timer and its "let pending events run once", on Qt's event loop.
#pragma once

#include <QTimer>
#include <functional>

#include "board/game.h"

namespace kaldora {

// tmrTimer, 400 milliseconds.
class QtGameTimer final : public GameTimer {
 public:
  explicit QtGameTimer(std::function<void()> tick);
  QTimer& timer() { return timer_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;

 private:
  QTimer timer_;
};

class QtEventPump final : public EventPump {
 public:
  void DoEvents() override;
};

}  // namespace kaldora
