#pragma once
// How long and from which seed the random soak runs; main() reads them from the
// environment (GOMBLO_SOAK_SEED, GOMBLO_SOAK_EVENTS).

#include <cstdint>

namespace gomblo::testing {

struct SoakOptions {
  std::uint64_t seed = 20240611;
  long events = 250000;
};

SoakOptions& soakOptions();

}  // namespace gomblo::testing
