#pragma once

#include <QObject>

class FreezeTabPage;
struct TabContext;

// The behaviour of the "Zamrożone ramki" tab: the code that triggered the freeze frame and the
// fifteen parameters stored with it, read in freeze-frame mode.
class FreezeTab final : public QObject {
    Q_OBJECT
public:
    FreezeTab(TabContext &context, FreezeTabPage &page);

    void ButtonFreezeReadClick();
    void ResetFreezeFrameTab();

private:
    TabContext &m_context;
    FreezeTabPage &m_page;
};
