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

namespace {

// The bitmaps of a car that announces PIDs past 0x4E: 0x4F 0x51 0x5C 0x5E and the bitmap 0x60
// at 0x40, then 0x61 0x62 0x63 0x65 0x7C and no further bitmap; then its 0x4F spans.
void scriptRecentCar(ScriptedVehicle &vehicle)
{
    vehicle.answer(0xFF, 0xFF, 0xFF, 0xFF);
    vehicle.answer(0xFF, 0xFF, 0xFF, 0xFF);
    vehicle.answer(0x00, 0x02, 0x80, 0x15);
    vehicle.answer(0xE8, 0x00, 0x00, 0x10);
    vehicle.answer(0x02, 0x08, 0x80, 0x19);
}

std::vector<int> announcedOf(const SensorSelection &selection)
{
    std::vector<int> pids;
    for (int pid = 0; pid < SensorSelection::kSize; ++pid)
        if (selection.isAnnounced(std::uint8_t(pid)))
            pids.push_back(pid);
    return pids;
}

} // namespace

TEST(SensorSelectionTest, ACarThatAnnouncesPidsPastFourEIsFollowedThroughItsBitmaps)
{
    SensorSelection selection;
    ScriptedVehicle car;
    car.announcesSupport = true;
    scriptRecentCar(car);
    DetectSupportedPids(selection, car);

    std::vector<int> asked;
    for (const auto &query : car.queries)
        asked.push_back(query.pid);
    EXPECT_EQ(asked, (std::vector<int>{0x00, 0x20, 0x40, 0x60, 0x4F}));
    EXPECT_EQ(announcedOf(selection), (std::vector<int>{0x4F, 0x51, 0x5C, 0x5E, 0x61, 0x62, 0x63, 0x65, 0x7C}));
    EXPECT_TRUE(selection.IsSupported(0x5C));
    EXPECT_FALSE(selection.IsSupported(0x5D));
    EXPECT_FALSE(selection.IsSupported(0x60)); // a bitmap, never listed
    EXPECT_EQ(selection.scaling.ratio, 2);
    EXPECT_EQ(selection.scaling.voltage, 8);
    EXPECT_EQ(selection.scaling.current, 128);

    // The announced PIDs take part in the selection as the others do; the rest stay out.
    selection.SetSelected(0x5C, true);
    selection.SetSelected(0x5D, true);
    EXPECT_TRUE(selection.IsSelected(0x5C));
    EXPECT_FALSE(selection.IsSelected(0x5D));
    selection.SelectAll();
    EXPECT_TRUE(selection.IsSelected(0x7C));
    EXPECT_FALSE(selection.IsSelected(0x7D));
    selection.SetSupported(0x63, false);
    selection.FailCount[0x63] = 3;
    selection.ClearUndisplayablePids(true); // "Wykryj": what the car announced comes back
    EXPECT_TRUE(selection.IsSupported(0x63));
    EXPECT_EQ(selection.FailCount[0x63], 0);
    EXPECT_FALSE(selection.IsSupported(0x7D));

    // The simulated vehicle answers the same bitmaps: three reads, nothing past 0x4E, and a
    // previous car's PIDs and spans are gone.
    ScriptedVehicle simulated;
    scriptRecentCar(simulated);
    DetectSupportedPids(selection, simulated);
    EXPECT_EQ(simulated.queries.size(), 3u);
    EXPECT_TRUE(announcedOf(selection).empty());
    EXPECT_FALSE(selection.IsSelected(0x5C));
    EXPECT_EQ(selection.Supported[0x5C], 0);
    EXPECT_EQ(selection.scaling.ratio, 0);
}

TEST(SensorSelectionTest, TheBitmapsEndAtTheFirstThatFailsOrAtTheLast)
{
    SensorSelection selection;
    ScriptedVehicle car;
    car.announcesSupport = true;
    car.fallback = {true, {0xFF, 0xFF, 0xFF, 0xFF}, 4};
    DetectSupportedPids(selection, car);
    ASSERT_EQ(car.queries.size(), 9u); // 0x00 ... 0xE0, then 0x4F
    EXPECT_EQ(car.queries[7].pid, 0xE0);
    EXPECT_EQ(announcedOf(selection).size(), 172u); // 0x4F-0xFF but the five bitmaps
    EXPECT_TRUE(selection.IsSupported(0xFF));

    ScriptedVehicle failing;
    failing.announcesSupport = true;
    failing.answer(0xFF, 0xFF, 0xFF, 0xFF);
    failing.answer(0xFF, 0xFF, 0xFF, 0xFF);
    failing.answer(0xFF, 0xFF, 0xFF, 0xFF);
    failing.fail(); // 0x60
    failing.answer(0x00, 0x00, 0x00, 0x00); // 0x4F: no spans
    DetectSupportedPids(selection, failing);
    EXPECT_EQ(failing.queries.size(), 5u);
    EXPECT_TRUE(selection.isAnnounced(0x5F));
    EXPECT_FALSE(selection.isAnnounced(0x61));
    EXPECT_EQ(selection.scaling.ratio, 0);
}
