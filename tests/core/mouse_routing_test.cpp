// Which control a mouse event reaches, with what coordinates, under the capture rules.

#include <gtest/gtest.h>

#include "fixture.h"

namespace forms::testing {
namespace {

struct Event {
  MouseAction action;
  TMouseButton button;
  TShiftState shift;
  int x, y;
};

constexpr auto L = TMouseButton::mbLeft;
constexpr auto R = TMouseButton::mbRight;
constexpr auto M = TMouseButton::mbMiddle;
constexpr auto Down = MouseAction::Down;
constexpr auto Move = MouseAction::Move;
constexpr auto Up = MouseAction::Up;

struct RoutingCase {
  const char* name;
  std::vector<Event> events;
  std::vector<std::string> expected;
};

class Routing : public ::testing::TestWithParam<RoutingCase> {};

TEST_P(Routing, DeliversToTheExpectedControl) {
  CoreFixture f;
  for (const Event& e : GetParam().events)
    f.form->DispatchMouse(e.action, e.button, e.shift, e.x, e.y);
  EXPECT_EQ(f.form->log, GetParam().expected);
}

const RoutingCase kRoutingCases[] = {
    {"overlap goes to the one drawn on top", {{Down, L, ssLeft, 45, 45}}, {"upper down L [l] 5,5"}},
    {"its whole rectangle counts, corners included",
     {{Down, R, ssRight, 10, 10}, {Down, R, ssRight, 59, 59}},
     {"lower down R [r] 0,0", "upper down R [r] 19,19"}},
    {"hidden and disabled controls are passed over",
     {{Down, R, ssRight, 105, 15}, {Down, R, ssRight, 145, 15}},
     {}},
    {"a left press captures: every event goes to the holder, wherever the pointer",
     {{Down, L, ssLeft, 15, 15},
      {Move, L, ssLeft, 45, 45},
      {Move, L, ssLeft, -30, 500},
      {Move, L, ssLeft, 210, 60},
      {Down, R, ssLeft | ssRight, 45, 45},
      {Up, R, ssLeft, 45, 45},
      {Up, M, ssLeft, 300, 5},
      {Up, L, {}, 45, 45},
      {Move, {}, {}, 45, 45}},
     {"lower down L [l] 5,5", "lower move [l] 35,35", "lower move [l] -40,490",
      "lower move [l] 200,50", "lower down R [lr] 35,35", "lower up R [l] 35,35",
      "lower up M [l] 290,-5", "lower up L [] 35,35", "upper move [] 5,5"}},
    {"right and middle presses give no capture",
     {{Down, R, ssRight, 15, 15},
      {Move, L, ssRight, 45, 45},
      {Up, R, {}, 45, 45},
      {Down, M, ssMiddle, 15, 15},
      {Up, M, {}, 45, 45}},
     {"lower down R [r] 5,5", "upper move [r] 5,5", "upper up R [] 5,5", "lower down M [m] 5,5",
      "upper up M [] 5,5"}},
    {"a left press on the background captures for the window: no control reacts",
     {{Down, L, ssLeft, 300, 250},
      {Move, L, ssLeft, 15, 15},
      {Down, R, ssLeft | ssRight, 15, 15},
      {Up, L, {}, 15, 15},
      {Move, {}, {}, 15, 15}},
     {"lower move [] 5,5"}},
    {"a windowed control takes events over it, and its press, even above a windowless one",
     {{Down, L, ssLeft, 210, 60},
      {Move, L, ssLeft, 15, 15},
      {Up, L, {}, 210, 60},
      {Move, {}, {}, 15, 15}},
     {"lower move [] 5,5"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Routing, ::testing::ValuesIn(kRoutingCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Capture, HolderKeepsEventsAfterItIsHiddenAndDisabled) {
  CoreFixture f;
  f.form->DispatchMouse(Down, L, ssLeft, 15, 15);
  f.form->lower->Hide();
  f.form->lower->SetEnabled(false);
  f.form->DispatchMouse(Move, L, ssLeft, 20, 20);
  f.form->DispatchMouse(Up, L, {}, 20, 20);
  f.form->DispatchMouse(Down, R, ssRight, 20, 20);
  EXPECT_EQ(f.form->log, (std::vector<std::string>{"lower down L [l] 5,5", "lower move [l] 10,10",
                                                   "lower up L [] 10,10"}));
}

TEST(Capture, FreedHolderLosesTheCapture) {
  CoreFixture f;
  f.form->DispatchMouse(Down, L, ssLeft, 15, 15);
  delete f.form->lower;
  f.form->DispatchMouse(Move, L, ssLeft, 45, 45);
  EXPECT_FALSE(f.form->HasCapture());
  EXPECT_EQ(f.form->log.back(), "upper move [l] 5,5");
}

TEST(ModalBox, ReleasesTheHolderFirstThenBlocksTheWindow) {
  CoreFixture f;
  std::vector<std::string> seenWhenBoxShowed;
  f.backend.onMessageBox = [&](const headless::HeadlessBackend::Box&) {
    seenWhenBoxShowed = f.form->log;
    // While the box is up the window takes no input at all.
    f.form->DispatchMouse(Down, L, ssLeft, 45, 45);
    f.form->DispatchMouse(Up, L, {}, 45, 45);
  };
  f.form->DispatchMouse(Down, L, ssLeft, 15, 15);
  f.app.MessageBox("ciao");
  EXPECT_EQ(seenWhenBoxShowed,
            (std::vector<std::string>{"lower down L [l] 5,5", "lower up L [] -1,-1"}));
  EXPECT_EQ(f.form->log, seenWhenBoxShowed);
  ASSERT_EQ(f.backend.boxes.size(), 1u);
  EXPECT_EQ(f.backend.boxes[0].text, "ciao");
  // The capture ended with the box: the real release later goes by the pointer.
  f.form->DispatchMouse(Up, L, {}, 45, 45);
  EXPECT_EQ(f.form->log.back(), "upper up L [] 5,5");
}

TEST(ModalBox, WithoutCaptureNothingIsReleased) {
  CoreFixture f;
  f.form->DispatchMouse(Down, R, ssRight, 15, 15);
  f.app.MessageBox("ciao");
  EXPECT_EQ(f.form->log, (std::vector<std::string>{"lower down R [r] 5,5"}));
}

TEST(ModalForm, ReleasesTheHolderAndBlocksOtherWindowsUntilClosed) {
  CoreFixture f;
  auto* dialog = new TForm(f.form);
  auto* ok = new TButton(dialog);
  ok->ModalResult = mrOk;
  ok->SetParent(dialog);
  bool mainBlocked = false, dialogBlocked = true;
  f.backend.onModalForm = [&](TForm& shown) {
    EXPECT_EQ(&shown, dialog);
    mainBlocked = f.form->InputBlocked();
    dialogBlocked = dialog->InputBlocked();
    ok->Click();
  };
  f.form->DispatchMouse(Down, L, ssLeft, 45, 45);
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_TRUE(mainBlocked);
  EXPECT_FALSE(dialogBlocked);
  EXPECT_FALSE(f.form->InputBlocked());
  EXPECT_EQ(f.form->log.back(), "upper up L [] -1,-1");
}

TEST(ModalForm, CloseBoxEndsWithCancelAndEnterPressesTheDefaultButton) {
  CoreFixture f;
  auto* dialog = new TForm(f.form);
  auto* ok = new TButton(dialog);
  ok->ModalResult = mrOk;
  ok->SetParent(dialog);
  f.backend.onModalForm = [](TForm& shown) { shown.CloseRequested(); };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  f.backend.onModalForm = [](TForm& shown) { shown.DialogKeyPressed(DialogKey::Escape); };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);  // no cancel button: Esc did nothing, left open
  ok->Default = true;
  f.backend.onModalForm = [](TForm& shown) { shown.DialogKeyPressed(DialogKey::Enter); };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(f.backend.modalForms, 3);
}

}  // namespace
}  // namespace forms::testing
