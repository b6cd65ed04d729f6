#pragma once

#include <QString>

#include <optional>
#include <span>

// One row of the fault-code description table: a five-character DTC text and its Polish
// description, exactly as stored (trailing blanks are part of the description).
struct DtcDescriptionRow {
    const char16_t *code;
    const char16_t *description;
};

// Every row of the description table compiled into the program, in the order of
// resources/dtc_descriptions.txt: ascending by code, P1680 twice.
std::span<const DtcDescriptionRow> DtcDescriptionTable();

// The English titles of the same codes, row for row: same codes, same order.
std::span<const DtcDescriptionRow> EnglishDtcDescriptionTable();

// Whether the fault codes are described in English: an English language module is active.
bool DtcDescriptionsInEnglish();

// The description of the first row whose code equals code as a whole, case-sensitively and
// without trimming, from the English table under an English language module; nullopt when no
// row matches.
std::optional<QString> FindDtcDescription(const QString &code);

// FindDtcDescription, or "Brak opisu kodu w bazie" when no row matches (its English under an
// English language module).
QString LookupDtcDescription(const QString &code);
