#include "support/gui/MeasureFixture.h"

#include "core/livedata/SensorTable.h"

#include <QTimer>

#include <qcustomplot.h>

namespace {

class PlotTabTest : public MeasureTabTest {
protected:
    void SetUp() override
    {
        MeasureTabTest::SetUp();
        clickTab(main().TabPlot);
    }

    ChartSeries &trace(int k) { return *main().plotTab().PlotSeries[std::size_t(k)]; }
    PlotTab &tab() { return main().plotTab(); }

    // The list entry of a PID (the lists hold every supported, plottable PID in order).
    int entryOf(std::uint8_t pid) { return int(tab().plotPidMap().indexOf(pid)); }

    // Starts the plot, runs `during` at `ms` into the run, then presses Stop.
    void runFor(qint64 ms, const std::function<void()> &during)
    {
        after(ms, [this, during] {
            if (during)
                during();
            if (state().PlotRunning)
                click(plot().ButtonPlotStart);
        });
        click(plot().ButtonPlotStart);
    }
};

} // namespace

TEST_F(PlotTabTest, ListsHoldTheSupportedNumericPidsInOrderWithoutPreselection)
{
    vehicle->failing = [](std::uint8_t pid) { return pid == 0x40; }; // the third bitmap: 0x41.. unsupported
    QList<QStringList> lists;
    QList<int> selected;
    runFor(400, [&] {
        for (QComboBox *list : plot().ComboBoxPlot) {
            QStringList entries;
            for (int i = 0; i < list->count(); ++i)
                entries << list->itemText(i);
            lists << entries;
            selected << list->currentIndex();
        }
    });
    ASSERT_EQ(lists.size(), 5);
    QStringList expected;
    for (int pid = 0x04; pid <= 0x3F; ++pid)
        if (pid != 0x12 && pid != 0x13 && pid != 0x1C && pid != 0x1D && pid != 0x1E && pid != 0x20)
            expected << PidDescription(std::uint8_t(pid));
    EXPECT_EQ(expected.size(), 54);
    for (const QStringList &entries : lists)
        EXPECT_EQ(entries, expected);
    EXPECT_EQ(selected, QList<int>(5, -1));
    EXPECT_EQ(vehicle->queries.size(), 3u); // the bitmaps; nothing chosen, nothing read
}

TEST_F(PlotTabTest, EachTraceHoldsNPlusOnePoints)
{
    for (int sizeEntry : {0, 4}) {
        plot().ComboBoxSerSize->setCurrentIndex(sizeEntry);
        const int n = sizeEntry == 0 ? 50 : 150;
        std::vector<int> counts;
        double lastX = 0;
        bool attached = false;
        runFor(400, [&] {
            for (int k = 0; k < 5; ++k)
                counts.push_back(trace(k).count());
            lastX = trace(4).x(n);
            attached = trace(0).attached();
            tab().TimerTimer(); // a tick neither adds nor removes points
            counts.push_back(trace(2).count());
        });
        EXPECT_EQ(counts, std::vector<int>(6, n + 1)) << n;
        EXPECT_EQ(lastX, n);
        EXPECT_TRUE(attached);
        EXPECT_EQ(state().PlotSampleCount, n);
    }
}

TEST_F(PlotTabTest, ReadsValuesIntoTheNewestPointAndTicksScrollThem)
{
    plot().ComboBoxFreq->setCurrentIndex(2);
    QStringList values;
    QStringList units;
    std::vector<double> history;
    int interval = 0;
    bool timerOn = false;
    after(350, [&] {
        plot().ComboBoxPlot[0]->setCurrentIndex(entryOf(0x0C)); // engine speed
        plot().ComboBoxPlot[1]->setCurrentIndex(entryOf(0x10)); // air mass: a decimal comma
        plot().ComboBoxPlot[3]->setCurrentIndex(entryOf(0x14)); // oxygen sensor: two numbers
        interval = main().plotTab().Timer->interval();
        timerOn = main().plotTab().Timer->isActive();
    });
    // One pass reads three PIDs (300 ms); by 1000 ms two passes have run.
    after(1000, [&] {
        for (int k = 0; k < 5; ++k) {
            values << plot().EditPlot[k]->text();
            units << plot().LabelPlot[k]->text();
        }
        for (int tick = 0; tick < 3; ++tick)
            tab().TimerTimer();
        for (int i = 46; i <= 50; ++i)
            history.push_back(trace(1).y(i));
        click(plot().ButtonPlotStart);
    });
    click(plot().ButtonPlotStart);

    EXPECT_EQ(interval, 300);
    EXPECT_TRUE(timerOn);
    EXPECT_EQ(values, (QStringList{text("16383"), text("655,00"), QString(), text("1,300 / 99,20"), QString()}));
    EXPECT_EQ(units, (QStringList{text("obr/min"), PidUnit(0x10), QString(), PidUnit(0x14), QString()}));
    // The newest value repeated into the history by each tick; the comma cuts the fraction.
    EXPECT_EQ(history, (std::vector<double>{0, 655, 655, 655, 655}));
    // Queries in trace order, one per chosen trace and pass.
    ASSERT_GE(vehicle->queries.size(), 6u);
    EXPECT_EQ(vehicle->queries[3].pid, 0x0C);
    EXPECT_EQ(vehicle->queries[4].pid, 0x10);
    EXPECT_EQ(vehicle->queries[5].pid, 0x14);
}

