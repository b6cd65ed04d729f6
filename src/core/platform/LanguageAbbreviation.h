#pragma once

#include <QLocale>
#include <QString>

// The Windows-style three-letter abbreviation of a locale's language: ISO 639 language
// letters plus one letter for the country variant (PLK, ENU, ENG, DEU, DEA, CSY, ...).
// The C locale has none (empty text).
QString windowsLanguageAbbreviation(const QLocale &locale);

// The language an abbreviation stands for (the reverse of the above: "DEA" gives German in
// Austria, "EN" English); the C locale for a text that names no language.
QLocale localeOfWindowsAbbreviation(const QString &abbreviation);
