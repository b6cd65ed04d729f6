#include "gui/widgets/Mnemonics.h"

QString Mnemonics::mark(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'&', QStringLiteral("&&"));
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const QChar letter = escaped.at(i).toLower();
        if (!letter.isLetter() || m_taken.contains(letter))
            continue;
        m_taken += letter;
        return escaped.insert(i, u'&');
    }
    return escaped;
}
