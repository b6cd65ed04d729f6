#include "core/faults/TDtcList.h"

#include "core/faults/DescribeDtc.h"
#include "core/faults/DtcDescriptionTable.h"
#include "core/text/HexDigit.h"

#include <algorithm>

namespace {

// The top two bits of the first nibble choose the system letter, the lower two the first digit; a
// first character that is no hexadecimal digit counts as 0.
QString dtcTextFromRaw(const QString &raw)
{
    const int nibble = raw.isEmpty() ? 0 : std::max(0, HexDigit(raw.front().unicode()));
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
