#include "support/gui/SensorsFixture.h"

#include "core/livedata/SensorTable.h"
#include "gui/livedata/SensorCheckColumn.h"
#include "gui/mainwindow/DebugLogMemo.h"

#include <QAccessible>

TEST_F(SensorsTabTest, OnePassShowsReadPidsASeparatorAndTheListedOnes)
{
    QStringList rows;
    QStringList pids;
    // Queries: 3 bitmaps, 9 reads of the first pass; the 13th starts the second pass.
    runUntilQuery(13, [&] {
        for (int r = 1; r <= 12; ++r)
            rows << row(r);
        pids = pidColumn();
    });

    EXPECT_EQ(rows.value(0),
              QStringLiteral("****|03|Status układu paliwowego 1/2||brak sprzężenia zwrotnego (brak warunków) / "
                             "brak sprzężenia zwrotnego (brak warunków) "));
    EXPECT_EQ(rows.value(2), QStringLiteral("|05|Temperatura płynu chłodzącego|st C|215"));
    EXPECT_EQ(rows.value(4), QStringLiteral("|0C|Prędkość obrotowa silnika|obr/min|16383"));
    EXPECT_EQ(rows.value(8), QStringLiteral("|11|Kąt otwarcia przepustnicy (TPS)|%|100,00"));
    EXPECT_EQ(rows.value(9), QStringLiteral("||||"));
    EXPECT_EQ(rows.value(10), QStringLiteral("|07|Długoterminowa korekta wtrysku Bank 1/3|%|"));
    EXPECT_EQ(pids.mid(0, 9), (QStringList{QStringLiteral("03"), QStringLiteral("04"), QStringLiteral("05"),
                                           QStringLiteral("06"), QStringLiteral("0C"), QStringLiteral("0D"),
                                           QStringLiteral("0E"), QStringLiteral("10"), QStringLiteral("11")}));
    // The other 63 supported PIDs follow in order (0x1C, 0x20, 0x40, 0x41 never appear).
    EXPECT_EQ(pids.mid(10, 63).size(), 63);
    EXPECT_FALSE(pids.mid(10, 63).contains(QStringLiteral("1C")));
    EXPECT_EQ(pids.value(72), QStringLiteral("4E"));
    EXPECT_TRUE(pids.value(73).isEmpty());

    // Stopped: the grid is empty, the button reads "Start" again.
    EXPECT_TRUE(pidColumn().join(QString()).isEmpty());
    EXPECT_EQ(page().ButtonStart->text(), QStringLiteral("Start"));
    EXPECT_FALSE(page().ButtonLogToFile->isEnabled());
    EXPECT_EQ(state().BusyCount, 0);
    EXPECT_EQ(main().MemoDebugLog->text().count(QStringLiteral("Reading sensors")), 10);
}

TEST_F(SensorsTabTest, StopInTheMiddleOfAPassEndsItAfterTheCurrentRead)
{
    runUntilQuery(6); // Stop arrives during the third read of the first pass
    EXPECT_EQ(vehicle->queries.size(), 6u);
    EXPECT_EQ(env.clock.now(), 600);
    EXPECT_TRUE(pidColumn().join(QString()).isEmpty());
    EXPECT_FALSE(state().SensorsRunning);
    EXPECT_EQ(page().ButtonStart->text(), QStringLiteral("Start"));
}

TEST_F(SensorsTabTest, ForceModeReadsAndListsUnsupportedPids)
{
    vehicle->answer(0, 0, 0, 0);
    vehicle->answer(0, 0, 0, 0);
    vehicle->answer(0, 0, 0, 0);
    page().CheckBoxForceMode->setChecked(true);
    QStringList pids;
    runUntilQuery(13, [&] { pids = pidColumn(); });
    EXPECT_EQ(pids.value(8), QStringLiteral("11"));
    EXPECT_TRUE(pids.value(9).isEmpty());
    EXPECT_EQ(pids.value(10), QStringLiteral("07"));
    EXPECT_TRUE(pids.contains(QStringLiteral("1C")));
    EXPECT_EQ(pids.value(73), QStringLiteral("4E")); // 64 listed PIDs
}

TEST_F(SensorsTabTest, WithNothingSelectedTheSupportedPidsAreListedFromTheFirstRow)
{
    click(page().ButtonDeselectAll);
    QStringList pids;
    env.clock.at(450, [&] {
        pids = pidColumn();
        click(page().ButtonStart);
    });
    click(page().ButtonStart);
    EXPECT_EQ(vehicle->queries.size(), 3u); // the bitmaps only
    EXPECT_EQ(pids.value(0), QStringLiteral("03"));
    EXPECT_EQ(pids.value(71), QStringLiteral("4E"));
    // One 100 ms wait per pass keeps the loop from spinning.
    for (std::size_t i = 3; i < env.clock.pauses().size(); ++i)
        EXPECT_EQ(env.clock.pauses()[i], 100);
    EXPECT_GE(env.clock.pauses().size(), 5u);
}

