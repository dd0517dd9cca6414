// Fonts, and the empty title of the game's windows on X11.
#include "window/layout.h"

#include <xcb/xcb.h>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstring>

namespace kaldora {

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

}  // namespace

QFont DesignFont(double points, bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

void ShrinkToFit(QWidget* label, const QString& text) {
  QFont font = label->font();
  while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(text) > label->width()) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
  }
  label->setFont(font);
}

// Qt never hands an empty title to X11: it substitutes the application's name. The window class
// still names the game for task bars; the title itself stays empty, as the game shows none.
void ClearNativeTitle(QWidget* window) {
  // Other platforms (offscreen, say) may offer the X11 interface without an X connection.
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
      x11->connection() == nullptr || window->windowHandle() == nullptr)
    return;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window->windowHandle()->winId());
  const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
  const xcb_atom_t net_wm_name = Atom(connection, "_NET_WM_NAME");
  if (utf8 != XCB_ATOM_NONE && net_wm_name != XCB_ATOM_NONE) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, net_wm_name, utf8, 8, 0, nullptr);
  }
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                      0, nullptr);
  xcb_flush(connection);
}

}  // namespace kaldora
