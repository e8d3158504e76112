#pragma once
// The program's texts in the user's language: loads spectrivue_<language>.qm and Qt's own
// qtbase_<language>.qm before the first window is made. Without a translation for the language
// (English, C, or any other) every text stays as the program writes it.

class QCoreApplication;
class QLocale;
class QString;

namespace sv {

// Where the program's translations are looked for: the installed folder beside the program
// (<prefix>/share/spectrivue/translations), then a build's own translations folder.
QString translationsFolder();

// True when a translation of the program's texts was found for the locale in folder.
bool installTranslations(QCoreApplication& app, const QLocale& locale, const QString& folder);

} // namespace sv
