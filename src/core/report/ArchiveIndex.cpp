#include "core/report/ArchiveIndex.h"

#include "core/text/HexDigit.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool plainInName(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'-'
           || c == u'.';
}

// A section name as Qt's settings files write it: other characters than letters, digits and
// "_-." as %XX (up to U+00FF) or %UXXXX.
QByteArray escapedName(const QString &name)
{
    QByteArray result;
    for (const QChar c : name) {
        if (plainInName(c.unicode()))
            result += char(c.unicode());
        else if (c.unicode() <= 0xFF)
            result += '%' + QByteArray::number(c.unicode(), 16).rightJustified(2, '0').toUpper();
        else
            result += "%U" + QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    }
    return result;
}

QString unescapedName(QStringView text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int digits = text[i] != u'%' ? 0 : (i + 1 < text.size() && text[i + 1] == u'U' ? 4 : 2);
        const qsizetype from = digits == 4 ? i + 2 : i + 1;
        bool ok = false;
        const uint code = digits > 0 && from + digits <= text.size() ? text.mid(from, digits).toUInt(&ok, 16) : 0;
        if (ok) {
            result += QChar(char16_t(code));
            i = from + digits - 1;
        } else {
            result += text[i];
        }
    }
    return result;
}

// The last byte of the file at path, or '\n' for an empty or missing file.
char lastByte(const QString &path, qint64 size)
{
    QFile file(path);
    if (size <= 0 || !file.open(QIODevice::ReadOnly) || !file.seek(size - 1))
        return '\n';
    char byte = '\n';
    file.getChar(&byte);
    return byte;
}

} // namespace

QByteArray ArchiveIndexValue(const QString &text)
{
    // Always in quotes, so that blanks at either end, commas and semicolons stay part of it; a
    // leading "@" would announce a value of another type, and is doubled.
    const QString value = text.startsWith(u'@') ? u'@' + text : text;
    QByteArray result = "\"";
    qsizetype plainFrom = 0; // the characters since the last escape go in as they are
    bool hexBefore = false; // a hexadecimal escape goes on as long as hexadecimal digits follow
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t u = value[i].unicode();
        QByteArray escape;
        if (hexBefore && HexDigit(value[i].unicode()) >= 0) {
            escape = "\\x" + QByteArray::number(u, 16);
        } else {
            hexBefore = u < 0x20 && u != u'\n' && u != u'\r' && u != u'\t';
            switch (u) {
            case u'\\': escape = "\\\\"; break;
            case u'"': escape = "\\\""; break;
            case u'\n': escape = "\\n"; break;
            case u'\r': escape = "\\r"; break;
            case u'\t': escape = "\\t"; break;
            default:
                if (hexBefore)
                    escape = "\\x" + QByteArray::number(u, 16);
            }
        }
        if (escape.isEmpty())
            continue;
        result += QStringView(value).mid(plainFrom, i - plainFrom).toUtf8() + escape;
        plainFrom = i + 1;
    }
    return result + QStringView(value).mid(plainFrom).toUtf8() + '"';
}

QString ArchiveIndexText(QStringView value)
{
    QString result;
    bool quoted = false;
    QString blanks; // blanks outside quotes count only between two parts of the value
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (!quoted && (c == u' ' || c == u'\t')) {
            if (!result.isEmpty())
                blanks += c;
            continue;
        }
        if (!quoted && c == u';')
            break; // a comment
        if (c == u'"') {
            quoted = !quoted;
            if (quoted)
                blanks.clear();
            continue;
        }
        result += blanks;
        blanks.clear();
        if (c != u'\\' || i + 1 == value.size()) {
            result += c;
            continue;
        }
        const QChar escaped = value[++i];
        switch (escaped.unicode()) {
        case u'n': result += u'\n'; break;
        case u'r': result += u'\r'; break;
        case u't': result += u'\t'; break;
        case u'a': result += u'\a'; break;
        case u'b': result += u'\b'; break;
        case u'f': result += u'\f'; break;
        case u'v': result += u'\v'; break;
        case u'x': {
            uint code = 0;
            while (i + 1 < value.size() && HexDigit(value[i + 1].unicode()) >= 0 && code <= 0xFFF)
                code = code * 16 + uint(HexDigit(value[++i].unicode()));
            result += QChar(char16_t(code));
            break;
        }
        default:
            if (escaped >= u'0' && escaped <= u'7') {
                uint code = uint(escaped.unicode() - u'0');
                while (i + 1 < value.size() && value[i + 1] >= u'0' && value[i + 1] <= u'7' && code <= 0777)
                    code = code * 8 + uint(value[++i].unicode() - u'0');
                result += QChar(char16_t(code));
            } else {
                result += escaped;
            }
        }
    }
    if (result.startsWith(QLatin1String("@@")))
        result.remove(0, 1);
    return result;
}

QHash<QString, ArchiveIndexSection> ReadArchiveIndex(const QString &path)
{
    QHash<QString, ArchiveIndexSection> sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    const QString text = QString::fromUtf8(file.readAll());
    QString current; // lines before any section belong to none
    ArchiveIndexSection *section = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype end = line.indexOf(u']');
            current = unescapedName(line.mid(1, end < 0 ? -1 : end - 1));
            section = &sections[current];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (section == nullptr || equals <= 0)
            continue;
        section->insert(unescapedName(line.left(equals).trimmed()), ArchiveIndexText(line.mid(equals + 1)));
    }
    return sections;
}

bool AppendArchiveIndex(const QString &path, const QString &section, const QList<std::pair<QString, QString>> &values)
{
    const qint64 size = QFileInfo(path).size();
    // The new section starts on a line of its own, also after a last line cut short.
    QByteArray text = lastByte(path, size) == '\n' ? QByteArray() : QByteArray("\n");
    if (size > 0)
        text += '\n';
    text += '[' + escapedName(section) + "]\n";
    for (const auto &[key, value] : values)
        text += escapedName(key) + '=' + ArchiveIndexValue(value) + '\n';

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    bool written = file.write(text) == text.size();
#ifdef Q_OS_UNIX
    written = written && ::fsync(file.handle()) == 0;
#endif
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return true;
    // Half a section is taken back: the file ends where it ended.
    QFile::resize(path, std::max<qint64>(size, 0));
    return false;
}