TEST_F(PlotTabTest, ASwitchedOffTraceTurnsBlackShowsZeroAndKeepsItsUnit)
{
    std::vector<QString> off;
    std::vector<QString> on;
    after(350, [&] {
        plot().ComboBoxPlot[2]->setCurrentIndex(entryOf(0x0C));
        plot().CBP[2]->setChecked(false);
    });
    after(800, [&] {
        off = {trace(2).colour().name(), plot().EditPlot[2]->text(), plot().LabelPlot[2]->text(),
               QString::number(trace(2).y(50))};
        plot().CBP[2]->setChecked(true);
    });
    after(1200, [&] {
        on = {trace(2).colour().name(), plot().EditPlot[2]->text(), plot().LabelPlot[2]->text(),
              QString::number(trace(2).y(50))};
        click(plot().ButtonPlotStart);
    });
    click(plot().ButtonPlotStart);
    EXPECT_EQ(off, (std::vector<QString>{text("#000000"), text("0"), text("obr/min"), text("0")}));
    EXPECT_EQ(on, (std::vector<QString>{text("#00ff00"), text("16383"), text("obr/min"), text("16383")}));
}

TEST_F(PlotTabTest, StopEmptiesTheTabAndRestoresTheSelectors)
{
    plot().ComboBoxSerSize->setCurrentIndex(4);
    plot().ComboBoxFreq->setCurrentIndex(9);
    bool selectorsLocked = false;
    runFor(400, [&] {
        plot().ComboBoxPlot[0]->setCurrentIndex(entryOf(0x0D));
        selectorsLocked = !plot().ComboBoxFreq->isEnabled() && !plot().ComboBoxSerSize->isEnabled()
                          && plot().CBP[0]->isEnabled() && plot().ComboBoxPlot[4]->isEnabled();
    });
    EXPECT_TRUE(selectorsLocked);
    EXPECT_FALSE(state().PlotRunning);
    EXPECT_FALSE(main().plotTab().Timer->isActive());
    EXPECT_EQ(plot().ButtonPlotStart->text(), text("Start"));
    EXPECT_EQ(plot().ComboBoxFreq->currentText(), text("100"));
    EXPECT_EQ(plot().ComboBoxSerSize->currentText(), text("50"));
    EXPECT_TRUE(plot().ComboBoxFreq->isEnabled());
    EXPECT_TRUE(plot().ComboBoxSerSize->isEnabled());
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(plot().ComboBoxPlot[k]->count(), 0);
        EXPECT_FALSE(plot().ComboBoxPlot[k]->isEnabled());
        EXPECT_FALSE(plot().CBP[k]->isEnabled());
        EXPECT_TRUE(plot().EditPlot[k]->text().isEmpty());
        EXPECT_TRUE(plot().LabelPlot[k]->text().isEmpty());
        EXPECT_FALSE(trace(k).attached());
        EXPECT_EQ(trace(k).count(), 151); // kept until the next start
    }
}

TEST_F(PlotTabTest, ADroppedConnectionEndsTheLoopButLeavesTheRunStateUntilStop)
{
    after(400, [&] { state().Connected = false; });
    click(plot().ButtonPlotStart); // returns once the loop has seen the connection gone
    EXPECT_TRUE(state().PlotRunning);
    EXPECT_TRUE(main().plotTab().Timer->isActive());
    EXPECT_EQ(plot().ButtonPlotStart->text(), text("Stop"));
    click(plot().ButtonPlotStart);
    EXPECT_FALSE(state().PlotRunning);
    EXPECT_FALSE(main().plotTab().Timer->isActive());
    EXPECT_EQ(plot().ButtonPlotStart->text(), text("Start"));
}

TEST_F(PlotTabTest, StopAndStartWithinOnePumpContinueInTheSameLoop)
{
    int passesAfterRestart = 0;
    after(350, [&] {
        plot().ComboBoxPlot[0]->setCurrentIndex(entryOf(0x0C));
        click(plot().ButtonPlotStart); // Stop
        click(plot().ButtonPlotStart); // Start again: its lists are fresh
        plot().ComboBoxPlot[0]->setCurrentIndex(entryOf(0x0D));
        vehicle->onQuery = [&](int) { ++passesAfterRestart; };
    });
    after(2000, [&] { click(plot().ButtonPlotStart); });
    click(plot().ButtonPlotStart);
    EXPECT_FALSE(state().PlotRunning);
    EXPECT_GT(passesAfterRestart, 3);
    EXPECT_EQ(vehicle->queries.back().pid, 0x0D);
}
