// The design units of the windows, their fonts and text boxes.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

class QLabel;
class QLineEdit;
class QWidget;

namespace kaldora {

// Twips, 15 to the pixel, rounded to the nearest pixel where the division is not whole.
constexpr int Px(int twips) {
  return (twips + 7) / 15;
}
constexpr QRect Twips(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

// The logic's texts are UTF-8.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "MS Sans Serif" where it exists; elsewhere a face with its proportions (Liberation Sans or
// Nimbus Sans), which the layout's boxes were measured for.
QFont DesignFont(double points = 8.25, bool bold = false);

// A label as the design's platform showed one: text from the top left, words wrapped within the
// box. Where the wrapped text is still taller than the box, the box grows to the right, up to the
// window's outline, and only then does the font shrink.
void FitLabel(QLabel* label);

// A widget's background and text in these colours, its background filled.
void SetColours(QWidget* widget, QColor background, QColor text);

// The slim inner margins the design's text boxes were measured with.
void SlimMargins(QLineEdit* box);

}  // namespace kaldora
