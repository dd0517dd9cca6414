// The yardstick for start-up: a bare Qt 6 window of KALDORA's size with 81 labels and ten buttons.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(800, 600);
  for (int i = 0; i < 81; ++i) {
    auto* label = new QLabel(&window);
    label->setGeometry(20 + 63 * (i % 9), 20 + 63 * (i / 9), 62, 62);
  }
  for (int i = 0; i < 10; ++i) {
    auto* button = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
    button->setGeometry(635, 290 + 27 * i, 130, 22);
  }
  window.show();
  return QApplication::exec();
}
