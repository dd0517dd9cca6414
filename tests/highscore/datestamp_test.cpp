// Date stamps in the regional settings of many languages: whole, in Windows-1252, in 17 characters.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

#include "highscore/qt/datestamp.h"
#include "highscore/record.h"

namespace kaldora {
namespace {

// The stamp's numbers and words, in the order written.
QStringList Words(const QString& stamp) {
  static const QRegularExpression kBetween(QStringLiteral("[^\\p{L}\\p{N}]+"));
  return stamp.split(kBetween, Qt::SkipEmptyParts);
}

TEST(DateStamp, EveryLocaleGivesAllSixFieldsIn17CharactersOfWindows1252) {
  struct Case {
    const char* locale;
    QDate day;
    const char* exact;  // where the form is known; every row is checked field by field
  };
  const QDate december(2026, 12, 8);
  const Case kCases[] = {
      {"de_DE", december, "08.12.26 16:05:07"},
      {"en_US", december, "12/8/26 16:05:07"},
      // "1/8/26 4:05:07 PM" fits, but "1/8/26 10:05:07 PM" would not: the day keeps one form.
      {"en_US", QDate(2026, 1, 8), "1/8/26 16:05:07"},
      {"en_GB", december, nullptr},
      {"fr_FR", december, nullptr},
      {"C", december, "8 Dec 26 16:05:07"},
      {"ja_JP", december, "26/12/08 16:05:07"},
      {"zh_CN", december, nullptr},
      {"zh_TW", december, nullptr},
      {"ko_KR", december, nullptr},
      {"ar_EG", december, nullptr},
      {"fa_IR", december, nullptr},
      {"ru_RU", december, nullptr},
      {"el_GR", december, nullptr},
      {"bg_BG", december, nullptr},
      {"sq_AL", december, nullptr},
      {"my_MM", december, nullptr},
      {"hu_HU", december, nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.locale);
    const QLocale locale(QString::fromLatin1(c.locale));
    const QString stamp = DateStamp(locale, QDateTime(c.day, QTime(16, 5, 7)));
    SCOPED_TRACE(stamp.toStdString());
    if (c.exact != nullptr) {
      EXPECT_EQ(stamp, QString::fromUtf8(c.exact));
    }
    EXPECT_LE(stamp.size(), 17);
    EXPECT_TRUE(FitsWindows1252(stamp.toStdString()));

    const QStringList words = Words(stamp);
    EXPECT_EQ(words.size(), 6);
    const QStringList days{QString::number(c.day.day()), c.day.toString(u"dd")};
    const QStringList months{QString::number(c.day.month()), c.day.toString(u"MM"),
                             locale.monthName(c.day.month(), QLocale::ShortFormat),
                             QLocale::c().monthName(c.day.month(), QLocale::ShortFormat)};
    const QStringList date = words.mid(0, 3);
    const auto count = [&](const QStringList& any) {
      return std::count_if(date.begin(), date.end(),
                           [&](const QString& w) { return any.contains(w); });
    };
    EXPECT_EQ(count(days), 1);
    EXPECT_EQ(count(months), 1);
    EXPECT_EQ(count({QStringLiteral("26")}), 1);
    EXPECT_EQ(words.mid(3),
              (QStringList{QStringLiteral("16"), QStringLiteral("05"), QStringLiteral("07")}));
  }
}

}  // namespace
}  // namespace kaldora
