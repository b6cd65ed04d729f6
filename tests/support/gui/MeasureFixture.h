#pragma once

#include "support/gui/WorkstationFixture.h"

#include "gui/measure/AccelTab.h"
#include "gui/measure/AccelTabPage.h"
#include "gui/measure/ChartSeries.h"
#include "gui/measure/DynoTab.h"
#include "gui/measure/DynoTabPage.h"
#include "gui/measure/PlotTab.h"
#include "gui/measure/PlotTabPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <initializer_list>

// A connected workstation whose vehicle answers chosen bytes (0xFF unless scripted), for the
// measurement tabs. Each run is started by a click and driven on the virtual clock; actions
// scheduled with env.clock.at() happen inside the run's message pumping.
class MeasureTabTest : public WorkstationTest {
protected:
    void SetUp() override { startConnected(); }

    // Opens the tab of page and notes the tones and pauses so far: tones() and pauses() then
    // list those of the measurement alone.
    void openMeasureTab(QWidget *page)
    {
        clickTab(page);
        tonesBefore = env.tones.beeps.size();
        pausesBefore = env.clock.pauses().size();
    }
    std::vector<std::pair<int, int>> tones() const
    {
        return {env.tones.beeps.begin() + std::ptrdiff_t(tonesBefore), env.tones.beeps.end()};
    }
    std::vector<int> pauses() const
    {
        return {env.clock.pauses().begin() + std::ptrdiff_t(pausesBefore), env.clock.pauses().end()};
    }

    PlotTabPage &plot() { return *main().TabPlot; }
    AccelTabPage &accel() { return *main().TabAccel; }
    DynoTabPage &dyno() { return *main().TabDyno; }

    // Runs `action` at the first message pump `ms` after now.
    void after(qint64 ms, std::function<void()> action) { env.clock.at(env.clock.now() + ms, std::move(action)); }

    // The labels of the acceleration tab that are not hidden, by name.
    QStringList shownAccelLabels()
    {
        QStringList shown;
        for (QLabel *label : {accel().LabelMsg, accel().LabelMsg2, accel().LabelSpeed, accel().LabelTime,
                              accel().LabelSpeedResult1, accel().LabelSpeedResult2})
            if (!label->isHidden())
                shown << label->objectName();
        return shown;
    }

    // Clicks a radio button on its indicator (its middle may lie beyond its caption).
    void clickRadio(QRadioButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    static QString text(const char *latin1) { return QString::fromLatin1(latin1); }

    std::size_t tonesBefore = 0;
    std::size_t pausesBefore = 0;
};
