// The game tests' entry: Google Test, plus the soak's seed and length from the environment.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "soak_options.h"

namespace gomblo::testing {

SoakOptions& soakOptions() {
  static SoakOptions options;
  return options;
}

}  // namespace gomblo::testing

namespace {

// Reads a whole non-negative decimal number; anything else is refused.
bool readNumber(const char* name, unsigned long long& out) {
  const char* text = std::getenv(name);
  if (!text || !*text) return true;
  char* end = nullptr;
  const unsigned long long v = std::strtoull(text, &end, 10);
  if (*end != '\0' || text[0] == '-') {
    std::fprintf(stderr, "%s: not a number: %s\n", name, text);
    return false;
  }
  out = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  auto& options = gomblo::testing::soakOptions();
  unsigned long long seed = options.seed, events = static_cast<unsigned long long>(options.events);
  if (!readNumber("GOMBLO_SOAK_SEED", seed) || !readNumber("GOMBLO_SOAK_EVENTS", events)) return 2;
  options.seed = seed;
  options.events = static_cast<long>(events);
  return RUN_ALL_TESTS();
}
