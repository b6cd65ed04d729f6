#include "core/livedata/SensorPassPlan.h"

#include "core/livedata/SensorSelection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// One pass as the grid shows it: the PIDs read with their rows, the separator's row (0: none),
// the PIDs listed with the row of the first.
struct Pass {
    std::vector<int> reads;
    std::vector<int> readRows;
    int separatorRow = 0;
    std::vector<int> listed;
    int firstListedRow = 0;
};

Pass runPass(const SensorSelection &selection, bool forceMode, const std::function<void()> &afterFirstRead = {})
{
    Pass pass;
    SensorPassPlan plan(selection);
    while (const auto pid = plan.nextRead(forceMode)) {
        pass.reads.push_back(*pid);
        pass.readRows.push_back(plan.row());
        if (pass.reads.size() == 1 && afterFirstRead)
            afterFirstRead();
    }
    if (plan.endReads())
        pass.separatorRow = plan.row();
    while (const auto pid = plan.nextListed(forceMode)) {
        if (pass.listed.empty())
            pass.firstListedRow = plan.row();
        pass.listed.push_back(*pid);
    }
    EXPECT_EQ(plan.listedCount(), int(pass.listed.size()));
    return pass;
}

bool contains(const std::vector<int> &pids, int pid)
{
    return std::find(pids.begin(), pids.end(), pid) != pids.end();
}

const std::vector<int> kDefaultReads{0x03, 0x04, 0x05, 0x06, 0x0C, 0x0D, 0x0E, 0x10, 0x11};

} // namespace

TEST(SensorPassPlanTest, RowsOfAPassFollowTheSelectionTheSupportAndForceMode)
{
    const struct {
        const char *name;
        std::function<void(SensorSelection &)> prepare;
        bool forceMode;
        std::vector<int> reads;
        int separatorRow;
        std::size_t listedCount;
        int firstListed;
        bool listsObdStandard; // 0x1C, never supported
        int lastListed = 0x4E;
    } cases[] = {
        {"default selection, every PID supported", [](SensorSelection &) {}, false, kDefaultReads, 10, 63, 0x07, false},
        {"nothing supported, force mode", [](SensorSelection &s) { s.Supported.fill(0); }, true, kDefaultReads, 10, 64,
         0x07, true},
        {"nothing supported", [](SensorSelection &s) { s.Supported.fill(0); }, false, {}, 0, 0, 0, false},
        {"nothing selected: listed from row 1",
         [](SensorSelection &s) { s.DeselectAll(); },
         false,
         {},
         0,
         72,
         0x03,
         false},
        {"an unsupported selected PID is neither read nor listed",
         [](SensorSelection &s) { s.SetSupported(0x0C, false); },
         false,
         {0x03, 0x04, 0x05, 0x06, 0x0D, 0x0E, 0x10, 0x11},
         9,
         63,
         0x07,
         false},
        {"a car's PIDs past 0x4E are listed after the others",
         [](SensorSelection &s) {
             for (std::uint8_t pid : {0x5C, 0xA6})
                 s.announced[pid] = s.Supported[pid] = 1;
         },
         false, kDefaultReads, 10, 65, 0x07, false, 0xA6},
        {"one selected is read after 0x11",
         [](SensorSelection &s) {
             s.announced[0x5C] = s.Supported[0x5C] = 1;
             s.SetSelected(0x5C, true);
         },
         false,
         {0x03, 0x04, 0x05, 0x06, 0x0C, 0x0D, 0x0E, 0x10, 0x11, 0x5C},
         11,
         63,
         0x07,
         false},
        {"force mode shows one that failed since, never one the car did not announce",
         [](SensorSelection &s) {
             s.announced[0x5C] = 1;
             s.Supported.fill(0);
         },
         true, kDefaultReads, 10, 65, 0x07, true, 0x5C},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SensorSelection selection;
        c.prepare(selection);
        const Pass pass = runPass(selection, c.forceMode);
        EXPECT_EQ(pass.reads, c.reads);
        for (std::size_t i = 0; i < pass.readRows.size(); ++i)
            EXPECT_EQ(pass.readRows[i], int(i) + 1);
        EXPECT_EQ(pass.separatorRow, c.separatorRow);
        EXPECT_EQ(pass.listed.size(), c.listedCount);
        if (!pass.listed.empty()) {
            EXPECT_EQ(pass.listed.front(), c.firstListed);
            EXPECT_EQ(pass.listed.back(), c.lastListed);
            EXPECT_EQ(pass.firstListedRow, c.separatorRow + 1);
        }
        EXPECT_EQ(contains(pass.listed, 0x1C), c.listsObdStandard);
        // The support bitmaps and the monitor status are never shown, not even in force mode.
        for (int pid : {0x00, 0x01, 0x02, 0x20, 0x40, 0x41, 0x4F})
            EXPECT_FALSE(contains(pass.reads, pid) || contains(pass.listed, pid)) << pid;
        const std::vector<std::uint8_t> planned = SensorPassPlan(selection).reads(c.forceMode);
        EXPECT_EQ(std::vector<int>(planned.begin(), planned.end()), c.reads);
    }
}

TEST(SensorPassPlanTest, EveryLivePidAndTheSeparatorFitTheGrid)
{
    SensorSelection selection;
    selection.SelectAll();
    const Pass pass = runPass(selection, true);
    EXPECT_EQ(pass.reads.size(), 73u);
    EXPECT_EQ(pass.separatorRow, 74);
    EXPECT_LE(pass.separatorRow, SensorPassPlan::kLastRow);
    EXPECT_EQ(SensorPassPlan(selection).lastRow(), SensorPassPlan::kLastRow);
    EXPECT_TRUE(pass.listed.empty());

    // A car announcing every PID past 0x4E: the grid grows by one row each.
    for (int pid = 0x4F; pid <= 0xFF; ++pid)
        selection.announced[std::size_t(pid)] = pid % 0x20 != 0;
    selection.SelectAll();
    const Pass everything = runPass(selection, true);
    EXPECT_EQ(everything.reads.size(), 73u + 172u);
    EXPECT_EQ(everything.reads.back(), 0xFF);
    EXPECT_EQ(everything.separatorRow, 246);
    EXPECT_LE(everything.separatorRow, SensorPassPlan(selection).lastRow());
}

TEST(SensorPassPlanTest, AChangeDuringThePassCountsFromTheNextPidOn)
{
    SensorSelection selection;
    const Pass pass = runPass(selection, false, [&] {
        selection.SetSelected(0x05, false); // still ahead: not read
        selection.SetSelected(0x07, true); // ahead: read in this pass
        selection.SetSelected(0x03, false); // behind: read already
    });
    EXPECT_EQ(pass.reads, (std::vector<int>{0x03, 0x04, 0x06, 0x07, 0x0C, 0x0D, 0x0E, 0x10, 0x11}));
    EXPECT_TRUE(contains(pass.listed, 0x03));
    EXPECT_TRUE(contains(pass.listed, 0x05));
    EXPECT_FALSE(contains(pass.listed, 0x07));
}
