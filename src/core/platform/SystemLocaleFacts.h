#pragma once

#include "core/platform/LocaleFacts.h"

#include <QLocale>

// Regional settings of a QLocale; the system locale unless one is given.
class SystemLocaleFacts final : public LocaleFacts {
public:
    SystemLocaleFacts() = default;
    explicit SystemLocaleFacts(const QLocale &locale) : m_locale(locale) {}

    QChar decimalSeparator() const override;
    QString languageAbbreviation() const override;
    QString toUpper(const QString &text) const override;

private:
    QLocale m_locale = QLocale::system();
};
