// What the window manager is told of the windows and asked about them: on X11 through xcb, on
// Wayland as far as a program may know.
#include "window/qt/windowmanager.h"

#include <xcb/xcb.h>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kaldora {

namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The X connection and the id of a top-level window that Qt has created (as it does before the
// window's show event); no connection on another platform (offscreen, Wayland).
struct X11Window {
  xcb_connection_t* connection = nullptr;
  xcb_window_t id = 0;
};

X11Window X11(QWidget* window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
      x11->connection() == nullptr)
    return {};
  // Not QWidget::winId(): for a window that has a parent it would make every sibling, the small
  // windows' owner's children among them, a native window of its own.
  if (window->windowHandle() == nullptr)
    return {};
  return {x11->connection(), static_cast<xcb_window_t>(window->windowHandle()->winId())};
}

// The atoms of the names, asked for together and kept: every answer the window waits for before
// it is mapped delays it by a trip to the X server, which on a busy machine is not short.
std::map<std::string, xcb_atom_t, std::less<>>& KnownAtoms() {
  static std::map<std::string, xcb_atom_t, std::less<>> known;
  return known;
}

template <std::size_t N>
std::array<xcb_atom_t, N> Atoms(xcb_connection_t* connection, const char* const (&names)[N]) {
  auto& known = KnownAtoms();
  std::array<xcb_intern_atom_cookie_t, N> asked{};
  for (std::size_t i = 0; i < N; ++i) {
    if (!known.contains(names[i]))
      asked[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(names[i])),
                                 names[i]);
  }
  std::array<xcb_atom_t, N> atoms{};
  for (std::size_t i = 0; i < N; ++i) {
    if (!known.contains(names[i])) {
      const XcbReply<xcb_intern_atom_reply_t> reply(
          xcb_intern_atom_reply(connection, asked[i], nullptr), &std::free);
      if (reply == nullptr)
        return {};  // every atom NONE: the connection failed
      known[names[i]] = reply->atom;
    }
    atoms[i] = known[names[i]];
  }
  return atoms;
}

// The 32-bit values of a window property of the given type; empty when it is not set.
std::vector<std::uint32_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t property, xcb_atom_t type) {
  const XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr),
      &std::free);
  if (reply == nullptr || reply->format != 32 || reply->type != type)
    return {};
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// The frame round the window as its _NET_FRAME_EXTENTS tell, in the window's own pixels (Qt's
// scaling divides what X11 counts); none while they are not set.
std::optional<QMargins> SetExtents(QWidget* window) {
  const X11Window w = X11(window);
  if (w.connection == nullptr)
    return {};
  const auto [extents] = Atoms(w.connection, {"_NET_FRAME_EXTENTS"});
  const std::vector<std::uint32_t> ltrb = Property(w.connection, w.id, extents, XCB_ATOM_CARDINAL);
  if (ltrb.size() != 4)
    return {};
  const qreal ratio = window->devicePixelRatio();
  const auto logical = [ratio](std::uint32_t pixels) { return qRound(pixels / ratio); };
  return QMargins(logical(ltrb[0]), logical(ltrb[2]), logical(ltrb[1]), logical(ltrb[3]));
}

