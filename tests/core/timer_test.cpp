// When a timer ticks, on the virtual clock.

#include "forms/timer.h"

#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/headless/headless_backend.h"

namespace forms {
namespace {

struct TimerFixture {
  headless::HeadlessBackend backend;
  TApplication app{backend};
  TTimer* timer = new TTimer(&app);
  std::vector<std::int64_t> ticks;
  TimerFixture() {
    timer->SetEnabled(false);
    timer->OnTimer = [this](TObject*) { ticks.push_back(backend.Now()); };
  }
  std::vector<std::int64_t> runUntil(std::int64_t t) {
    backend.Advance(t - backend.Now());
    return ticks;
  }
};

using Ticks = std::vector<std::int64_t>;

TEST(Timer, TicksOncePerIntervalWhileEnabled) {
  TimerFixture f;
  f.timer->SetInterval(1000);
  EXPECT_EQ(f.runUntil(5000), Ticks{});
  f.timer->SetEnabled(true);
  EXPECT_EQ(f.runUntil(8500), (Ticks{6000, 7000, 8000}));
  f.timer->SetEnabled(false);
  EXPECT_EQ(f.runUntil(20000), (Ticks{6000, 7000, 8000}));
}

TEST(Timer, RestartRules) {
  struct Case {
    const char* what;
    std::function<void(TTimer&)> at1500;
    Ticks expected;  // ticks up to 4000, enabled at 0 with 1000
  };
  const Case cases[] = {
      {"the same interval changes nothing",
       [](TTimer& t) { t.SetInterval(1000); },
       {1000, 2000, 3000, 4000}},
      {"a different interval starts the wait afresh",
       [](TTimer& t) { t.SetInterval(2000); },
       {1000, 3500}},
      {"a shorter one too",
       [](TTimer& t) { t.SetInterval(400); },
       {1000, 1900, 2300, 2700, 3100, 3500, 3900}},
      {"switching on while on changes nothing",
       [](TTimer& t) { t.SetEnabled(true); },
       {1000, 2000, 3000, 4000}},
      {"off and on again starts afresh",
       [](TTimer& t) {
         t.SetEnabled(false);
         t.SetEnabled(true);
       },
       {1000, 2500, 3500}},
      {"an interval set while off takes effect when switched on",
       [](TTimer& t) {
         t.SetEnabled(false);
         t.SetInterval(700);
         t.SetEnabled(true);
       },
       {1000, 2200, 2900, 3600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TimerFixture f;
    f.timer->SetInterval(1000);
    f.timer->SetEnabled(true);
    f.runUntil(1500);
    c.at1500(*f.timer);
    EXPECT_EQ(f.runUntil(4000), c.expected);
  }
}

TEST(Timer, HandlerMayStopItsOwnTimer) {
  TimerFixture f;
  f.timer->OnTimer = [&](TObject*) {
    f.ticks.push_back(f.backend.Now());
    if (f.ticks.size() == 2) f.timer->SetEnabled(false);
  };
  f.timer->SetEnabled(true);
  EXPECT_EQ(f.runUntil(10000), (Ticks{1000, 2000}));
}

}  // namespace
}  // namespace forms
