// The design units of the windows and their fonts.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

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

// "MS Sans Serif" where it exists; elsewhere the font fallback picks the system's sans face.
QFont DesignFont(double points = 8.25, bool bold = false);

// The fallback for "MS Sans Serif" is usually wider than it; a one-line caption that would be
// cut off is set in a smaller size of the same face instead.
void ShrinkToFit(QWidget* label, const QString& text);

// Clears the title the window system holds for a top-level window, which Qt would otherwise fill
// with the application's name.
void ClearNativeTitle(QWidget* window);

}  // namespace kaldora
