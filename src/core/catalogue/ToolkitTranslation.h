#pragma once

#include <QLibraryInfo>
#include <QLocale>
#include <QString>

class LanguageModule;

// Qt draws some texts itself: the standard dialogs, the edits' context menus, the buttons of
// message boxes. They follow the language of the program's own texts: Polish with the built-in
// texts, the module's language while a language module is active. Where Qt has no translation
// for that language its texts stay in Qt's English.

// The language of the program's texts with module active (nullptr: the built-in Polish texts).
QLocale toolkitLanguage(LanguageModule *module);

// Replaces the toolkit translation installed before with Qt's "qtbase" translation for
// module's language, looked up in directory. Returns false when there is none (a missing file
// is not an error: Qt's English is used).
bool installToolkitTranslation(LanguageModule *module,
                               const QString &directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
