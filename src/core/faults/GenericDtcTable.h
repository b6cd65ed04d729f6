#pragma once

#include "core/faults/DtcDescriptionTable.h"

#include <optional>

// The generic codes (SAE J2012 / ISO 15031-6) that DtcDescriptionTable lacks, with their Polish
// descriptions, in the order of resources/dtc_generic_descriptions.txt: ascending by code, each
// code once, none of them in DtcDescriptionTable. They describe the codes of a real car only.
std::span<const DtcDescriptionRow> GenericDtcTable();

// The English titles of the same codes, row for row.
std::span<const DtcDescriptionRow> EnglishGenericDtcTable();

// The description of code (compared as a whole, case-sensitively) in the language the fault
// codes are described in; nullopt when the generic table has no row for it.
std::optional<QString> FindGenericDtcDescription(const QString &code);
