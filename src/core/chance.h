// SPDX-License-Identifier: GPL-3.0-or-later
// Where the target lands: numbers drawn uniformly from [0, 1) out of a
// generator that a seed starts afresh. Each platform draws from one.
#pragma once

#include <cstdint>
#include <random>

namespace jex {

class Chance {
  public:
    void seed(double seed);
    double draw();

  private:
    std::mt19937 generator_;
    std::uint32_t seeds_ = 0;
};

} // namespace jex
