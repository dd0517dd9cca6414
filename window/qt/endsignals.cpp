// Ending signals passed from their handler to the event loop through a socket pair.
#include "window/qt/endsignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace kaldora {

namespace {

int pair[2] = {-1, -1};  // the handler writes the signal's number into [0]; the loop reads [1]
constexpr int kSignals[] = {SIGTERM, SIGHUP};

void Handler(int signal) {
  const unsigned char number = static_cast<unsigned char>(signal);
  // Nothing else is safe in a signal handler; a full socket means one is on its way already.
  [[maybe_unused]] const ssize_t written = ::write(pair[0], &number, 1);
}

}  // namespace

EndSignals::EndSignals(std::function<void(std::function<void()> end)> before_end)
    : before_end_(std::move(before_end)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair) != 0)
    return;  // the signals keep their default: the game ends at once, as before
  notifier_ = new QSocketNotifier(pair[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::Arrived);
  struct sigaction action {};
  action.sa_handler = Handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals)
    ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals() {
  for (const int signal : kSignals)
    std::signal(signal, SIG_DFL);
  for (int& fd : pair) {
    if (fd >= 0)
      ::close(fd);
    fd = -1;
  }
}

void EndSignals::Arrived() {
  unsigned char number = 0;
  if (::read(pair[1], &number, 1) != 1)
    return;
  notifier_->setEnabled(false);
  before_end_([number] {
    std::signal(number, SIG_DFL);
    std::raise(number);
  });
}

}  // namespace kaldora
