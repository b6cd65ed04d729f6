#pragma once

#include <QObject>
#include <QString>

#include <optional>

class FreezeTabPage;
struct TabContext;

// The behaviour of the "Zamrożone ramki" tab: the code that triggered the freeze frame and the
// fifteen parameters stored with it, read in freeze-frame mode. The code comes from the vehicle
// link (mode 02, PID 0x02, frame 0).
class FreezeTab final : public QObject {
    Q_OBJECT
public:
    FreezeTab(TabContext &context, FreezeTabPage &page);

    void ButtonFreezeReadClick();
    void ResetFreezeFrameTab();

private:
    void showTriggerCode(const std::optional<QString> &raw);

    TabContext &m_context;
    FreezeTabPage &m_page;
};
