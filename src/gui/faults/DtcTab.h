#pragma once

#include <QObject>
#include <QStringList>

#include <cstdint>

class DtcTabPage;
struct TabContext;

// The behaviour of the "Kody błędów" tab: reading the fault memory (MIL, counts, pending and
// stored codes with their descriptions) and clearing it after the operator confirms.
class DtcTab final : public QObject {
    Q_OBJECT
public:
    DtcTab(TabContext &context, DtcTabPage &page);

    void ButtonDTCOdczytajClick();
    void ButtonDTCKasujClick();
    void ResetDtcTab();

    // The fault memory the vehicle reports; bit 7 of the MIL word is the lamp, 0xFFFF no answer.
    std::uint16_t MilStatusWord;
    QStringList RawCodes;

private:
    TabContext &m_context;
    DtcTabPage &m_page;
};
