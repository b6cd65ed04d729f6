#include "core/livedata/PassPidReads.h"

#include <algorithm>

PassPidReads::PassPidReads(VehicleLink &link, const std::vector<std::uint8_t> &plan) : m_link(link)
{
    // A PID of unknown length is asked for alone, as the pass comes to it.
    for (const std::uint8_t pid : plan)
        if (PidValueIsRead(pid, CurrentData) && PidByteCount(pid) > 0)
            m_plan.push_back({pid, PidByteCount(pid)});
    m_replies.resize(m_plan.size());
}

PidReply PassPidReads::read(std::uint8_t pid, PidMode mode, int byteCount)
{
    // The pass may leave out a PID it named (the operator took it off meanwhile), never go back.
    std::size_t at = m_next;
    while (at < m_plan.size() && m_plan[at].pid != pid)
        ++at;
    if (mode != CurrentData || at == m_plan.size() || m_plan[at].byteCount != byteCount)
        return m_link.QueryPid(pid, mode, byteCount);
    m_next = at + 1;
    if (!m_replies[at]) {
        // This PID and the next ones, each once, as many as one request carries.
        const auto room = std::size_t(std::max(1, m_link.PidsPerRequest()));
        std::vector<PidRequest> together;
        for (std::size_t i = at; i < m_plan.size() && together.size() < room; ++i) {
            if (m_replies[i] || std::any_of(together.begin(), together.end(), [&](const PidRequest &earlier) {
                    return earlier.pid == m_plan[i].pid;
                }))
                break;
            together.push_back(m_plan[i]);
        }
        const std::vector<PidReply> replies = m_link.QueryPids(together);
        for (std::size_t i = 0; i < together.size() && i < replies.size(); ++i)
            m_replies[at + i] = replies[i];
    }
    const PidReply reply = m_replies[at].value_or(PidReply{});
    m_replies[at].reset();
    return reply;
}

PidQuery PassPidReads::query()
{
    return [this](std::uint8_t pid, PidMode mode, int byteCount) { return read(pid, mode, byteCount); };
}
