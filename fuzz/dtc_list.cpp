// Raw fault code texts: the input, cut at line feeds, is a list of raw codes (UTF-8; the first
// 60 are taken, enough to make the list grow once) added to one list, which is then walked as the
// fault-code tab walks it.
#include "core/faults/DescribeDtc.h"
#include "core/faults/TDtcList.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<QByteArray> raws =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n').mid(0, 60);
    TDtcList list;
    for (const QByteArray &raw : raws)
        list.Add(QString::fromUtf8(raw));
    if (list.Count() != raws.size() || list.Capacity() < list.Count())
        std::abort();
    list.Reset();
    int walked = 0;
    while (list.Next() != 0) {
        const QString code = list.CurrentCode();
        if (code.size() < 2 || code.size() > 5)
            std::abort(); // letter, digit and at most three copied characters
        // Descriptions of the first few only: each is a scan of the whole table.
        if (walked < 8 && (list.CurrentDescription().isEmpty() || DescribeDtc(code, DtcOrigin::RealVehicle).isEmpty()))
            std::abort(); // unknown codes have the fallback description
        ++walked;
    }
    if (walked != list.Count() || !list.CurrentCode().isEmpty())
        std::abort();
    TDtcList::Describe(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
