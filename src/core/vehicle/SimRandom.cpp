#include "core/vehicle/SimRandom.h"

int SimRandom::operator()()
{
    m_state = m_state * 22695477u + 1u; // modulo 2^32 by unsigned wrap-around
    return static_cast<int>((m_state >> 16) & 0x7FFFu);
}

SimRandom &SimRandom::forThisThread()
{
    thread_local SimRandom generator;
    return generator;
}
