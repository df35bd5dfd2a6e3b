// Dragging a balloon with Qt's own mouse events on the real window.

#include <gtest/gtest.h>

#include <QScrollArea>
#include <QScrollBar>

#include "forms/qt/form_window.h"
#include "qt_fixture.h"

namespace gomblo::testing {
namespace {

struct Dragging : ::testing::Test {
  QtGame g;
  void SetUp() override {
    Form1->via->Click();
    g.releaseBalloon(1);  // rosso1, home (56, 16)
    ASSERT_TRUE(Form1->rosso1->Visible());
  }
};

TEST_F(Dragging, IntoItsBasketRaisesTheBarAndTheBalloonIsGone) {
  g.press({76, 36});
  g.moveTo({120, 200});
  g.moveTo({200, 390});
  EXPECT_EQ(Form1->rosso1->Left(), 180);
  EXPECT_EQ(Form1->rosso1->Top(), 370);
  g.release({200, 390});
  EXPECT_EQ(Form1->ProgressBar->Position(), 40);
  EXPECT_FALSE(Form1->rosso1->Visible());
  EXPECT_EQ(balloonsOnScreen, 0);
}

TEST_F(Dragging, ModifierKeysFreezeTheBalloonUntilLetGo) {
  g.press({76, 36});
  g.moveTo({200, 390}, Qt::ShiftModifier);
  g.moveTo({210, 395}, Qt::ControlModifier);
  EXPECT_EQ(Form1->rosso1->Left(), 56);
  EXPECT_EQ(Form1->rosso1->Top(), 16);
  g.moveTo({200, 390});
  EXPECT_EQ(Form1->rosso1->Left(), 180);
  g.release({200, 390});
  EXPECT_EQ(Form1->ProgressBar->Position(), 40);
}

TEST_F(Dragging, OutsideTheWindowKeepsFollowingAndBringsUpScrollBars) {
  g.press({76, 36});
  g.moveTo({700, 36});  // past the right edge, beneath the strip and beyond
  EXPECT_EQ(Form1->rosso1->Left(), 680);
  QCoreApplication::processEvents();
  auto* scroll = static_cast<forms::qt::FormWindow*>(g.window)->scrollArea();
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
  g.release({700, 36});
  EXPECT_FALSE(Form1->rosso1->Visible());
  QCoreApplication::processEvents();
  EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
}

TEST_F(Dragging, RightClickDuringADragDropsItThereAndTheLeftReleaseIsHarmless) {
  g.press({76, 36});
  g.moveTo({200, 390});
  g.mouse(QTest::MousePress, Qt::RightButton, {200, 390});
  g.mouse(QTest::MouseRelease, Qt::RightButton, {200, 390});
  EXPECT_FALSE(Form1->rosso1->Visible());
  EXPECT_EQ(Form1->ProgressBar->Position(), 40);
  g.release({250, 390});
  EXPECT_EQ(Form1->ProgressBar->Position(), 40);
  EXPECT_EQ(balloonsOnScreen, 0);
}

}  // namespace
}  // namespace gomblo::testing
