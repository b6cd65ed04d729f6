#pragma once

#include "core/measure/AccelRules.h"
#include "core/state/ReentryGuard.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <optional>

class AccelTabPage;
class ChartSeries;
struct TabContext;

// The behaviour of the "Przyspieszenie" tab: a timed run between two speeds, guided by large
// prompts and beeps, inside the start button's handler; a second press cancels it.
class AccelTab final : public QObject {
    Q_OBJECT
public:
    AccelTab(TabContext &context, AccelTabPage &page);
    ~AccelTab() override;

    void RadioButtonSpdClick();
    void ButtonAccelStartClick();
    void ResetAccelTab();

    // The speed trace on ChartAccel.
    std::unique_ptr<ChartSeries> AccelSeries;

private:
    // The range of the first checked radio button; nullopt when none is checked or the typed
    // range was refused (the operator has been told why).
    std::optional<SpeedRange> chosenRange();
    void run(const SpeedRange &range);
    void cancel();
    void setRadioButtonsEnabled(bool enabled);
    // The prompts, the speed and the time of a run under way; the range and time of its result.
    void hideRunLabels();
    void hideResultLabels();
    void showSpeedAxis(const SpeedRange &range);
    void appendSpeed(int speed);
    void pump();

    TabContext &m_context;
    AccelTabPage &m_page;
    ReentryGuard m_test;
};
