#include "core/platform/SystemLocaleFacts.h"

#include "core/platform/LanguageAbbreviation.h"

QChar SystemLocaleFacts::decimalSeparator() const
{
    const QString sep = m_locale.decimalPoint();
    return sep.isEmpty() ? QChar(u'.') : sep.front();
}

QString SystemLocaleFacts::languageAbbreviation() const
{
    return windowsLanguageAbbreviation(m_locale);
}

QString SystemLocaleFacts::toUpper(const QString &text) const
{
    return m_locale.toUpper(text);
}
