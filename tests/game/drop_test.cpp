// Where a dropped balloon counts: its point 50 right of and below its corner, strictly
// inside the basket of its own colour. Every drop here is a real drag through the window.

#include "game_fixture.h"

namespace gomblo::testing {
namespace {

struct Window {
  Colour colour;
  // The corner's Left just outside and just inside each side of the basket.
  int leftMiss, leftHitFirst, leftHitLast, leftMissAfter;
};

// Worked out by hand from the baskets' places, not from the game's tables.
constexpr Window kWindows[] = {
    {Colour::Red, 110, 111, 206, 207},
    {Colour::Yellow, 246, 247, 342, 343},
    {Colour::LightBlue, -26, -25, 70, 71},
    {Colour::Blue, 382, 383, 478, 479},
};
constexpr int kTopMiss = 326, kTopHitFirst = 327, kTopHitLast = 414, kTopMissAfter = 415;

class DropWindow : public GameTest, public ::testing::WithParamInterface<int> {
 protected:
  TImage& theBalloon() { return *f->Balloons()[static_cast<std::size_t>(GetParam())]; }
  const Window& window() {
    const Colour c = kBalloons[static_cast<std::size_t>(GetParam())].colour;
    for (const Window& w : kWindows)
      if (w.colour == c) return w;
    return kWindows[0];
  }

  // Releases the balloon, drags it to (left, top) and lets go; checks the outcome.
  void dropAt(int left, int top, bool hit) {
    SCOPED_TRACE(::testing::Message() << "Left " << left << " Top " << top);
    TImage& b = releaseFrom(theBalloon().Name);
    ASSERT_EQ(&b, &theBalloon());
    ASSERT_TRUE(onScreen(b));
    ASSERT_TRUE(atHome(b));
    const int barBefore = bar(), beepsBefore = backend.beeps;
    dragAndDrop(b, left, top);
    EXPECT_EQ(b.Left(), left);  // dropped where it was let go
    EXPECT_EQ(b.Top(), top);
    EXPECT_FALSE(b.Visible());
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(balloonsOnScreen, 0);
    EXPECT_EQ(bar(), barBefore + (hit ? 40 : 0));
    EXPECT_EQ(backend.beeps, beepsBefore + (hit ? 0 : 1));
  }
};

TEST_P(DropWindow, StrictEdgesOnBothAxes) {
  f->via->Click();
  const Window& w = window();
  const int top = 400;
  dropAt(w.leftMiss, top, false);
  dropAt(w.leftHitFirst, top, true);
  dropAt(w.leftHitLast, top, true);
  dropAt(w.leftMissAfter, top, false);
  const int left = w.leftHitFirst + 20;
  dropAt(left, kTopMiss, false);
  dropAt(left, kTopHitFirst, true);
  dropAt(left, kTopHitLast, true);
  dropAt(left, kTopMissAfter, false);
  // Corners: both axes must fit.
  dropAt(w.leftMiss, kTopHitFirst, false);
  dropAt(w.leftHitLast, kTopMissAfter, false);
}

TEST_P(DropWindow, OtherBasketsAndBackgroundMiss) {
  f->via->Click();
  const Colour own = kBalloons[static_cast<std::size_t>(GetParam())].colour;
  for (const Window& other : kWindows) {
    if (other.colour == own) continue;
    dropAt((other.leftHitFirst + other.leftHitLast) / 2, 370, false);
  }
  dropAt(window().leftHitFirst, 250, false);  // above its own basket
  dropAt(window().leftHitFirst, 470, false);  // below it
}

INSTANTIATE_TEST_SUITE_P(EveryBalloon, DropWindow, ::testing::Range(0, 12),
                         [](const ::testing::TestParamInfo<int>& p) {
                           return std::string(kBalloons[static_cast<std::size_t>(p.param)].name);
                         });

}  // namespace
}  // namespace gomblo::testing
