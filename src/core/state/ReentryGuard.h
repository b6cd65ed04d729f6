#pragma once

// The way into a loop that runs inside its click handler and pumps messages between its steps. A
// click that arrives through the loop's own pump and would start it again finds it inside: that
// click only sets the run flags, and the running loop goes on with them. A loop given a busy count
// (BusyCount, the live loops in progress) adds one to it while it is inside.
class ReentryGuard {
public:
    explicit ReentryGuard(int *busyCount = nullptr) : m_busyCount(busyCount) {}
    ReentryGuard(const ReentryGuard &) = delete;
    ReentryGuard &operator=(const ReentryGuard &) = delete;

    bool inside() const { return m_inside; }

    // Runs loop unless it is inside already; whether it ran. The guard is left when loop returns
    // or throws.
    template <class Loop>
    bool run(Loop &&loop)
    {
        if (m_inside)
            return false;
        const Inside inside(*this);
        loop();
        return true;
    }

private:
    class Inside {
    public:
        explicit Inside(ReentryGuard &guard) : m_guard(guard)
        {
            m_guard.m_inside = true;
            if (m_guard.m_busyCount != nullptr)
                ++*m_guard.m_busyCount;
        }
        ~Inside()
        {
            if (m_guard.m_busyCount != nullptr)
                --*m_guard.m_busyCount;
            m_guard.m_inside = false;
        }
        Inside(const Inside &) = delete;
        Inside &operator=(const Inside &) = delete;

    private:
        ReentryGuard &m_guard;
    };

    int *m_busyCount;
    bool m_inside = false;
};
