#pragma once

#include <functional>
#include <memory>

// A part of the program built the first time something asks for it. The program paints its window
// before it builds what that first paint does not show, and builds the rest right after; whatever
// asks for such a part before then has it built at once.
template <class T>
class BuiltOnFirstUse {
public:
    explicit BuiltOnFirstUse(std::function<std::unique_ptr<T>()> build) : m_build(std::move(build)) {}

    T &get()
    {
        if (!m_part)
            m_part = m_build();
        return *m_part;
    }
    bool built() const { return m_part != nullptr; }

private:
    std::function<std::unique_ptr<T>()> m_build;
    std::unique_ptr<T> m_part;
};
