// The design units of the windows, their fonts and text boxes, and what the window system is told
// about them.
#pragma once

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

// The slim inner margins the design's text boxes were measured with.
void SlimMargins(QLineEdit* box);

// Places a top-level window in the middle of its screen by its outer size, frame and title
// included; the frame is known from its show event on, before the window is mapped.
void CentreOnScreen(QWidget* window);

// Clears the title the window system holds for a top-level window, which Qt would otherwise fill
// with the application's name.
void ClearNativeTitle(QWidget* window);

// Keeps a window that belongs to another one out of task bars and pagers.
void SkipTaskbar(QWidget* window);

}  // namespace kaldora
