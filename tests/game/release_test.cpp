// Each tick releases one balloon: the first one not enabled at or after a random start.

#include <algorithm>
#include <map>
#include <vector>

#include "game_fixture.h"

namespace gomblo::testing {
namespace {

using ReleaseTest = GameTest;

struct ScanCase {
  const char* what;
  std::vector<const char*> onScreenFirst;  // released one by one before the tick
  int start;
  const char* released;
  int left, top;
};

class Scan : public GameTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(Scan, ReleasesTheFirstHiddenBalloonFromTheStart) {
  const ScanCase& c = GetParam();
  f->via->Click();
  for (const char* name : c.onScreenFirst) ASSERT_EQ(releaseFrom(name).Name, name);
  const int before = balloonsOnScreen;
  starts.push_back(c.start);
  TImage* b = tickReleasing();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Name, c.released);
  EXPECT_EQ(b->Left(), c.left);
  EXPECT_EQ(b->Top(), c.top);
  EXPECT_TRUE(b->Visible());
  EXPECT_TRUE(b->Enabled());
  EXPECT_EQ(balloonsOnScreen, before + 1);
  EXPECT_EQ(visibleBalloons(), before + 1);
}

const ScanCase kScanCases[] = {
    {"AllHiddenStart5", {}, 5, "giallo2", 384, 72},
    {"RedOnScreenStart1", {"rosso1", "rosso2", "rosso3"}, 1, "giallo1", 288, 8},
    {"Start12WrapsToRosso2", {"blu3", "rosso1"}, 12, "rosso2", 240, 88},
    {"EnabledStartIsPassedOver", {"giallo3", "azzurro1"}, 6, "azzurro2", 488, 96},
};
INSTANTIATE_TEST_SUITE_P(Cases, Scan, ::testing::ValuesIn(kScanCases),
                         [](const auto& p) { return std::string(p.param.what); });

TEST_F(ReleaseTest, ABalloonComesBackAtHomeWhereverItWasDropped) {
  f->via->Click();
  TImage& b = releaseFrom("azzurro2");
  dragAndDrop(b, 500, 450);  // dropped beneath the side strip
  EXPECT_EQ(b.Left(), 500);
  EXPECT_EQ(&releaseFrom("azzurro2"), &b);
  EXPECT_TRUE(atHome(b));
}

TEST_F(ReleaseTest, Rosso1IsNeverSeenAtItsLayoutPlace) {
  TImage& r = balloon("rosso1");
  EXPECT_EQ(r.Left(), 48);  // the layout's place, hidden
  EXPECT_FALSE(r.Visible());
  f->via->Click();
  EXPECT_FALSE(r.Visible());
  EXPECT_EQ(&releaseFrom("rosso1"), &r);
  EXPECT_EQ(r.Left(), 56);
  EXPECT_EQ(r.Top(), 16);
}

// Chi-square with a critical value far beyond p = 1e-6, so that a sound generator never
// fails; a biased or stuck one fails by a wide margin at this many draws.
double chiSquare(const std::vector<int>& counts, const std::vector<double>& expected) {
  double x = 0;
  for (std::size_t i = 0; i < counts.size(); ++i) {
    const double d = counts[i] - expected[i];
    x += d * d / expected[i];
  }
  return x;
}

TEST(StartIndex, ClockReseededDrawsAreUniformOverOneToTwelve) {
  constexpr int kDraws = 24000;
  std::vector<int> counts(12);
  for (int i = 0; i < kDraws; ++i) {
    const int s = drawStartIndexFromClock();
    ASSERT_GE(s, 1);
    ASSERT_LE(s, 12);
    ++counts[static_cast<std::size_t>(s - 1)];
  }
  // 11 degrees of freedom: p = 1e-6 lies near 50.
  EXPECT_LT(chiSquare(counts, std::vector<double>(12, kDraws / 12.0)), 60.0);
}

// A hidden balloon after k enabled ones, counting back to the previous hidden one, is
// released with probability (k + 1) / 12.
TEST_F(ReleaseTest, HiddenBalloonsAreChosenByTheRunOfEnabledOnesBeforeThem) {
  f->drawStartIndex = drawStartIndexFromClock;
  f->via->Click();
  // Enabled: 1 2 3 5 8 9 10 11; hidden: giallo1 (4), giallo3 (6), azzurro1 (7), blu3 (12).
  const std::vector<int> enabled = {1, 2, 3, 5, 8, 9, 10, 11};
  const std::map<std::string, int> weight = {
      {"giallo1", 4}, {"giallo3", 2}, {"azzurro1", 1}, {"blu3", 5}};
  auto setPattern = [&] {
    for (std::size_t i = 0; i < 12; ++i) {
      const bool on =
          std::find(enabled.begin(), enabled.end(), static_cast<int>(i) + 1) != enabled.end();
      f->Balloons()[i]->SetEnabled(on);
      f->Balloons()[i]->SetVisible(on);
    }
    balloonsOnScreen = static_cast<int>(enabled.size());
  };
  constexpr int kDraws = 12000;
  std::map<std::string, int> seen;
  for (int i = 0; i < kDraws; ++i) {
    setPattern();
    TImage* b = tickReleasing();
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(weight.count(b->Name)) << b->Name << " was not hidden";
    ++seen[b->Name];
  }
  std::vector<int> counts;
  std::vector<double> expected;
  for (const auto& [name, w] : weight) {
    counts.push_back(seen[name]);
    expected.push_back(kDraws * w / 12.0);
  }
  // 3 degrees of freedom: p = 1e-6 lies near 30.
  EXPECT_LT(chiSquare(counts, expected), 40.0);
}

TEST_F(ReleaseTest, ATickThatFindsNoHiddenBalloonReleasesNoneAndGoesOn) {
  f->via->Click();
  for (int i = 0; i < 3; ++i) tick();
  // Force what the rules never allow: every balloon out, with a count of 11.
  for (TImage* b : f->Balloons()) {
    b->SetEnabled(true);
    b->SetVisible(true);
  }
  balloonsOnScreen = 11;
  for (int start = 1; start <= 12; ++start) {
    starts.push_back(start);
    EXPECT_EQ(tickReleasing(), nullptr);
  }
  EXPECT_EQ(balloonsOnScreen, 11);
  EXPECT_EQ(visibleBalloons(), 12);
  EXPECT_TRUE(backend.boxes.empty());
  expectState(*f, State::Running);
  // Dropping one lets the scan find it again.
  TImage& b = balloon("giallo3");
  down(TMouseButton::mbLeft, forms::ssLeft, b.Left() + 5, b.Top() + 5);
  letGo();
  EXPECT_EQ(balloonsOnScreen, 10);
  starts.push_back(1);
  EXPECT_EQ(tickReleasing(), &b);
}

}  // namespace
}  // namespace gomblo::testing
