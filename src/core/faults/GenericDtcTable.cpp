#include "core/faults/GenericDtcTable.h"

#include <algorithm>
#include <string_view>

namespace {

// Generated at build time from resources/dtc_generic_descriptions.txt and
// dtc_generic_descriptions_en.txt by cmake/EmbedDtcTable.cmake.
constexpr DtcDescriptionRow kRows[] = {
#include "dtc_generic_table.inc"
};

constexpr DtcDescriptionRow kEnglishRows[] = {
#include "dtc_generic_table_en.inc"
};

// The lookup halves the table, so the order is checked where the table is built.
constexpr bool codesAscendOnce(std::span<const DtcDescriptionRow> rows)
{
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (std::u16string_view(rows[i - 1].code) >= std::u16string_view(rows[i].code))
            return false;
    return true;
}

constexpr bool sameCodes(std::span<const DtcDescriptionRow> polish, std::span<const DtcDescriptionRow> english)
{
    if (polish.size() != english.size())
        return false;
    for (std::size_t i = 0; i < polish.size(); ++i)
        if (std::u16string_view(polish[i].code) != std::u16string_view(english[i].code))
            return false;
    return true;
}

static_assert(codesAscendOnce(kRows), "the generic table's codes ascend, each once");
static_assert(sameCodes(kRows, kEnglishRows), "the two generic tables hold the same codes row for row");

} // namespace

std::span<const DtcDescriptionRow> GenericDtcTable()
{
    return kRows;
}

std::span<const DtcDescriptionRow> EnglishGenericDtcTable()
{
    return kEnglishRows;
}

std::optional<QString> FindGenericDtcDescription(const QString &code)
{
    const std::u16string_view key(QStringView(code).utf16(), std::size_t(code.size()));
    const std::span<const DtcDescriptionRow> rows =
        DtcDescriptionsInEnglish() ? EnglishGenericDtcTable() : GenericDtcTable();
    const auto row =
        std::lower_bound(rows.begin(), rows.end(), key, [](const DtcDescriptionRow &r, std::u16string_view k) {
            return std::u16string_view(r.code) < k;
        });
    if (row == rows.end() || std::u16string_view(row->code) != key)
        return std::nullopt;
    return QString::fromUtf16(row->description);
}
