// KALDORA: a strategy and puzzle game of coloured squares.
#include <QApplication>

#include "board/random.h"
#include "control/sound.h"
#include "window/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kaldora::SystemClock clock;
  kaldora::Random random(clock);
  kaldora::SilentSound sound;
  kaldora::Form1 form(random, sound);
  form.show();
  return QApplication::exec();
}