TEST_F(SensorsTabTest, LeavingTheTabOrDisconnectingEndsTheLoop)
{
    runUntilQuery(8, [&] { clickTab(main().TabDTC); });
    EXPECT_EQ(currentPage(), main().TabDTC);
    EXPECT_FALSE(state().SensorsRunning);
    EXPECT_EQ(vehicle->queries.size(), 8u);
    EXPECT_TRUE(pidColumn().join(QString()).isEmpty());

    clickTab(main().TabSensors);
    vehicle->queries.clear();
    runUntilQuery(5, [&] {
        clickTab(main().TabMain);
        clickPolacz();
    });
    EXPECT_FALSE(state().Connected);
    EXPECT_EQ(vehicle->queries.size(), 5u);
    EXPECT_EQ(page().ButtonStart->text(), QStringLiteral("Start"));
    EXPECT_EQ(state().BusyCount, 0);
}

TEST_F(SensorsTabTest, SelectionButtonsChangeOnlyTheStoredSelectionWhileStopped)
{
    click(page().ButtonSelectAll);
    EXPECT_TRUE(state().Selection.IsSelected(0x2F));
    click(page().ButtonInvert);
    EXPECT_FALSE(state().Selection.IsSelected(0x2F));
    EXPECT_TRUE(pidColumn().join(QString()).isEmpty());
    state().Selection.SetSupported(0x2F, false);
    click(page().ButtonResetSupported);
    EXPECT_TRUE(state().Selection.IsSupported(0x2F));
    EXPECT_FALSE(state().Selection.IsSupported(0x1C));
}

TEST_F(SensorsTabTest, CheckBoxesToggleOnlyInsideTheBoxOfARowWithAPid)
{
    tab().showRowPid(1, 0x0C);
    tab().showRowPid(2, 0x2F);
    QWidget *viewport = grid().viewport();
    const QRect first = grid().visualRect(grid().model()->index(0, 0));
    const QPoint inBox = first.topLeft() + QPoint(5, 5);
    ASSERT_TRUE(tab().PtInCheckBox(inBox).hit);

    QTest::mouseClick(viewport, Qt::LeftButton, {}, inBox);
    EXPECT_FALSE(state().Selection.IsSelected(0x0C));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, inBox);
    EXPECT_TRUE(state().Selection.IsSelected(0x0C));

    // The same offset in another column, or a row without a PID, changes nothing.
    const QRect third = grid().visualRect(grid().model()->index(0, 3));
    EXPECT_FALSE(tab().PtInCheckBox(third.topLeft() + QPoint(5, 5)).hit);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, third.topLeft() + QPoint(5, 5));
    const QRect empty = grid().visualRect(grid().model()->index(5, 0));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, empty.topLeft() + QPoint(5, 5));
    EXPECT_TRUE(state().Selection.IsSelected(0x0C));
    EXPECT_FALSE(tab().GetCheckState(6));

    // While the log is written the selection cannot change.
    state().SensorLogActive = true;
    const QRect second = grid().visualRect(grid().model()->index(1, 0));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, second.topLeft() + QPoint(5, 5));
    EXPECT_FALSE(state().Selection.IsSelected(0x2F));
    state().SensorLogActive = false;
    QTest::mouseClick(viewport, Qt::LeftButton, {}, second.topLeft() + QPoint(5, 5));
    EXPECT_TRUE(state().Selection.IsSelected(0x2F));
}

TEST_F(SensorsTabTest, ARowsCheckBoxStandsForThePidTheRowShows)
{
    tab().showRowPid(1, 0x0C);
    tab().showRowPid(2, 0x2F);
    EXPECT_EQ(grid().Cells(2, 1), QStringLiteral("0C"));
    EXPECT_EQ(grid().Cells(3, 1), QStringLiteral("Prędkość obrotowa silnika"));
    EXPECT_TRUE(tab().GetCheckState(1));
    EXPECT_FALSE(tab().GetCheckState(2));
    EXPECT_EQ(tab().rowPid(3), 0);
    EXPECT_FALSE(tab().GetCheckState(3));
    tab().ResetSensorGrid();
    EXPECT_EQ(tab().rowPid(1), 0);
    EXPECT_FALSE(tab().GetCheckState(1));
}

