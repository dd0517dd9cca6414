// The date stamp of a new highscore entry, from the locale's own date and time patterns.
#include "highscore/qt/datestamp.h"

#include <QTime>

#include <algorithm>
#include <vector>

#include "highscore/record.h"

namespace kaldora {

namespace {

constexpr qsizetype kDatumLength = 17;

// A piece of a QLocale pattern: the letters of one field ("dd", "AP"), or literal text unquoted.
struct Piece {
  QString text;
  bool field = false;

  QChar letter() const { return field ? text.front() : QChar(); }
};
using Pattern = std::vector<Piece>;

// Qt's own field letters, and CLDR's day period "B", which Qt 6.4 would print as a letter.
bool IsFieldLetter(QChar c) {
  return QStringView(u"dMyhHmsztaAB").contains(c);
}

void AddLiteral(Pattern& pattern, QChar c) {
  // Direction marks (as in Arabic dates) show nothing and no 8-bit file holds them.
  if (c.category() == QChar::Other_Format)
    return;
  if (pattern.empty() || pattern.back().field)
    pattern.push_back({});
  pattern.back().text += c;
}

Pattern Parse(const QString& format) {
  Pattern pattern;
  const qsizetype n = format.size();
  for (qsizetype i = 0; i < n;) {
    const QChar c = format[i];
    if (c == u'\'') {
      // '' is a quote itself, inside quotes or out.
      if (i + 1 < n && format[i + 1] == u'\'') {
        AddLiteral(pattern, c);
        i += 2;
        continue;
      }
      for (++i; i < n; ++i) {
        if (format[i] == u'\'' && !(i + 1 < n && format[i + 1] == u'\''))
          break;
        if (format[i] == u'\'')
          ++i;
        AddLiteral(pattern, format[i]);
      }
      ++i;
    } else if (IsFieldLetter(c)) {
      qsizetype j = i + 1;
      if (c == u'a' || c == u'A')
        j += j < n && (format[j] == u'p' || format[j] == u'P');
      else
        while (j < n && format[j] == c)
          ++j;
      pattern.push_back({format.mid(i, j - i), true});
      i = j;
    } else {
      AddLiteral(pattern, c);
      ++i;
    }
  }
  return pattern;
}

QString Format(const Pattern& pattern) {
  QString format;
  for (const Piece& piece : pattern) {
    if (piece.field)
      format += piece.text;
    else if (!piece.text.isEmpty())
      format +=
          u'\'' + QString(piece.text).replace(QStringLiteral("'"), QStringLiteral("''")) + u'\'';
  }
  return format;
}

bool Has(const Pattern& pattern, QStringView letters) {
  return std::any_of(pattern.begin(), pattern.end(), [&](const Piece& p) {
    // "ddd" and "dddd" are the weekday's name, not the day.
    return p.field && letters.contains(p.letter()) && !(p.letter() == u'd' && p.text.size() > 2);
  });
}

void Tidy(Pattern& pattern) {
  Pattern tidy;
  for (Piece& piece : pattern) {
    if (!piece.field && piece.text.isEmpty())
      continue;
    if (!piece.field && !tidy.empty() && !tidy.back().field)
      tidy.back().text += piece.text;
    else
      tidy.push_back(std::move(piece));
  }
  pattern = std::move(tidy);
}

// Drops the time zone, the AM/PM marker or the day period, with the blanks, commas and brackets
// that set it apart; a blank stays where one stood on both sides.
void Remove(Pattern& pattern, QStringView letters) {
  for (std::size_t i = 0; i < pattern.size();) {
    if (!pattern[i].field || !letters.contains(pattern[i].letter())) {
      ++i;
      continue;
    }
    bool blank_before = false, blank_after = false;
    if (i > 0 && !pattern[i - 1].field) {
      QString& text = pattern[i - 1].text;
      while (!text.isEmpty() &&
             (text.back().isSpace() || QStringView(u",([").contains(text.back()))) {
        blank_before |= text.back().isSpace();
        text.chop(1);
      }
    }
    if (i + 1 < pattern.size() && !pattern[i + 1].field) {
      QString& text = pattern[i + 1].text;
      while (!text.isEmpty() &&
             (text.front().isSpace() || QStringView(u",)]").contains(text.front()))) {
        blank_after |= text.front().isSpace();
        text.remove(0, 1);
      }
    }
    const auto at = pattern.begin() + static_cast<std::ptrdiff_t>(i);
    const auto is_field = [](const Piece& p) { return p.field; };
    const bool between = std::any_of(pattern.begin(), at, is_field) &&
                         std::any_of(std::next(at), pattern.end(), is_field);
    pattern.erase(at);
    if (blank_before && blank_after && between)
      pattern.insert(pattern.begin() + static_cast<std::ptrdiff_t>(i),
                     Piece{QStringLiteral(" "), false});
  }
  Tidy(pattern);
}

// Compact forms lose the words and marks before the first field and after the last, and the
// blanks beside a separator ("yy. M. d." is "yy.M.d").
void TrimLiterals(Pattern& pattern) {
  while (!pattern.empty() && !pattern.back().field)
    pattern.pop_back();
  while (!pattern.empty() && !pattern.front().field)
    pattern.erase(pattern.begin());
  for (Piece& piece : pattern) {
    if (piece.field)
      continue;
    const bool words = std::any_of(piece.text.begin(), piece.text.end(),
                                   [](QChar c) { return c.isLetterOrNumber(); });
    QString text = piece.text.simplified();
    if (!words)
      text.remove(u' ');
    piece.text = text.isEmpty() ? QStringLiteral(" ") : text;
  }
}

Pattern CompactDate(Pattern date) {
  for (Piece& piece : date) {
    if (piece.letter() == u'y')
      piece.text = QStringLiteral("yy");
    else if (piece.letter() == u'M' && piece.text.size() > 3)
      piece.text = QStringLiteral("MMM");
  }
  TrimLiterals(date);
  return date;
}

// 24 hours, two-digit minutes and seconds, and between them the locale's mark ("." or ":"), or ":"
// where the locale writes words ("16 h 05"); seconds follow the minutes where the pattern has none.
Pattern CompactTime(Pattern time) {
  Remove(time, u"taAB");
  TrimLiterals(time);
  for (Piece& piece : time) {
    if (!piece.field && (piece.text.size() != 1 || piece.text.front().isLetterOrNumber()))
      piece.text = QStringLiteral(":");
  }
  if (!Has(time, u"s")) {
    const auto minutes =
        std::find_if(time.begin(), time.end(), [](const Piece& p) { return p.letter() == u'm'; });
    if (minutes != time.end()) {
      const bool marked = minutes != time.begin() && !std::prev(minutes)->field;
      const QString mark = marked ? std::prev(minutes)->text : QStringLiteral(":");
      time.insert(std::next(minutes), {Piece{mark, false}, Piece{QStringLiteral("s"), true}});
    }
  }
  for (Piece& piece : time) {
    if (piece.letter() == u'h' || piece.letter() == u'H')
      piece.text.fill(u'H');
    else if (piece.letter() == u'm' || piece.letter() == u's')
      piece.text = QString(2, piece.letter());
  }
  return time;
}

struct Form {
  Pattern date, time;
};

QString Write(const Form& form, const QLocale& writer, QDate day, QTime time) {
  return writer.toString(day, Format(form.date)) + u' ' + writer.toString(time, Format(form.time));
}

// A form serves when it has every field and Windows-1252 holds it whole, now and at the widest
// times of the same day, so that one day's entries keep one form.
bool Serves(const Form& form, const QLocale& writer, const QDateTime& when) {
  if (!Has(form.date, u"d") || !Has(form.date, u"M") || !Has(form.date, u"y") ||
      !Has(form.time, u"hH") || !Has(form.time, u"m") || !Has(form.time, u"s")) {
    return false;
  }
  for (const QTime time : {when.time(), QTime(10, 58, 58), QTime(22, 58, 58)}) {
    const QString stamp = Write(form, writer, when.date(), time);
    if (stamp.size() > kDatumLength || !FitsWindows1252(stamp.toStdString()))
      return false;
  }
  return true;
}

}  // namespace

QString DateStamp(const QLocale& locale, const QDateTime& when) {
  Form full{Parse(locale.dateFormat(QLocale::ShortFormat)),
            Parse(locale.timeFormat(QLocale::LongFormat))};
  Remove(full.time, u"tB");
  const Form compact{CompactDate(full.date),
                     CompactTime(Parse(locale.timeFormat(QLocale::ShortFormat)))};
  for (const QLocale& writer : {locale, QLocale::c()}) {
    for (const Form* form : {static_cast<const Form*>(&full), &compact}) {
      if (Serves(*form, writer, when))
        return Write(*form, writer, when.date(), when.time());
    }
  }
  return QLocale::c().toString(when, u"yy-MM-dd HH:mm:ss");
}

std::string LocaleDateClock::GeneralDate() {
  return DateStamp(QLocale::system(), QDateTime::currentDateTime()).toStdString();
}

}  // namespace kaldora
