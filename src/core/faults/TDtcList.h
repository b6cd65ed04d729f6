#pragma once

#include "core/faults/DtcOrigin.h"

#include <QString>

#include <vector>

// The fault codes of one read, in the order they were added, with a cursor for walking them.
// Clients construct a list, Add each raw code, Reset, then call Next followed by CurrentCode
// and CurrentDescription for each entry. There is no removal and no sorting; duplicates stay.
// The list describes its codes as codes of the vehicle they were read from (DescribeDtc).
class TDtcList {
public:
    explicit TDtcList(DtcOrigin origin = DtcOrigin::SimulatedVehicle);

    // Converts raw (the two code bytes as four hexadecimal digits, "0103") to its DTC text
    // ("P0103"), appends it and puts the cursor one past the last entry. The first character
    // chooses the letter and the digit; characters 2-4 are copied unchanged, the rest is
    // ignored. A first character that is not a hexadecimal digit counts as 0.
    void Add(const QString &raw);

    // Puts the cursor before the first entry.
    void Reset();

    // Moves the cursor one entry on and returns Count - Cursor: positive while the cursor is on
    // an entry, 0 when it has just passed the last one.
    int Next();

    // The entry under the cursor; the empty text when the cursor is before, or past, the entries.
    QString CurrentCode() const;

    // DescribeDtc of CurrentCode as a code of the list's origin: LookupDtcDescription for the
    // simulated vehicle.
    QString CurrentDescription() const;

    // LookupDtcDescription of code; the list's entries and cursor play no part.
    static QString Describe(const QString &code);

    // Index of the current entry; -1 before the first.
    int Cursor() const { return m_cursor; }
    int Count() const { return m_count; }
    // Entry slots: 50 at construction, doubled whenever an Add finds them all used.
    int Capacity() const { return static_cast<int>(m_items.size()); }

private:
    static constexpr int kInitialCapacity = 50;

    DtcOrigin m_origin;
    int m_cursor = -1;
    int m_count = 0;
    std::vector<QString> m_items;
};
