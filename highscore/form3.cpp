// The name entry window, and the date stamp of a new entry.
#include "highscore/form3.h"

#include <QDateTime>
#include <QLocale>

#include "window/layout.h"

namespace kaldora {

Form3::Form3(QWidget* owner) : SmallWindow(owner, QStringLiteral("Spielername"), 219, 136) {
  auto* lblFrage = new QLabel(QStringLiteral("Who did reach so much points?"), this);
  lblFrage->setGeometry(Twips(465, 330, 2310, 495));
  txtEingabeNamen_ = new QLineEdit(this);
  txtEingabeNamen_->setGeometry(Twips(585, 780, 2040, 285));
  cmdWeiter_ = AddButton("&Go On", Twips(1725, 1410, 900, 285));
}

void Form3::ShowEntry() {
  ShowInFront();
  FocusName();
}

std::string LocaleDateClock::GeneralDate() {
  const QLocale locale = QLocale::system();
  const QDateTime now = QDateTime::currentDateTime();
  return (locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
          locale.toString(now.time(), QLocale::LongFormat))
      .toStdString();
}

}  // namespace kaldora
