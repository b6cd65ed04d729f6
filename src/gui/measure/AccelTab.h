#pragma once

#include "core/measure/AccelRules.h"

#include <QObject>

#include <cstdint>
#include <optional>

class AccelTabPage;
class ChartSeries;
struct TabContext;

// The behaviour of the "Przyspieszenie" tab: a timed run between two speeds, guided by large
// prompts and beeps, inside the start button's handler; a second press cancels it.
class AccelTab final : public QObject {
    Q_OBJECT
public:
    // series belongs to the main window and outlives the tab.
    AccelTab(TabContext &context, AccelTabPage &page, ChartSeries &series);

    void RadioButtonSpdClick();
    void ButtonAccelStartClick();
    void ResetAccelTab();

private:
    // The range of the first checked radio button; nullopt when none is checked or the typed
    // range was refused (the operator has been told why).
    std::optional<SpeedRange> chosenRange();
    void run(const SpeedRange &range);
    void cancel();
    void setRadioButtonsEnabled(bool enabled);
    void showSpeedAxis(const SpeedRange &range);
    void appendSpeed(int speed);
    void pump();

    TabContext &m_context;
    AccelTabPage &m_page;
    ChartSeries &m_series;
    bool m_testActive = false;
};
