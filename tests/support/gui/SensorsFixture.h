#pragma once

#include "support/gui/WorkstationFixture.h"

#include "gui/livedata/SensorsTab.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/widgets/StringGrid.h"

#include <QCheckBox>

// The "Czujniki" tab of a connected workstation whose vehicle answers chosen bytes.
class SensorsTabTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        useScriptedVehicle = true;
        start();
        clickPolacz();
        clickTab(main().TabSensors);
    }

    SensorsTabPage &page() { return *main().TabSensors; }
    StringGrid &grid() { return *page().StringGridSensors; }
    SensorsTab &tab() { return main().sensorsTab(); }

    // Columns 1-5 of a data row joined by "|".
    QString row(int r)
    {
        QStringList cells;
        for (int column = 1; column <= 5; ++column)
            cells << grid().Cells(column, r);
        return cells.join(u'|');
    }
    QStringList pidColumn()
    {
        QStringList pids;
        for (int r = 1; r < grid().rowCountWithHeader(); ++r)
            pids << grid().Cells(2, r);
        return pids;
    }

    // Runs the loop and presses Stop just before the n-th vehicle query, first calling `before`.
    void runUntilQuery(int n, const std::function<void()> &before = {})
    {
        vehicle->onQuery = [this, n, before](int query) {
            if (query != n)
                return;
            if (before)
                before();
            if (state().SensorsRunning)
                click(page().ButtonStart);
        };
        click(page().ButtonStart);
    }
};
