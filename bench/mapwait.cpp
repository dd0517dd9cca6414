// kaldora-mapwait PROGRAM [ARGS...]: starts a program on the X display and prints, in
// milliseconds, the time from its exec until its first top-level window is mapped; then leaves it
// running and prints its process id on a second line. Used by bench/measure.sh.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kaldora-mapwait PROGRAM [ARGS...]\n");
    return 2;
  }
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x) != 0) {
    std::fprintf(stderr, "kaldora-mapwait: no X display\n");
    return 1;
  }
  // Without a window manager a program's top-level windows are children of the root window, so
  // their mapping shows as a MapNotify on it.
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);
  xcb_generic_event_t* pending = nullptr;
  while ((pending = xcb_poll_for_event(x)) != nullptr)
    std::free(pending);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    std::perror("exec");
    _exit(127);
  }
  // Waits for the X connection in short slices, to notice a program that ends without a window.
  pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
  for (;;) {
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                          !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
      std::free(event);
      if (mapped) {
        std::printf("%.1f\n%d\n", ms, static_cast<int>(child));
        return 0;
      }
    }
    int status = 0;
    if (xcb_connection_has_error(x) != 0 || waitpid(child, &status, WNOHANG) == child ||
        ms > 60000) {
      std::fprintf(stderr, "kaldora-mapwait: %s ended or timed out without a window\n", argv[1]);
      return 1;
    }
    poll(&fd, 1, 20);
  }
}
