#include "core/faults/DtcDescriptionTable.h"

#include "core/catalogue/LanguageModule.h"

#include <QCoreApplication>

namespace {

// Generated at build time from resources/dtc_descriptions.txt and dtc_descriptions_en.txt by
// cmake/EmbedDtcTable.cmake.
constexpr DtcDescriptionRow kRows[] = {
#include "dtc_table.inc"
};

constexpr DtcDescriptionRow kEnglishRows[] = {
#include "dtc_table_en.inc"
};

static_assert(std::size(kRows) == std::size(kEnglishRows), "the two tables hold the same codes");

} // namespace

bool DtcDescriptionsInEnglish()
{
    const LanguageModule *module = LanguageModule::active();
    return module != nullptr && module->language().startsWith(QLatin1String("en"));
}

std::span<const DtcDescriptionRow> DtcDescriptionTable()
{
    return kRows;
}

std::span<const DtcDescriptionRow> EnglishDtcDescriptionTable()
{
    return kEnglishRows;
}

std::optional<QString> FindDtcDescription(const QString &code)
{
    // A linear scan keeps the first of two rows with the same code.
    for (const DtcDescriptionRow &row :
         DtcDescriptionsInEnglish() ? EnglishDtcDescriptionTable() : DtcDescriptionTable())
        if (code == QStringView(row.code))
            return QString::fromUtf16(row.description);
    return std::nullopt;
}

QString LookupDtcDescription(const QString &code)
{
    if (std::optional<QString> description = FindDtcDescription(code))
        return *std::move(description);
    return DtcDescriptionsInEnglish() ? QCoreApplication::translate("DtcDescriptionTable", "Brak opisu kodu w bazie")
                                      : QStringLiteral("Brak opisu kodu w bazie");
}
