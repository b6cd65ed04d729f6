#include "core/platform/IniValues.h"

#include "core/text/HexDigit.h"

#include <QIODevice>

#include <algorithm>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && (isBlank(text.front()) || text.front() == '\r' || text.front() == '\n'))
        text = text.sliced(1);
    while (!text.isEmpty() && (isBlank(text.back()) || text.back() == '\r' || text.back() == '\n'))
        text.chop(1);
    return text;
}

// Undoes the quoting and escaping of the INI form. Commas are text here.
QString unescape(QByteArrayView raw)
{
    QByteArray utf8; // the literal parts, decoded as UTF-8 when an escape or the end is reached
    QString out;
    auto flush = [&] {
        out += QString::fromUtf8(utf8);
        utf8.clear();
    };
    bool quoted = false;
    qsizetype trailingBlanks = 0; // blanks at the end of an unquoted stretch are dropped at the end
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            trailingBlanks = 0;
            continue;
        }
        if (!quoted && c == ';')
            break;
        if (c == '\\' && i + 1 < raw.size()) {
            flush();
            trailingBlanks = 0;
            const char e = raw[++i];
            switch (e) {
            case 'a': out += u'\a'; break;
            case 'b': out += u'\b'; break;
            case 'f': out += u'\f'; break;
            case 'n': out += u'\n'; break;
            case 'r': out += u'\r'; break;
            case 't': out += u'\t'; break;
            case 'v': out += u'\v'; break;
            case 'x': {
                char16_t code = 0;
                while (i + 1 < raw.size() && HexDigit(char16_t(raw[i + 1])) >= 0)
                    code = char16_t((code << 4) | HexDigit(char16_t(raw[++i])));
                out += QChar(code);
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    char16_t code = char16_t(e - '0');
                    while (i + 1 < raw.size() && raw[i + 1] >= '0' && raw[i + 1] <= '7')
                        code = char16_t((code << 3) | (raw[++i] - '0'));
                    out += QChar(code);
                } else {
                    utf8 += e; // \\, \", \', \? and any other character stand for themselves
                }
            }
            continue;
        }
        utf8 += c;
        trailingBlanks = (!quoted && isBlank(c)) ? trailingBlanks + 1 : 0;
    }
    utf8.chop(trailingBlanks);
    flush();
    return out;
}

} // namespace

IniValue decodeIniValue(QByteArrayView raw)
{
    const QString text = unescape(trimmed(raw));
    if (!text.startsWith(u'@'))
        return {IniValue::Kind::Text, text};
    if (text.startsWith(QStringLiteral("@@")))
        return {IniValue::Kind::Text, text.mid(1)};
    if (text == QStringLiteral("@Invalid()"))
        return {IniValue::Kind::Text, QString()};
    if (text.startsWith(QStringLiteral("@String(")) && text.endsWith(u')'))
        return {IniValue::Kind::Text, text.sliced(8).chopped(1)};
    const qsizetype open = text.indexOf(u'(');
    if (open > 1 && text.endsWith(u')'))
        return {IniValue::Kind::NotText, QString()};
    return {IniValue::Kind::Text, text};
}

namespace {

// Follows the lines of a file and keeps the value part of the last line that sets key in the
// general section.
class KeySearch {
public:
    explicit KeySearch(const QString &key) : m_key(key.toUtf8()) {}

    void line(QByteArrayView line)
    {
        const QByteArrayView text = trimmed(line);
        if (text.startsWith('[')) {
            m_general = text == QByteArrayView("[General]");
            return;
        }
        if (!m_general || text.startsWith(';'))
            return;
        const qsizetype equals = text.indexOf('=');
        if (equals >= 0 && trimmed(text.first(equals)) == QByteArrayView(m_key)) {
            // Of an overlong value only enough is kept to know it is one.
            const QByteArrayView value = text.sliced(equals + 1);
            m_found = value.first(std::min(value.size(), kMaxIniValueBytes + 1)).toByteArray();
        }
    }

    std::optional<IniValue> result() const
    {
        if (!m_found)
            return std::nullopt;
        if (m_found->size() > kMaxIniValueBytes)
            return IniValue{IniValue::Kind::TooLong, QString()};
        return decodeIniValue(*m_found);
    }

private:
    QByteArray m_key;
    bool m_general = true;
    std::optional<QByteArray> m_found;
};

} // namespace

std::optional<IniValue> findIniValue(QIODevice &device, const QString &key)
{
    if (!device.isReadable())
        return std::nullopt;
    KeySearch search(key);
    while (!device.atEnd()) {
        const QByteArray line = device.readLine();
        if (line.isEmpty())
            break; // a read error
        search.line(line);
    }
    return search.result();
}

std::optional<IniValue> findIniValue(QByteArrayView file, const QString &key)
{
    KeySearch search(key);
    while (!file.isEmpty()) {
        const qsizetype end = file.indexOf('\n');
        const qsizetype next = end < 0 ? file.size() : end + 1;
        search.line(file.first(next));
        file = file.sliced(next);
    }
    return search.result();
}
