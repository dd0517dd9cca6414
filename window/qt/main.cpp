// KALDORA: a strategy and puzzle game of coloured squares.
#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "board/random.h"
#include "control/pulse/pulsesound.h"
#include "window/qt/endsignals.h"
#include "window/qt/form1.h"
#include "window/qt/translations.h"

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

// The window's icon: the installed pictures' pixels, compiled in. Looking the icon up in the
// icon themes took a third as many instructions as the start-up up to the first frame and a
// megabyte of memory, and reading a PNG loaded all of the toolkit's image plugins.
const std::uint32_t kIcon16[] = {
#include "icons/kaldora-16.inc"
};
const std::uint32_t kIcon32[] = {
#include "icons/kaldora-32.inc"
};
const std::uint32_t kIcon48[] = {
#include "icons/kaldora-48.inc"
};
const std::uint32_t kIcon64[] = {
#include "icons/kaldora-64.inc"
};

void SetWindowIcon() {
  QIcon icon;
  const auto add = [&icon](const std::uint32_t* pixels, int size) {
    icon.addPixmap(QPixmap::fromImage(
        QImage(reinterpret_cast<const uchar*>(pixels), size, size, QImage::Format_ARGB32)));
  };
  add(kIcon16, 16);
  add(kIcon32, 32);
  add(kIcon48, 48);
  add(kIcon64, 64);
  QApplication::setWindowIcon(icon);
}

// Runs what the game does not need to show its window once the first frame has been painted.
class AfterFirstFrame final : public QObject {
 public:
  explicit AfterFirstFrame(std::function<void()> then) : then_(std::move(then)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, then_);
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

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
  // Outlives the windows that play through it. The start sound comes with the first frame.
  kaldora::PulseSound sound(kaldora::PulseSound::Load::kAfterBegin);
  kaldora::Form1 form(random, sound);
  kaldora::EndSignals end_signals(
      [&form](std::function<void()> end) { form.StoreOpenEntry(std::move(end)); });
  form.show();
  AfterFirstFrame after_first_frame([&sound] {
    SetWindowIcon();
    sound.Begin();
  });
  form.installEventFilter(&after_first_frame);
  return QApplication::exec();
}
