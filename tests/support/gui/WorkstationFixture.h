#pragma once

#include "gui/faults/DtcTabPage.h"
#include "gui/faults/FreezeTabPage.h"
#include "gui/faults/MonitorsTabPage.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/mainwindow/MainTabPage.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/mainwindow/Workstation.h"
#include "gui/measure/AccelTabPage.h"
#include "gui/measure/DynoTabPage.h"
#include "gui/measure/PlotTabPage.h"
#include "gui/monitortests/MonitorTestsTabPage.h"
#include "gui/units/UnitsTabPage.h"
#include "gui/widgets/PageControl.h"
#include "support/core/ScriptedVehicle.h"
#include "support/gui/TestPlatform.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// The whole program on test doubles: the five windows over a virtual clock, scripted dialogs
// and a settings store in memory.
class WorkstationTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }

    // Creates the windows anew, as a program start does, on the same platform.
    void start()
    {
        workstation.reset();
        std::unique_ptr<VehicleLink> link;
        if (useScriptedVehicle) {
            auto scripted = std::make_unique<ScriptedVehicle>();
            scripted->clock = &env.clock;
            scripted->fallback = {true, {0xFF, 0xFF, 0xFF, 0xFF}};
            vehicle = scripted.get();
            link = std::move(scripted);
        }
        workstation = std::make_unique<Workstation>(env.platform, std::move(link));
        main().show();
    }

    // Starts with the scripted vehicle and connects to it, as the tab tests begin.
    void startConnected()
    {
        useScriptedVehicle = true;
        start();
        clickPolacz();
    }

    TMainForm &main() { return workstation->mainForm(); }
    MainState &state() { return main().state(); }

    template <class T>
    T *control(const char *name)
    {
        T *widget = main().findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickPolacz() { click(main().TabMain->ButtonPolacz); }

    // Clicks the tab of page in the tab bar, passing the tab gate as the operator does.
    void clickTab(QWidget *page)
    {
        QTabBar *bar = main().Pages->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(main().Pages->indexOf(page)).center());
    }
    QWidget *currentPage() { return main().Pages->currentWidget(); }

    QStringList statusLines()
    {
        const QString text = main().TabMain->MemoStatus->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(u'\n');
    }

    TestPlatform env;
    // Tests that need chosen bytes set this before start(); the vehicle then answers 0xFF bytes
    // (every PID supported) unless scripted otherwise, 100 ms per query on the virtual clock.
    bool useScriptedVehicle = false;
    ScriptedVehicle *vehicle = nullptr; // owned by the main window
    std::unique_ptr<Workstation> workstation;
};
