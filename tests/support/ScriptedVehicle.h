#pragma once

#include "core/vehicle/VehicleLink.h"

#include "core/platform/Clock.h"

#include <deque>
#include <functional>
#include <vector>

// A vehicle for tests: answers each query with the next scripted reply, or with `fallback`
// when the script has run out, and records what was asked. With a clock each query takes
// 100 ms on it, as the vehicle's does; onQuery(n) runs before the n-th answer (1-based).
class ScriptedVehicle final : public VehicleLink {
public:
    struct Query {
        std::uint8_t pid;
        PidMode mode;
        int byteCount;
    };

    PidReply QueryPid(std::uint8_t pid, PidMode mode, int byteCount) override
    {
        queries.push_back({pid, mode, byteCount});
        if (onQuery)
            onQuery(int(queries.size()));
        if (clock != nullptr)
            clock->pause(100);
        if (failing && failing(pid))
            return {};
        if (replies.empty())
            return fallback;
        const PidReply reply = replies.front();
        replies.pop_front();
        return reply;
    }

    void answer(std::uint8_t a, std::uint8_t b = 0, std::uint8_t c = 0, std::uint8_t d = 0)
    {
        replies.push_back({true, {a, b, c, d}});
    }
    void fail() { replies.push_back({false, {}}); }

    Clock *clock = nullptr;
    std::function<void(int)> onQuery;
    std::function<bool(std::uint8_t)> failing; // PIDs whose reads fail
    std::deque<PidReply> replies;
    PidReply fallback{true, {0, 0, 0, 0}};
    std::vector<Query> queries;
};
