// The game's texts in the player's language, from Qt Linguist's .qm files.
#pragma once

#include <QString>

namespace kaldora {

// Installs the translation of the game for the system locale's languages, looked for in the
// folder `translations` beside the program (a build) and in the data folder it is installed with
// (/usr/share/kaldora/translations); or in `folder` when one is given, and Qt's own. The C and
// English locales keep the design's own texts, with English plural forms. False when no
// translation into another language than English was found for the locale.
bool InstallTranslations(const QString& folder = {});

// A text of the window `context` ("Form1" … "Form4", "Panels") in the player's language.
QString Translated(const char* context, const char* text);

}  // namespace kaldora
