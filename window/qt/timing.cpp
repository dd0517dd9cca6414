// The timer and the event pump on Qt.
#include "window/qt/timing.h"

#include <QCoreApplication>

namespace kaldora {

QtGameTimer::QtGameTimer(std::function<void()> tick) {
  timer_.setInterval(400);
  QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
}

// Enabling the running timer does not restart its interval.
void QtGameTimer::SetEnabled(bool enabled) {
  if (!enabled) {
    timer_.stop();
  } else if (!timer_.isActive()) {
    timer_.start();
  }
}

bool QtGameTimer::Enabled() const {
  return timer_.isActive();
}

// The timer's tick and the repaints run; the player's clicks, drags and keys wait until the
// running event has finished, so no move starts inside another.
void QtEventPump::DoEvents() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kaldora
