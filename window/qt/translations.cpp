// Finding and installing the game's translation.
#include "window/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace kaldora {

bool InstallTranslations(const QString& folder) {
  const QString program = QCoreApplication::applicationDirPath();
  const QStringList folders = folder.isEmpty()
                                  ? QStringList{program + QStringLiteral("/translations"),
                                                QStringLiteral(KALDORA_INSTALLED_TRANSLATIONS)}
                                  : QStringList{folder};
  auto* translator = new QTranslator(QCoreApplication::instance());
  for (const QString& candidate : folders) {
    // "kaldora_de.qm" for de_DE, de_AT and a LANGUAGE list that puts German first.
    if (translator->load(QLocale::system(), QStringLiteral("kaldora"), QStringLiteral("_"),
                         QDir::cleanPath(candidate)))
      return QCoreApplication::installTranslator(translator);
  }
  delete translator;
  return false;
}

QString Translated(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

}  // namespace kaldora
