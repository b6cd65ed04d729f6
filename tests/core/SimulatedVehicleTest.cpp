#include "core/vehicle/SimulatedVehicle.h"
#include "core/vehicle/SimRandom.h"

#include "support/core/VirtualClock.h"

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// The four bytes A-D of an answer, which is all the simulated vehicle answers.
std::array<std::uint8_t, 4> abcd(const PidReply &reply)
{
    EXPECT_EQ(reply.count, 4);
    return {reply.bytes[0], reply.bytes[1], reply.bytes[2], reply.bytes[3]};
}

} // namespace

TEST(SimulatedVehicleTest, StartsTheFixedSequence)
{
    SimRandom random;
    const int expected[] = {346, 130, 10982, 1090, 11656, 7117, 17595, 6415};
    for (int value : expected)
        EXPECT_EQ(random(), value);
}

TEST(SimulatedVehicleTest, AnswersFromTheGeneratorAfterAHundredMilliseconds)
{
    VirtualClock clock;
    SimRandom random;
    SimulatedVehicle vehicle(clock, random);

    const PidReply first = vehicle.QueryPid(0x0C, CurrentData, 2);
    EXPECT_TRUE(first.ok);
    EXPECT_EQ(abcd(first), (std::array<std::uint8_t, 4>{91, 130, 17, 70}));
    EXPECT_EQ(clock.now(), 100);

    // One byte asked for still uses four numbers of the generator.
    const PidReply second = vehicle.QueryPid(0x05, FreezeFrame, 1);
    EXPECT_EQ(abcd(second), (std::array<std::uint8_t, 4>{181, 232, 0, 40}));
    EXPECT_EQ(clock.now(), 200);
    EXPECT_EQ(clock.pumps(), 0); // the pause does not pump messages
}

TEST(SimulatedVehicleTest, NeverAnswers255AndRepeatsAcrossRuns)
{
    VirtualClock clock;
    SimRandom first;
    SimRandom second;
    SimulatedVehicle a(clock, first);
    SimulatedVehicle b(clock, second);
    for (int query = 0; query < 5000; ++query) {
        const PidReply ra = a.QueryPid(static_cast<std::uint8_t>(query), CurrentData, 4);
        const PidReply rb = b.QueryPid(0x42, FreezeFrame, 1);
        ASSERT_EQ(abcd(ra), abcd(rb));
        for (std::uint8_t byte : abcd(ra))
            ASSERT_NE(byte, 255);
    }
}
