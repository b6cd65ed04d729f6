#pragma once

#include <QChar>
#include <QString>

// What the workstation needs to know of the user's regional settings.
class LocaleFacts {
public:
    virtual ~LocaleFacts() = default;

    virtual QChar decimalSeparator() const = 0;

    // Windows-style three-letter language abbreviation (PLK, ENU, DEU, ...); empty when unknown.
    virtual QString languageAbbreviation() const = 0;

    // Upper-casing by the rules of the user's language (Polish letters included).
    virtual QString toUpper(const QString &text) const = 0;
};