TEST_F(SensorsTabTest, EveryPressTogglesAlsoTheSecondOfADoubleClick)
{
    tab().showRowPid(1, 0x0C);
    const QPoint inBox = grid().visualRect(grid().model()->index(0, 0)).topLeft() + QPoint(5, 5);
    // Qt delivers a quick double click as press, release, double-click event, release.
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, inBox);
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, inBox);
    QTest::mouseRelease(grid().viewport(), Qt::LeftButton, {}, inBox);
    EXPECT_TRUE(state().Selection.IsSelected(0x0C));
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, inBox);
    EXPECT_FALSE(state().Selection.IsSelected(0x0C));
}

TEST_F(SensorsTabTest, BoxesChangedByTheSelectionButtonsShowByTheEndOfThePass)
{
    // "Żaden" during the last read of the second pass unchecks rows 1-9 on screen by the end of
    // that pass, although the grid is not repainted as a whole. The virtual clock does not
    // paint: the test lets Qt paint.
    bool staleDuringPass = false;
    bool staleAfterPass = true;
    vehicle->onQuery = [&](int query) {
        if (query == 21) {
            QCoreApplication::processEvents();
            click(page().ButtonDeselectAll);
            staleDuringPass = tab().checkColumn().outdated(1);
        }
    };
    env.clock.at(2150, [&] { // the third pass, which reads nothing
        QCoreApplication::processEvents();
        staleAfterPass = false;
        for (int row = 1; row <= 20; ++row)
            staleAfterPass = staleAfterPass || tab().checkColumn().outdated(row);
        click(page().ButtonStart);
    });
    click(page().ButtonStart);
    EXPECT_TRUE(staleDuringPass);
    EXPECT_FALSE(staleAfterPass);
}

// At the keyboard: Space toggles the box of the current row, whichever cell of it is current; the
// current cell is framed once the keys are used, not after a click; a screen reader hears each
// box as a check box with its state and its sensor's name.
TEST_F(SensorsTabTest, SpaceTogglesTheCurrentRowsBoxWhichScreenReadersHearWithItsState)
{
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    tab().showRowPid(1, 0x0C);
    tab().showRowPid(2, 0x2F);
    grid().setCurrentCell(0, 3);
    page().ButtonStart->setFocus();
    QTest::keyClick(page().ButtonStart, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(grid().hasFocus());
    QAccessibleTableInterface *cells = QAccessible::queryAccessibleInterface(&grid())->tableInterface();
    ASSERT_NE(cells, nullptr);
    QAccessibleInterface *first = cells->cellAt(0, 0);
    EXPECT_TRUE(first->state().checkable);
    EXPECT_TRUE(first->state().checked);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("Prędkość obrotowa silnika"));
    EXPECT_FALSE(cells->cellAt(2, 0)->state().checkable); // a row without a PID has no box

    const auto framed = [this](int tableRow, int column) {
        const QRect cell = grid().visualRect(grid().model()->index(tableRow, column));
        const QImage image = grid().viewport()->grab().toImage();
        return image.pixelColor(cell.left() + cell.width() / 2, cell.top())
               == grid().palette().color(QPalette::Highlight);
    };
    EXPECT_TRUE(framed(0, 3));
    EXPECT_FALSE(framed(1, 3));

    QTest::keyClick(&grid(), Qt::Key_Space);
    EXPECT_FALSE(state().Selection.IsSelected(0x0C));
    EXPECT_FALSE(first->state().checked);
    QTest::keyClick(&grid(), Qt::Key_Down);
    QTest::keyClick(&grid(), Qt::Key_Space);
    EXPECT_TRUE(state().Selection.IsSelected(0x2F));
    EXPECT_TRUE(cells->cellAt(1, 0)->state().checked);
    EXPECT_TRUE(framed(1, 3));
    QTest::keyClick(&grid(), Qt::Key_Down);
    QTest::keyClick(&grid(), Qt::Key_Space); // no PID, no box
    EXPECT_EQ(grid().currentRow(), 2);
    EXPECT_FALSE(tab().GetCheckState(3));

    // While the log is written Space changes nothing either.
    state().SensorLogActive = true;
    QTest::keyClick(&grid(), Qt::Key_Up);
    QTest::keyClick(&grid(), Qt::Key_Space);
    EXPECT_TRUE(state().Selection.IsSelected(0x2F));
    state().SensorLogActive = false;

    // A click puts the frame away; the grid looks to the mouse as it always has.
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().visualRect(grid().model()->index(0, 4)).center());
    EXPECT_EQ(grid().currentRow(), 0);
    EXPECT_FALSE(framed(0, 4));
}
