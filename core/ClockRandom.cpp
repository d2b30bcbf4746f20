#include "ClockRandom.h"

#include <chrono>

namespace velmora {

void ClockRandom::seedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint64_t>(ticks));
}

double ClockRandom::next()
{
    // The top 53 bits scaled by 2^-53: never reaches 1.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

} // namespace velmora
