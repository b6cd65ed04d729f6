#include "core/faults/DtcDescriptionTable.h"

namespace {

// Generated at build time from resources/dtc_descriptions.txt by cmake/EmbedDtcTable.cmake.
constexpr DtcDescriptionRow kRows[] = {
#include "dtc_table.inc"
};

} // namespace

std::span<const DtcDescriptionRow> DtcDescriptionTable()
{
    return kRows;
}

QString LookupDtcDescription(const QString &code)
{
    // A linear scan keeps the first of two rows with the same code.
    for (const DtcDescriptionRow &row : kRows)
        if (code == QStringView(row.code))
            return QString::fromUtf16(row.description);
    return QStringLiteral("Brak opisu kodu w bazie");
}
