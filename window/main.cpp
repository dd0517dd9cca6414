// KALDORA: a strategy and puzzle game of coloured squares.
#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "board/random.h"
#include "control/pulsesound.h"
#include "window/form1.h"
#include "window/translations.h"

namespace {

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

// The search through the icon themes costs a third as much as all the rest up to the first frame,
// so the window is mapped and painted before the icon is looked for.
class IconAfterFirstFrame final : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(
          0, [] { QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kaldora"))); });
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  toolkit_handler = qInstallMessageHandler(WhileConnecting);
  QApplication app(argc, argv);
  qInstallMessageHandler(toolkit_handler);
  std::fputs(held_back.constData(), stderr);
  kaldora::InstallTranslations();
  // Task bars and docks find the icon and the name through the desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("kaldora"));
  kaldora::SystemClock clock;
  kaldora::Random random(clock);
  kaldora::PulseSound sound;  // outlives the windows that play through it
  kaldora::Form1 form(random, sound);
  form.show();
  IconAfterFirstFrame icon;
  form.installEventFilter(&icon);
  return QApplication::exec();
}
