// Starting rounds, changing level, and the two ways a round ends.

#include "game/unit2.h"
#include "game_fixture.h"

namespace gomblo::testing {
namespace {

constexpr const char* kLost = "Non hai superato questo livello: prova ancora!";
constexpr const char* kPassed =
    "Hai superato il livello in cui ti trovi, se vuoi puoi aumentare il livello di una "
    "posizione e riprovare";

using RoundTest = GameTest;

TEST_F(RoundTest, WaitingUntilViaThenTheInstructionsAreGoneForGood) {
  expectState(*f, State::Waiting);
  EXPECT_TRUE(f->Label1->Visible());
  EXPECT_EQ(visibleBalloons(), 0);
  EXPECT_EQ(bar(), 0);
  checkLevel(1);
  EXPECT_EQ(f->Timer->Interval(), 3000);
  EXPECT_EQ(scoreStep, 40);

  f->via->Click();
  expectState(*f, State::Running);
  EXPECT_FALSE(f->Label1->Visible());
  EXPECT_FALSE(f->Label1->Enabled());
  EXPECT_EQ(backend.NextTickIn(), 3000);  // the first balloon one interval later
  backend.Advance(2999);
  EXPECT_EQ(visibleBalloons(), 0);
  backend.Advance(1);
  EXPECT_EQ(visibleBalloons(), 1);

  // Through a lost round and a passed level, the instructions never come back.
  for (int i = 0; i < 11; ++i) tick();
  EXPECT_FALSE(f->Label1->Visible());
  fillBar();
  tick();
  expectState(*f, State::Over);
  f->via->Click();
  EXPECT_FALSE(f->Label1->Visible());
  EXPECT_FALSE(f->Label1->Enabled());
}

struct LevelRow {
  int level, interval, step;
};
constexpr LevelRow kLevelRows[] = {{1, 3000, 40}, {2, 2500, 35}, {3, 2200, 30}, {4, 2000, 25},
                                   {5, 1800, 25}, {6, 1500, 25}, {7, 1000, 25}};

TEST_F(RoundTest, LevelChangeMidRoundActsAtOnceWithoutRestartingTheRound) {
  // Start at level 4 so that level 1 is a change too.
  levelButton(4).Click();
  f->via->Click();
  tick();
  TImage& held = releaseFrom("giallo2");
  ASSERT_EQ(balloonsOnScreen, 2);
  for (const LevelRow& row : kLevelRows) {
    SCOPED_TRACE(::testing::Message() << "level " << row.level);
    backend.Advance(700);
    levelButton(row.level).Click();
    checkLevel(row.level);
    EXPECT_EQ(f->Timer->Interval(), row.interval);
    EXPECT_EQ(scoreStep, row.step);
    EXPECT_EQ(backend.NextTickIn(), row.interval);  // the wait starts afresh
    expectState(*f, State::Running);
  }
  // The round went on: the same balloons, and the next drop adds the new step.
  EXPECT_EQ(balloonsOnScreen, 2);
  EXPECT_TRUE(onScreen(held));
  dropInBasket(held);
  EXPECT_EQ(bar(), 25);
  backend.Advance(999);
  EXPECT_EQ(visibleBalloons(), 1);
  backend.Advance(1);
  EXPECT_EQ(visibleBalloons(), 2);
}

TEST_F(RoundTest, ClickingTheCheckedLevelLeavesTheTimerAlone) {
  f->via->Click();
  backend.Advance(1000);
  levelButton(1).Click();
  EXPECT_EQ(backend.NextTickIn(), 2000);
}

TEST_F(RoundTest, TwelfthBalloonLosesAndANewRoundStartsAtOnce) {
  levelButton(3).Click();
  f->via->Click();
  for (int i = 0; i < 11; ++i) tick();
  TImage& r = *f->Balloons()[0];
  dropInBasket(r);  // some score, so the reset shows
  tick();
  ASSERT_EQ(balloonsOnScreen, 11);
  ASSERT_EQ(bar(), 30);
  int seen = 0;
  backend.onMessageBox = [&](const auto& box) {
    ++seen;
    EXPECT_EQ(box.title, "Gomblo");
    EXPECT_EQ(box.text, kLost);
    EXPECT_FALSE(f->Timer->Enabled());
    EXPECT_FALSE(f->via->Enabled());
    EXPECT_EQ(visibleBalloons(), 12);  // what the player sees behind the box
    EXPECT_TRUE(f->InputBlocked());
  };
  tick();
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(backend.modalForms, 0);
  EXPECT_FALSE(f->InputBlocked());
  expectState(*f, State::Running);
  EXPECT_EQ(bar(), 0);
  EXPECT_EQ(balloonsOnScreen, 0);
  EXPECT_EQ(visibleBalloons(), 0);
  for (const TImage* b : f->Balloons()) EXPECT_TRUE(atHome(*b)) << b->Name;
  checkLevel(3);
  EXPECT_EQ(backend.NextTickIn(), 2200);
}

TEST_F(RoundTest, LossComesFirstEvenWithAFullBar) {
  f->via->Click();
  for (int i = 0; i < 11; ++i) tick();
  f->ProgressBar->SetPosition(1000);
  tick();
  ASSERT_EQ(backend.boxes.size(), 1u);
  EXPECT_EQ(backend.boxes[0].text, kLost);
  EXPECT_EQ(backend.modalForms, 0);
  expectState(*f, State::Running);
  EXPECT_EQ(bar(), 0);

  levelButton(7).Click();  // not even a winner dialog
  for (int i = 0; i < 11; ++i) tick();
  f->ProgressBar->SetPosition(1000);
  tick();
  ASSERT_EQ(backend.boxes.size(), 2u);
  EXPECT_EQ(backend.boxes[1].text, kLost);
  EXPECT_EQ(backend.modalForms, 0);
}

class PassLevel : public GameTest, public ::testing::WithParamInterface<LevelRow> {};

// The last correct drop only fills the bar; the level is passed at the next tick.
TEST_P(PassLevel, FullBarPassesAtTheNextTick) {
  const LevelRow row = GetParam();
  levelButton(row.level).Click();
  f->via->Click();
  const int needed = (1000 + row.step - 1) / row.step;
  for (int i = 1; i < needed; ++i) dropInBasket(releaseFrom("rosso1"));
  EXPECT_EQ(bar(), (needed - 1) * row.step);
  dropInBasket(releaseFrom("rosso1"));
  EXPECT_EQ(bar(), 1000);  // held at full, even when the sum goes beyond
  EXPECT_TRUE(backend.boxes.empty());
  expectState(*f, State::Running);

  bool shown = false;
  backend.onMessageBox = [&](const auto& box) {
    shown = true;
    EXPECT_EQ(box.title, "Gomblo");
    EXPECT_EQ(box.text, kPassed);
    EXPECT_FALSE(f->Timer->Enabled());
    EXPECT_EQ(bar(), 1000);           // emptied only once the box is closed
    EXPECT_EQ(visibleBalloons(), 1);  // the tick released one more first
  };
  backend.Advance(row.interval - 1);
  EXPECT_FALSE(shown);
  backend.Advance(1);
  EXPECT_TRUE(shown);
  EXPECT_EQ(backend.boxes.size(), 1u);
  EXPECT_EQ(backend.modalForms, 0);
  expectState(*f, State::Over);
  EXPECT_EQ(bar(), 0);
  checkLevel(row.level);
  EXPECT_EQ(f->Timer->Interval(), row.interval);
  EXPECT_EQ(scoreStep, row.step);
  // Nothing ticks any more.
  backend.Advance(10 * row.interval);
  EXPECT_EQ(visibleBalloons(), 1);
}

INSTANTIATE_TEST_SUITE_P(LevelsOneToSix, PassLevel, ::testing::ValuesIn(kLevelRows, kLevelRows + 6),
                         [](const auto& p) { return "Level" + std::to_string(p.param.level); });

TEST_F(RoundTest, DropsAfterAPassedLevelStillCountButNothingFollows) {
  f->via->Click();
  tick();
  tick();
  fillBar();
  tick();
  expectState(*f, State::Over);
  ASSERT_EQ(balloonsOnScreen, 3);
  TImage* left[3];
  int n = 0;
  for (TImage* b : f->Balloons())
    if (onScreen(*b)) left[n++] = b;
  dropInBasket(*left[0]);
  EXPECT_EQ(bar(), 40);
  dragAndDrop(*left[1], 300, 250);
  EXPECT_EQ(backend.beeps, 1);
  EXPECT_EQ(balloonsOnScreen, 1);
  backend.Advance(60000);
  EXPECT_EQ(backend.boxes.size(), 1u);
  expectState(*f, State::Over);

  // A new round puts every balloon home and hidden: the one on screen, the one dropped
  // away from home, and the others.
  f->via->Click();
  expectState(*f, State::Running);
  EXPECT_EQ(bar(), 0);
  EXPECT_EQ(balloonsOnScreen, 0);
  for (const TImage* b : f->Balloons()) {
    EXPECT_TRUE(atHome(*b)) << b->Name;
    EXPECT_FALSE(b->Visible()) << b->Name;
    EXPECT_FALSE(b->Enabled()) << b->Name;
  }
}

TEST_F(RoundTest, EveryWinAtLevelSevenOpensANewWinnerDialog) {
  levelButton(7).Click();
  std::vector<forms::TForm*> dialogs;
  backend.onModalForm = [&](forms::TForm& dialog) {
    dialogs.push_back(&dialog);
    auto* winner = dynamic_cast<TForm2*>(&dialog);
    ASSERT_NE(winner, nullptr);
    EXPECT_EQ(winner->Owner(), f);
    EXPECT_FALSE(f->Timer->Enabled());
    EXPECT_FALSE(f->via->Enabled());
    EXPECT_TRUE(f->InputBlocked());
    EXPECT_EQ(bar(), 1000);
    winner->BitBtn1->Click();
  };
  for (int win = 1; win <= 2; ++win) {
    SCOPED_TRACE(::testing::Message() << "win " << win);
    f->via->Click();
    EXPECT_EQ(bar(), 0);
    EXPECT_EQ(fillBar(), 40);
    EXPECT_EQ(backend.modalForms, win - 1);
    tick();
    EXPECT_EQ(backend.modalForms, win);
    EXPECT_TRUE(backend.boxes.empty());
    expectState(*f, State::Over);
    EXPECT_EQ(bar(), 1000);  // the bar stays full after a win
    EXPECT_FALSE(f->InputBlocked());
    backend.Advance(5000);
    EXPECT_EQ(backend.modalForms, win);
  }
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_NE(dialogs[0], dialogs[1]);
  // Each dialog stays with the main window until the program ends.
  int owned = 0;
  for (const forms::TComponent* c : f->Components())
    owned += dynamic_cast<const TForm2*>(c) != nullptr;
  EXPECT_EQ(owned, 2);
}

}  // namespace
}  // namespace gomblo::testing
