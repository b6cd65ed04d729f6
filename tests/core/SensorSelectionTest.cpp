#include "core/livedata/SensorSelection.h"

#include "support/core/ScriptedVehicle.h"

#include <gtest/gtest.h>

TEST(SensorSelectionTest, StartsWithTheDefaultNineAndTheSevenFixedPidsUnsupported)
{
    const SensorSelection selection;
    std::vector<int> selected;
    for (int pid = 0; pid <= 0x4E; ++pid)
        if (selection.IsSelected(std::uint8_t(pid)))
            selected.push_back(pid);
    EXPECT_EQ(selected, (std::vector<int>{0x03, 0x04, 0x05, 0x06, 0x0C, 0x0D, 0x0E, 0x10, 0x11}));
    for (int pid = 0; pid <= 0x4E; ++pid) {
        const bool fixed =
            pid == 0x00 || pid == 0x01 || pid == 0x02 || pid == 0x1C || pid == 0x20 || pid == 0x40 || pid == 0x41;
        EXPECT_EQ(selection.IsSupported(std::uint8_t(pid)), !fixed) << pid;
        EXPECT_EQ(selection.FailCount[std::size_t(pid)], 0);
    }
}

TEST(SensorSelectionTest, BulkOperationsCoverEveryPidAndIgnoreOthers)
{
    SensorSelection selection;
    selection.InvertSelection();
    EXPECT_FALSE(selection.IsSelected(0x03));
    EXPECT_TRUE(selection.IsSelected(0x00));
    EXPECT_TRUE(selection.IsSelected(0x4E));
    EXPECT_EQ(selection.Selected[0x4F], 0);
    selection.DeselectAll();
    selection.SetSelected(0x2F, true);
    selection.SetSelected(0x50, true); // beyond the table: ignored
    EXPECT_TRUE(selection.IsSelected(0x2F));
    EXPECT_FALSE(selection.IsSelected(0x50));
    EXPECT_EQ(selection.Selected[0x50], 0);
    selection.SelectAll();
    for (int pid = 0; pid <= 0x4E; ++pid)
        EXPECT_TRUE(selection.IsSelected(std::uint8_t(pid)));
    EXPECT_FALSE(selection.IsSelected(0xFF));
}

TEST(SensorSelectionTest, ClearingRestoresSupportAndCountsButNotTheFixedPids)
{
    SensorSelection selection;
    selection.SetSupported(0x0D, false);
    selection.FailCount[0x0D] = 7;
    selection.ClearUndisplayablePids(false);
    EXPECT_FALSE(selection.IsSupported(0x0D));
    EXPECT_EQ(selection.FailCount[0x0D], 0);
    selection.ClearUndisplayablePids(true);
    EXPECT_TRUE(selection.IsSupported(0x0D));
    EXPECT_FALSE(selection.IsSupported(0x1C));
}

TEST(SensorSelectionTest, ReadsTheThreeBitmapsMostSignificantBitFirst)
{
    SensorSelection selection;
    ScriptedVehicle vehicle;
    vehicle.answer(0x80, 0x00, 0x00, 0x01); // PIDs 0x01 and 0x20
    vehicle.answer(0x40, 0x00, 0x00, 0x00); // PID 0x22
    vehicle.answer(0xFF, 0xFF, 0xFF, 0xFF); // 0x41-0x4E; nothing beyond
    selection.FailCount[0x05] = 2;
    DetectSupportedPids(selection, vehicle);

    ASSERT_EQ(vehicle.queries.size(), 3u);
    EXPECT_EQ(vehicle.queries[1].pid, 0x20);
    EXPECT_EQ(vehicle.queries[2].byteCount, 4);
    EXPECT_FALSE(selection.IsSupported(0x01)); // found, then removed as a fixed PID
    EXPECT_FALSE(selection.IsSupported(0x03));
    EXPECT_TRUE(selection.IsSupported(0x22));
    EXPECT_FALSE(selection.IsSupported(0x21));
    EXPECT_TRUE(selection.IsSupported(0x42));
    EXPECT_TRUE(selection.IsSupported(0x4E));
    EXPECT_FALSE(selection.IsSupported(0x41));
    EXPECT_EQ(selection.Supported[0x4F], 0);
    EXPECT_EQ(selection.FailCount[0x05], 0);
}

TEST(SensorSelectionTest, AFailedBitmapMarksItsRangeUnsupported)
{
    SensorSelection selection;
    ScriptedVehicle vehicle;
    vehicle.answer(0xFF, 0xFF, 0xFF, 0xFF);
    vehicle.fail();
    vehicle.answer(0xFF, 0xFF, 0xFF, 0xFF);
    DetectSupportedPids(selection, vehicle);
    EXPECT_TRUE(selection.IsSupported(0x1F));
    for (int pid = 0x21; pid <= 0x3F; ++pid)
        EXPECT_FALSE(selection.IsSupported(std::uint8_t(pid))) << pid;
    EXPECT_TRUE(selection.IsSupported(0x42));
}
