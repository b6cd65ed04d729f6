#include "core/report/WrapText.h"

#include <algorithm>

namespace {

qsizetype withoutTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return end;
}

// The most characters of text from pos (at most limit of them) that fit in width; at least one.
// Widths grow with the text, so the answer is found by doubling and then halving, which measures
// only pieces about a line long however long the text is.
qsizetype charsThatFit(const QString &text, qsizetype pos, qsizetype limit, int width,
                       const std::function<int(const QString &)> &measure)
{
    auto fits = [&](qsizetype count) { return measure(text.mid(pos, count)) <= width; };
    qsizetype good = 1;
    qsizetype bad = 0; // 0: no count known not to fit
    while (bad == 0 && good < limit) {
        const qsizetype next = std::min(2 * good, limit);
        if (fits(next))
            good = next;
        else
            bad = next;
    }
    while (bad - good > 1) {
        const qsizetype middle = good + (bad - good) / 2;
        if (fits(middle))
            good = middle;
        else
            bad = middle;
    }
    return good;
}

// The last word end in text after pos and at most count characters from it, as a length from
// pos; 0 when the first word alone is longer.
qsizetype lastWordEnd(const QString &text, qsizetype pos, qsizetype count)
{
    for (qsizetype length = count; length > 0; --length) {
        const qsizetype i = pos + length;
        if (i == text.size() || (text.at(i) == u' ' && text.at(i - 1) != u' '))
            return length;
    }
    return 0;
}

} // namespace

QStringList WrapText(const QString &text, int width, const std::function<int(const QString &)> &measure)
{
    const qsizetype end = withoutTrailingBlanks(text);
    if (measure(text.left(end)) <= width)
        return {text};

    QStringList lines;
    qsizetype pos = 0;
    while (pos < end) {
        const qsizetype fitting = charsThatFit(text, pos, end - pos, width, measure);
        if (fitting == end - pos) {
            lines << text.mid(pos);
            break;
        }
        qsizetype cut = lastWordEnd(text, pos, fitting);
        if (cut == 0)
            cut = fitting;
        lines << text.mid(pos, cut);
        pos += cut;
        while (pos < end && text.at(pos) == u' ')
            ++pos;
    }
    return lines;
}
