// Pressing, dragging and letting go of balloons, through the window's mouse routing.

#include "game/unit2.h"
#include "game_fixture.h"

namespace gomblo::testing {
namespace {

using forms::ssAlt;
using forms::ssCtrl;
using forms::ssLeft;
using forms::ssMiddle;
using forms::ssRight;
using forms::ssShift;

class DragTest : public GameTest {
 protected:
  DragTest() { f->via->Click(); }
  // Everything a drop can change, to show that something changed nothing.
  struct Snapshot {
    int count, bar, beeps;
    std::vector<forms::TRect> places;
    std::vector<bool> shown;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot snapshot() const {
    Snapshot s{balloonsOnScreen, bar(), backend.beeps, {}, {}};
    for (const TImage* b : f->Balloons()) {
      s.places.push_back(b->BoundsRect());
      s.shown.push_back(onScreen(*b));
    }
    return s;
  }
};

TEST_F(DragTest, PlainClickDropsAtHomeWithABeep) {
  TImage& b = releaseFrom("rosso3");
  tick();
  ASSERT_EQ(balloonsOnScreen, 2);
  down(TMouseButton::mbLeft, ssLeft, 420, 200);
  up(TMouseButton::mbLeft, TShiftState{}, 420, 200);
  EXPECT_FALSE(b.Visible());
  EXPECT_FALSE(b.Enabled());
  EXPECT_TRUE(atHome(b));
  EXPECT_EQ(balloonsOnScreen, 1);
  EXPECT_EQ(backend.beeps, 1);
  EXPECT_EQ(bar(), 0);
}

// Only the left button drags; any button's release drops the balloon where it is.
TEST_F(DragTest, RightAndMiddleButtonsNeverMoveButDrop) {
  for (TMouseButton button : {TMouseButton::mbRight, TMouseButton::mbMiddle}) {
    const TShiftState held = button == TMouseButton::mbRight ? ssRight : ssMiddle;
    TImage& b = releaseFrom("blu1");
    down(button, held, 440, 20);
    move(held, 300, 400);
    EXPECT_TRUE(atHome(b));
    // No capture: the release is routed by place, so it must come over the balloon.
    up(button, TShiftState{}, 440, 20);
    EXPECT_FALSE(onScreen(b));
    EXPECT_TRUE(atHome(b));
  }
  EXPECT_EQ(balloonsOnScreen, 0);
  EXPECT_EQ(backend.beeps, 2);
}

TEST_F(DragTest, CorrectDropScoresTheLevelsStep) {
  dropInBasket(releaseFrom("giallo1"));
  EXPECT_EQ(bar(), 40);
  levelButton(7).Click();
  dropInBasket(releaseFrom("azzurro3"));
  EXPECT_EQ(bar(), 65);
  EXPECT_EQ(backend.beeps, 0);
  EXPECT_EQ(balloonsOnScreen, 0);
}

TEST_F(DragTest, TheGrabPointStaysUnderThePointer) {
  TImage& b = releaseFrom("azzurro1");  // home 168, 32
  down(TMouseButton::mbLeft, ssLeft, 180, 40);
  move(ssLeft, 190, 70);
  EXPECT_EQ(b.Left(), 178);
  EXPECT_EQ(b.Top(), 62);
  // Under the side strip, beyond the window and back: it follows all the way.
  move(ssLeft, 600, 100);
  EXPECT_EQ(b.Left(), 588);
  move(ssLeft, -100, 700);
  EXPECT_EQ(b.Left(), -112);
  EXPECT_EQ(b.Top(), 692);
  move(ssLeft, 60, 430);
  letGo(60, 430);
  EXPECT_EQ(b.Left(), 48);  // drop point 98, 472: below the light-blue basket
  EXPECT_EQ(backend.beeps, 1);
}

TEST_F(DragTest, ModifierOrSecondButtonFreezesTheBalloon) {
  const TShiftState frozen[] = {ssLeft | ssShift, ssLeft | ssCtrl,   ssLeft | ssAlt,
                                ssLeft | ssRight, ssLeft | ssMiddle, TShiftState{}};
  TImage& b = releaseFrom("rosso2");  // home 240, 88
  down(TMouseButton::mbLeft, ssLeft, 250, 100);
  for (TShiftState s : frozen) {
    SCOPED_TRACE(s.bits());
    move(s, 200, 300);
    EXPECT_TRUE(atHome(b));
  }
  // Letting the key go: the balloon jumps back under the pointer and follows.
  move(ssLeft, 200, 300);
  EXPECT_EQ(b.Left(), 190);
  EXPECT_EQ(b.Top(), 288);
  EXPECT_TRUE(onScreen(b));
}

TEST_F(DragTest, RightClickDuringALeftDragDropsThereAndTheLeftReleaseDoesNothing) {
  TImage& b = releaseFrom("rosso1");
  tick();
  grabAndDrag(b, 180, 350);  // drop point 230, 400: in the red basket
  down(TMouseButton::mbRight, ssLeft | ssRight, 185, 355);
  EXPECT_TRUE(onScreen(b));
  up(TMouseButton::mbRight, ssLeft, 185, 355);
  EXPECT_FALSE(onScreen(b));
  EXPECT_EQ(bar(), 40);
  EXPECT_EQ(balloonsOnScreen, 1);
  const Snapshot after = snapshot();
  // The rest of the press still belongs to the dropped balloon: it no longer moves or
  // counts, and the balloon beneath the pointer is left alone.
  TImage& other = balloon("rosso2");
  move(ssLeft, other.Left() + 5, other.Top() + 5);
  letGo(other.Left() + 5, other.Top() + 5);
  EXPECT_EQ(snapshot(), after);
  EXPECT_FALSE(f->HasCapture());
}

TEST_F(DragTest, ANewRoundFromTheKeyboardWhileHoldingOneLeavesTheReleaseWithNothingToDo) {
  // After a passed level `via` is enabled while balloons are still on screen.
  tick();
  fillBar();
  tick();
  ASSERT_TRUE(f->via->Enabled());
  TImage& b = balloon("rosso1");
  ASSERT_TRUE(onScreen(b));
  grabAndDrag(b, 180, 350);
  f->via->Click();  // Space or Enter on the focused button
  EXPECT_TRUE(atHome(b));
  const Snapshot fresh = snapshot();
  EXPECT_EQ(fresh.count, 0);
  move(ssLeft, 200, 360);
  letGo(200, 360);
  EXPECT_EQ(snapshot(), fresh);
}

// A box or dialog opening drops the held balloon first, with all its effects, so the
// player sees the result behind the box.
struct EndCase {
  const char* what;
  int level;
  bool onBasket;
};
class HeldWhenTheRoundEnds : public DragTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(HeldWhenTheRoundEnds, IsDroppedBeforeTheBoxShows) {
  const EndCase& c = GetParam();
  levelButton(c.level).Click();
  const bool lose = std::string(c.what) == "Lost";
  tick();  // rosso1, to be held when the round ends
  if (lose) {
    for (int i = 0; i < 10; ++i) tick();
  } else {
    fillBar();
  }
  TImage& b = balloon("rosso1");
  ASSERT_TRUE(onScreen(b));
  // The ending tick releases one more and the box drops the held one.
  const int count = balloonsOnScreen, barBefore = bar(), beeps = backend.beeps;
  if (c.onBasket)
    grabAndDrag(b, 180, 350);
  else
    grabAndDrag(b, 300, 250);
  int shown = 0;
  auto whileUp = [&] {
    ++shown;
    EXPECT_FALSE(onScreen(b));
    EXPECT_FALSE(f->HasCapture());
    EXPECT_EQ(balloonsOnScreen, count);
    EXPECT_EQ(backend.beeps, beeps + (c.onBasket ? 0 : 1));
    if (!lose) return;  // a full bar shows no step
    EXPECT_EQ(bar(), barBefore + (c.onBasket ? scoreStep : 0));
  };
  backend.onMessageBox = [&](const auto&) { whileUp(); };
  backend.onModalForm = [&](forms::TForm&) { whileUp(); };
  tick();
  EXPECT_EQ(shown, 1);
  // The left button comes up after the box: nothing more happens.
  const Snapshot after = snapshot();
  letGo(200, 360);
  EXPECT_EQ(snapshot(), after);
}

const EndCase kEndCases[] = {
    {"Lost", 1, true}, {"Lost", 4, false}, {"Passed", 2, false}, {"Won", 7, true}};
INSTANTIATE_TEST_SUITE_P(Ends, HeldWhenTheRoundEnds, ::testing::ValuesIn(kEndCases),
                         [](const auto& p) {
                           return std::string(p.param.what) + "AtLevel" +
                                  std::to_string(p.param.level);
                         });

TEST_F(DragTest, PressWhereBalloonsOverlapGoesToTheOneDrawnOnTop) {
  // Every balloon on screen in one spot: each click drops the topmost still there.
  for (TImage* b : f->Balloons()) {
    b->SetLeft(200);
    b->SetTop(220);
    b->SetEnabled(true);
    b->SetVisible(true);
  }
  balloonsOnScreen = 12;
  const char* fromTop[] = {"azzurro2", "blu1",     "giallo2",  "rosso3",  "blu3", "giallo1",
                           "rosso2",   "azzurro3", "azzurro1", "giallo3", "blu2", "rosso1"};
  for (const char* name : fromTop) {
    down(TMouseButton::mbLeft, ssLeft, 220, 240);
    letGo(220, 240);
    EXPECT_FALSE(onScreen(balloon(name))) << name;
    EXPECT_EQ(visibleBalloons(), balloonsOnScreen);
  }
  EXPECT_EQ(balloonsOnScreen, 0);
}

TEST_F(DragTest, ALeftPressOffEveryBalloonKeepsTheRestOfThePressFromThem) {
  TImage& b = releaseFrom("giallo3");  // home 128, 136
  tick();
  const Snapshot before = snapshot();
  const struct {
    const char* what;
    int x, y;
  } presses[] = {{"background", 300, 300},
                 {"basket", 200, 420},
                 {"outside", -20, 600},
                 {"side strip", 600, 100},
                 {"level column", 605, 300}};
  for (const auto& s : presses) {
    SCOPED_TRACE(s.what);
    down(TMouseButton::mbLeft, ssLeft, s.x, s.y);
    move(ssLeft, 140, 150);
    down(TMouseButton::mbRight, ssLeft | ssRight, 140, 150);
    up(TMouseButton::mbRight, ssLeft, 140, 150);
    move(ssLeft, 145, 155);
    letGo(145, 155);
    EXPECT_EQ(snapshot(), before);
  }
  // The window's capture is over: the next press reaches the balloon again.
  down(TMouseButton::mbLeft, ssLeft, 140, 150);
  letGo(140, 150);
  EXPECT_FALSE(onScreen(b));
}

TEST_F(DragTest, HiddenBalloonsTakeNoPressAndTheStripTakesItsOwn) {
  TImage& b = releaseFrom("azzurro2");  // home 488, 96
  const Snapshot before = snapshot();
  // On the places of hidden balloons.
  down(TMouseButton::mbLeft, ssLeft, 60, 30);
  letGo(60, 30);
  down(TMouseButton::mbRight, ssRight, 250, 100);
  up(TMouseButton::mbRight, TShiftState{}, 250, 100);
  EXPECT_EQ(snapshot(), before);
  // Over a balloon pushed beneath the strip, as a drag can leave it.
  b.SetLeft(560);
  const Snapshot beneath = snapshot();
  for (TMouseButton button : {TMouseButton::mbLeft, TMouseButton::mbRight}) {
    down(button, forms::shiftFlagOf(button), 570, 110);
    up(button, TShiftState{}, 570, 110);
  }
  EXPECT_EQ(snapshot(), beneath);
}

}  // namespace
}  // namespace gomblo::testing
