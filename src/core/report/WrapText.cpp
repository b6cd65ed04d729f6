#include "core/report/WrapText.h"

namespace {

QString withoutTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

// Length of the longest prefix of text that fits, ending at a word end; 0 when not even the
// first word fits.
qsizetype wordPrefixThatFits(const QString &text, int width, const std::function<int(const QString &)> &measure)
{
    qsizetype best = 0;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        const bool wordEnds = i == text.size() || (text.at(i) == u' ' && text.at(i - 1) != u' ');
        if (!wordEnds)
            continue;
        if (measure(text.left(i)) > width)
            break;
        best = i;
    }
    return best;
}

qsizetype charPrefixThatFits(const QString &text, int width, const std::function<int(const QString &)> &measure)
{
    qsizetype length = 1;
    while (length < text.size() && measure(text.left(length + 1)) <= width)
        ++length;
    return length;
}

} // namespace

QStringList WrapText(const QString &text, int width, const std::function<int(const QString &)> &measure)
{
    if (measure(withoutTrailingBlanks(text)) <= width)
        return {text};

    QStringList lines;
    QString rest = text;
    while (!withoutTrailingBlanks(rest).isEmpty()) {
        if (measure(withoutTrailingBlanks(rest)) <= width) {
            lines << rest;
            break;
        }
        qsizetype cut = wordPrefixThatFits(rest, width, measure);
        if (cut == 0)
            cut = charPrefixThatFits(rest, width, measure);
        lines << rest.left(cut);
        rest = rest.mid(cut);
        qsizetype blanks = 0;
        while (blanks < rest.size() && rest.at(blanks) == u' ')
            ++blanks;
        rest = rest.mid(blanks);
    }
    return lines;
}
