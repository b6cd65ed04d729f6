#pragma once

#include <QObject>
#include <QStringList>

#include <cstdint>

class DtcTabPage;
struct TabContext;

// The behaviour of the "Kody błędów" tab: reading the fault memory (MIL, counts, pending and
// stored codes with their descriptions) and clearing it after the operator confirms. The fault
// memory comes from the vehicle link: the MIL from the monitor status, then the pending and the
// stored codes.
class DtcTab final : public QObject {
    Q_OBJECT
public:
    DtcTab(TabContext &context, DtcTabPage &page);

    void ButtonDTCOdczytajClick();
    void ButtonDTCKasujClick();
    void ResetDtcTab();

signals:
    // The vehicle accepted the clearing of its fault memory.
    void codesCleared();

private:
    TabContext &m_context;
    DtcTabPage &m_page;
};
