#pragma once

#include "Interfaces.h"

#include <cstdint>
#include <random>

namespace velmora {

class ClockRandom final : public RandomSource
{
public:
    void seedFromClock() override;
    double next() override;

private:
    std::mt19937_64 m_engine;
};

} // namespace velmora
