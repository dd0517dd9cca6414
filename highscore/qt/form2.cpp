// The highscore window's rows, coloured gold to pale for the first three ranks.
#include "highscore/qt/form2.h"

#include "window/qt/access.h"
#include "window/qt/layout.h"
#include "window/qt/translations.h"

namespace kaldora {

namespace {

QColor RowColour(int i) {
  switch (i) {
    case 0:
      return QColor(255, 255, 0);
    case 1:
      return QColor(255, 255, 128);
    case 2:
      return QColor(255, 255, 192);
    default:
      return Qt::white;
  }
}

// A text a little too wide for its box shows its beginning, the day of a date, not its end.
void SetText(QLineEdit* box, std::string_view text) {
  box->setText(ToQString(text));
  box->setCursorPosition(0);
}

}  // namespace

Form2::Form2(QWidget* owner)
    : SmallWindow(owner, "Form2", QT_TRANSLATE_NOOP("Form2", "Highscore"), 392, 267) {
  const auto box = [this](int i, int left, int width, Qt::Alignment alignment) {
    auto* line = new QLineEdit(this);
    // The rows below take the keyboard and speak for the boxes, a row at a time.
    HideFromScreenReaders(line);
    line->setGeometry(Twips(left, 300 * (i + 1), width, 285));
    line->setAlignment(alignment);
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::NoFocus);
    SlimMargins(line);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Base, RowColour(i));
    line->setPalette(palette);
    // Rank 11 is the entry that dropped out; the player sees ten.
    line->setVisible(i < kHighscorePlaces - 1);
    return line;
  };
  for (int i = 0; i < kHighscorePlaces; ++i) {
    const auto n = static_cast<std::size_t>(i);
    rang_[n] = box(i, 480, 285, Qt::AlignCenter);
    rang_[n]->setText(QString::number(i + 1));
    wert_[n] = box(i, 990, 450, Qt::AlignRight | Qt::AlignVCenter);
    person_[n] = box(i, 1700, 2040, Qt::AlignLeft | Qt::AlignVCenter);
    datum_[n] = box(i, 4005, 1395, Qt::AlignCenter);
  }
  rows_ = new HighscoreRows(this, Twips(480, 300, 4920, 300 * (kHighscorePlaces - 1)),
                            kHighscorePlaces - 1);
  cmdWeiter_ = AddButton(QT_TRANSLATE_NOOP("Form2", "&Go On"), Twips(4305, 3495, 1095, 300));
  cmdWeiter_->setDefault(true);  // Enter closes the list from any of its boxes
}

void Form2::SetRow(int i, std::string_view wert, std::string_view person, std::string_view datum) {
  SetText(txtWert(i), wert);
  SetText(txtPerson(i), person);
  SetText(txtDatum(i), datum);
  TellRow(i);
}

void Form2::SetWert(int i, std::string_view wert) {
  SetText(txtWert(i), wert);
  TellRow(i);
}

void Form2::TellRow(int i) {
  if (i < rows_->count())
    rows_->SetRow(i, i + 1, txtWert(i)->text().toInt(), txtPerson(i)->text(), txtDatum(i)->text());
}

}  // namespace kaldora
