#include "core/settings/AdapterHost.h"

#include <QHostAddress>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int kMaxLabelLength = 63;
constexpr int kMaxNameLength = 253;

bool isLetterOrDigit(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool isLabel(const QString &label)
{
    return !label.isEmpty() && label.size() <= kMaxLabelLength && !label.startsWith(u'-') && !label.endsWith(u'-')
           && std::all_of(label.begin(), label.end(), [](QChar c) { return isLetterOrDigit(c) || c == u'-'; });
}

bool isNumber(const QString &label)
{
    return std::all_of(label.begin(), label.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

bool IsAdapterHost(const QString &text)
{
    if (text.contains(u':'))
        return QHostAddress(text).protocol() == QAbstractSocket::IPv6Protocol;
    // Qt also reads the short forms of an IPv4 address ("192.168.10"); an operator who types one
    // has most likely left a number out.
    const QStringList labels = text.split(u'.');
    if (labels.size() == 4 && std::all_of(labels.begin(), labels.end(), isNumber))
        return QHostAddress(text).protocol() == QAbstractSocket::IPv4Protocol;
    QString name = text;
    if (name.endsWith(u'.'))
        name.chop(1); // the root of a fully qualified name
    if (name.isEmpty() || name.size() > kMaxNameLength)
        return false;
    const QStringList parts = name.split(u'.');
    return std::all_of(parts.begin(), parts.end(), isLabel) && !isNumber(parts.last());
}
