// Finding and installing the game's translation, and Qt's own for the texts Qt supplies.
#include "window/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kaldora {

namespace {

// gettext's rule, which the desktop follows: LANGUAGE counts only when the locale of messages is
// not C (or POSIX); there the design's English holds whatever LANGUAGE says.
bool MessagesInC() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(name);
    if (!value.isEmpty())
      return value == QLatin1String("C") || value == QLatin1String("POSIX") ||
             value.startsWith(QLatin1String("C."));
  }
  return true;
}

}  // namespace

bool InstallTranslations(const QString& folder) {
  const QString program = QCoreApplication::applicationDirPath();
  const QStringList folders = folder.isEmpty()
                                  ? QStringList{program + QStringLiteral("/translations"),
                                                QStringLiteral(KALDORA_INSTALLED_TRANSLATIONS)}
                                  : QStringList{folder};
  // In C the English plural forms alone ("1 square"), which kaldora_en.qm holds.
  const QLocale locale = MessagesInC() ? QLocale(QLocale::English) : QLocale::system();
  auto* translator = new QTranslator(QCoreApplication::instance());
  bool found = false;
  for (const QString& candidate : folders) {
    // "kaldora_de.qm" for de_DE, de_AT and a LANGUAGE list that puts German first.
    if (translator->load(locale, QStringLiteral("kaldora"), QStringLiteral("_"),
                         QDir::cleanPath(candidate))) {
      found = QCoreApplication::installTranslator(translator);
      break;
    }
  }
  if (!found)
    delete translator;
  // Qt's own texts, such as an action's description a screen reader shows ("Sets the focus").
  auto* qt = new QTranslator(QCoreApplication::instance());
  if (!qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(qt))
    delete qt;
  return found && locale.language() != QLocale::English;
}

QString Translated(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

}  // namespace kaldora
