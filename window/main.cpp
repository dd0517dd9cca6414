// KALDORA: a strategy and puzzle game of coloured squares.
#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QPixmapCache>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "board/random.h"
#include "control/pulsesound.h"
#include "window/form1.h"
#include "window/translations.h"

namespace {

constexpr int kButtonFaceCacheKiB = 1024;

QtMessageHandler toolkit_handler = nullptr;
QByteArray held_back;  // the platform's words while it connects, said once it has

// While the application connects to its display, the platform's failure is said in one line, not
// as the toolkit's advice to reinstall the program followed by an abort.
void WhileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const QByteArray category(context.category ? context.category : "");
  if (type == QtFatalMsg) {
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "kaldora: no display could be opened (%s)\n",
                 display && *display ? (QByteArray("DISPLAY=") + display).constData()
                                     : "DISPLAY is not set");
    ::_exit(1);
  }
  if (category.startsWith("qt.qpa.")) {
    held_back += category + ": " + message.toLocal8Bit() + "\n";  // maybe details of a failure
    return;
  }
  if (toolkit_handler)
    toolkit_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  toolkit_handler = qInstallMessageHandler(WhileConnecting);
  QApplication app(argc, argv);
  qInstallMessageHandler(toolkit_handler);
  // The style keeps each button face it draws under the palette it drew it with, and every flash
  // of the window's background gives the buttons new palettes: the faces of past flashes, never
  // drawn again, filled the default 10 MiB. 1 MiB holds about ninety faces of 11 KiB, for the
  // fourteen buttons; a face let go too early is simply drawn again.
  QPixmapCache::setCacheLimit(kButtonFaceCacheKiB);
  std::fputs(held_back.constData(), stderr);
  kaldora::InstallTranslations();
  // Task bars and docks find the icon and the name through the desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("kaldora"));
  kaldora::SystemClock clock;
  kaldora::Random random(clock);
  kaldora::PulseSound sound;  // outlives the windows that play through it
  kaldora::Form1 form(random, sound);
  form.show();
  // The search through the icon themes took a fifth of the start-up; the window is there first.
  QTimer::singleShot(
      0, [] { QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kaldora"))); });
  return QApplication::exec();
}
