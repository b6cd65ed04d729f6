#include "core/faults/TDtcList.h"

#include "core/faults/DescribeDtc.h"
#include "core/faults/DtcDescriptionTable.h"

namespace {

// The value of c as one hexadecimal digit; 0 for anything else, so only ASCII digits and
// letters a-f in either case count.
int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

// The top two bits of the first nibble choose the system letter, the lower two the first digit.
QString dtcTextFromRaw(const QString &raw)
{
    const int nibble = raw.isEmpty() ? 0 : hexDigitValue(raw.front());
    QString text;
    text += QChar(u"PCBU"[nibble / 4]);
    text += QChar(u'0' + nibble % 4);
    text += raw.mid(1, 3);
    return text;
}

} // namespace

TDtcList::TDtcList(DtcOrigin origin) : m_origin(origin), m_items(kInitialCapacity)
{
}

void TDtcList::Add(const QString &raw)
{
    if (m_count >= Capacity())
        m_items.resize(m_items.size() * 2); // keeps the entries in order
    m_items[m_count] = dtcTextFromRaw(raw);
    ++m_count;
    m_cursor = m_count;
}

void TDtcList::Reset()
{
    m_cursor = -1;
}

int TDtcList::Next()
{
    ++m_cursor;
    return m_count - m_cursor;
}

QString TDtcList::CurrentCode() const
{
    if (m_cursor < 0 || m_cursor >= m_count)
        return {};
    return m_items[m_cursor];
}

QString TDtcList::CurrentDescription() const
{
    return DescribeDtc(CurrentCode(), m_origin);
}

QString TDtcList::Describe(const QString &code)
{
    return LookupDtcDescription(code);
}
