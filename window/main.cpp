// KALDORA: a strategy and puzzle game of coloured squares.
#include <QApplication>
#include <QIcon>

#include "board/random.h"
#include "control/pulsesound.h"
#include "window/form1.h"
#include "window/translations.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kaldora::InstallTranslations();
  // Task bars and docks find the icon and the name through the desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("kaldora"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kaldora")));
  kaldora::SystemClock clock;
  kaldora::Random random(clock);
  kaldora::PulseSound sound;  // outlives the windows that play through it
  kaldora::Form1 form(random, sound);
  form.show();
  return QApplication::exec();
}
