// The date stamp of a new highscore entry, as the player's regional settings write it.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "highscore/highscore.h"

namespace kaldora {

// The locale's short date, a blank, and its long time with seconds but without a time zone. Where
// that is longer than the 17 characters of a record, or Windows-1252 cannot hold it, the same
// locale's compact form (two-digit year, 24-hour time), then both forms in QLocale::c(), then
// "yy-MM-dd HH:mm:ss": day, month, year, hours, minutes and seconds always fit whole.
QString DateStamp(const QLocale& locale, const QDateTime& when);

// Now, as DateStamp writes it in the system's locale.
class LocaleDateClock final : public DateClock {
 public:
  std::string GeneralDate() override;
};

}  // namespace kaldora
