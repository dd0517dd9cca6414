// Fonts, labels and text boxes as designed.
#include "window/qt/layout.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace kaldora {

namespace {

bool Fits(const QLabel* label) {
  const QRect box = label->contentsRect();
  const QRect needed =
      QFontMetrics(label->font())
          .boundingRect(QRect(0, 0, box.width(), 10 * box.height() + 100),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
  return needed.width() <= box.width() && needed.height() <= box.height();
}

}  // namespace

QFont DesignFont(double points, bool bold) {
  static const bool substituted = [] {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("Arimo")});
    return true;
  }();
  Q_UNUSED(substituted);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

void FitLabel(QLabel* label) {
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  const int widest = label->parentWidget()->width() - 2 - label->x();  // inside the outline
  while (!Fits(label) && label->width() < widest)
    label->resize(label->width() + 1, label->height());
  QFont font = label->font();
  while (!Fits(label) && font.pointSizeF() > 6) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
  }
}

void SetColours(QWidget* widget, QColor background, QColor text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

// Qt keeps two pixels between a box's frame and its text on either side; the design's boxes keep
// the text right inside the frame, and a 17-character date needs every one of those pixels, and on
// the right one more for the cursor behind the last character, which Qt counts as part of the text.
void SlimMargins(QLineEdit* box) {
  box->setTextMargins(-2, 0, -3, 0);
}

}  // namespace kaldora
