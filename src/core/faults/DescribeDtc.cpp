#include "core/faults/DescribeDtc.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/DtcDescriptionTable.h"
#include "core/faults/GenericDtcTable.h"

namespace {

bool isUpperHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F');
}

bool wellFormed(const QString &code)
{
    return code.size() == 5 && QStringView(u"PCBU").contains(code[0]) && code[1] >= u'0' && code[1] <= u'3'
           && isUpperHexDigit(code[2]) && isUpperHexDigit(code[3]) && isUpperHexDigit(code[4]);
}

} // namespace

bool IsManufacturerDtc(const QString &code)
{
    if (!wellFormed(code))
        return false;
    const char16_t digit = code[1].unicode();
    if (code[0] != u'P')
        return digit == u'1' || digit == u'2';
    // P3000-P33FF belong to the manufacturers, P3400-P3FFF are generic again.
    return digit == u'1' || (digit == u'3' && code[2] >= u'0' && code[2] <= u'3');
}

QString DescribeDtc(const QString &code, DtcOrigin origin)
{
    if (origin == DtcOrigin::SimulatedVehicle)
        return LookupDtcDescription(code);
    if (std::optional<QString> description = FindDtcDescription(code))
        return *std::move(description);
    if (std::optional<QString> description = FindGenericDtcDescription(code))
        return *std::move(description);
    if (IsManufacturerDtc(code))
        return LoadMessage(SDTCManufacturer);
    return LookupDtcDescription(code);
}