// The frame a window manager will put round the window, asked for before the window is mapped
// (_NET_REQUEST_FRAME_EXTENTS). None from a window manager that does not offer to tell (KWin).
std::optional<QMargins> FrameExtents(QWidget* window) {
  const X11Window w = X11(window);
  if (w.connection == nullptr)
    return {};
  const auto geometry = xcb_get_geometry(w.connection, w.id);
  const auto [request, net_supported] =
      Atoms(w.connection, {"_NET_REQUEST_FRAME_EXTENTS", "_NET_SUPPORTED"});
  const XcbReply<xcb_get_geometry_reply_t> root(
      xcb_get_geometry_reply(w.connection, geometry, nullptr), &std::free);
  if (root == nullptr || request == XCB_ATOM_NONE)
    return {};
  const std::vector<std::uint32_t> supported =
      Property(w.connection, root->root, net_supported, XCB_ATOM_ATOM);
  if (std::find(supported.begin(), supported.end(), request) == supported.end())
    return {};
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = w.id;
  message.type = request;
  xcb_send_event(w.connection, 0, root->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(w.connection);
  // The answer is a property the window manager sets, usually within a millisecond or two; a
  // window manager that never answers costs a tenth of a second once per window.
  for (int tries = 0; tries < 200; ++tries) {
    if (const auto frame = SetExtents(window))
      return frame;
    QThread::usleep(500);
  }
  return {};
}

// Where the frame's corner lies when the window with this frame is in the middle of its screen.
QPoint CentredFrameAt(const QWidget* window, QMargins frame) {
  const QRect screen = window->screen()->geometry();
  const QSize outer = window->size().grownBy(frame);
  return {screen.x() + (screen.width() - outer.width()) / 2,
          screen.y() + (screen.height() - outer.height()) / 2};
}

// Centres the window again once, as soon as the window manager has framed it: for a window whose
// frame could not be known before it was mapped.
class CentreWhenFramed : public QObject {
 public:
  explicit CentreWhenFramed(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && (event->type() == QEvent::Move || event->type() == QEvent::Show)) {
      if (const auto frame = SetExtents(window_)) {
        window_->removeEventFilter(this);
        deleteLater();
        // Framed, a shown window is moved by its frame's corner.
        window_->move(CentredFrameAt(window_, *frame));
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* window_;
};

}  // namespace

void CentreOnScreen(QWidget* window) {
  std::optional<QMargins> frame = FrameExtents(window);
  // A dialog gets the frame its main window, framed already, has.
  if (!frame && window->parentWidget() != nullptr)
    frame = SetExtents(window->parentWidget()->window());
  if (!frame && X11(window).connection != nullptr)
    new CentreWhenFramed(window);
  // Not yet shown, it is moved by its client area's corner.
  const QMargins margins = frame.value_or(QMargins());
  window->move(CentredFrameAt(window, margins) + QPoint(margins.left(), margins.top()));
}

QPoint ClientAt(QWidget* window) {
  const X11Window w = X11(window);
  if (w.connection == nullptr)
    return window->geometry().topLeft();
  const XcbReply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(w.connection, xcb_get_geometry(w.connection, w.id), nullptr),
      &std::free);
  if (geometry == nullptr)
    return window->geometry().topLeft();
  const XcbReply<xcb_translate_coordinates_reply_t> at(
      xcb_translate_coordinates_reply(
          w.connection, xcb_translate_coordinates(w.connection, w.id, geometry->root, 0, 0),
          nullptr),
      &std::free);
  if (at == nullptr)
    return window->geometry().topLeft();
  const qreal ratio = window->devicePixelRatio();
  return {qRound(at->dst_x / ratio), qRound(at->dst_y / ratio)};
}

bool ShiftedByItsFrame(QWidget* window, QPoint at) {
  const std::optional<QMargins> frame = SetExtents(window);
  return frame && (frame->left() != 0 || frame->top() != 0) &&
         ClientAt(window) == at - QPoint(frame->left(), frame->top());
}

void MoveClient(QWidget* window, QPoint at, bool after_withdrawal) {
  const X11Window w = X11(window);
  if (w.connection == nullptr)
    return;
  // The window manager says it has let the window go by taking WM_STATE away (or setting it to
  // Withdrawn); until then it may still move the window. A few milliseconds, longer on a busy
  // machine; one that never says so costs two seconds.
  const auto [wm_state] = Atoms(w.connection, {"WM_STATE"});
  for (int tries = 0; after_withdrawal && tries < 4000; ++tries) {
    const std::vector<std::uint32_t> state = Property(w.connection, w.id, wm_state, wm_state);
    if (state.empty() || state[0] == 0)
      break;
    QThread::usleep(500);
  }
  const qreal ratio = window->devicePixelRatio();
  const std::uint32_t xy[] = {static_cast<std::uint32_t>(qRound(at.x() * ratio)),
                              static_cast<std::uint32_t>(qRound(at.y() * ratio))};
  xcb_configure_window(w.connection, w.id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, xy);
  xcb_flush(w.connection);
}

void RestoreIconic(QWidget* window) {
  const X11Window w = X11(window);
  if (w.connection == nullptr)
    return;
  const auto [wm_state] = Atoms(w.connection, {"WM_STATE"});
  constexpr std::uint32_t kIconic = 3;
  const std::vector<std::uint32_t> state = Property(w.connection, w.id, wm_state, wm_state);
  if (!state.empty() && state[0] == kIconic) {
    xcb_map_window(w.connection, w.id);
    xcb_flush(w.connection);
  }
}

// Set on the unmapped window, before every showing: a window manager takes _NET_WM_STATE from
// the window as it maps it, and may drop it when the window is hidden. Qt adds its own states to
// what it finds there.
void SkipTaskbar(QWidget* window) {
  const X11Window w = X11(window);
  if (w.connection == nullptr)
    return;
  const auto [state, skip_taskbar, skip_pager] = Atoms(
      w.connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
  std::vector<std::uint32_t> atoms = Property(w.connection, w.id, state, XCB_ATOM_ATOM);
  for (const xcb_atom_t atom : {skip_taskbar, skip_pager}) {
    if (std::find(atoms.begin(), atoms.end(), atom) == atoms.end())
      atoms.push_back(atom);
  }
  xcb_change_property(w.connection, XCB_PROP_MODE_REPLACE, w.id, state, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(atoms.size()), atoms.data());
  xcb_flush(w.connection);
}

// On X11 the server knows which window lies on top at a point, another program's or one of the
// game's own small windows; on Wayland no program may know, and the window is taken as uncovered
// there.
bool OnTopAt(const QWidget* window, QPoint global) {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
         QApplication::topLevelAt(global) == window;
}

}  // namespace kaldora
