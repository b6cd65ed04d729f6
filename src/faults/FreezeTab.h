#pragma once

#include <QObject>

class FreezeTabPage;
class TMainForm;

// The behaviour of the "Zamrożone ramki" tab: the code that triggered the freeze frame and the
// fifteen parameters stored with it, read in freeze-frame mode.
class FreezeTab final : public QObject {
    Q_OBJECT
public:
    FreezeTab(TMainForm &main, FreezeTabPage &page);

    void ButtonFreezeReadClick();
    void ResetFreezeFrameTab();

private:
    TMainForm &m_main;
    FreezeTabPage &m_page;
};
