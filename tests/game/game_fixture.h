#pragma once
// A game window on the headless backend, driven the way a player drives it: mouse
// events in client coordinates, clicks on the controls, and the virtual clock.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <deque>
#include <string_view>

#include "forms/application.h"
#include "forms/headless/headless_backend.h"
#include "game/game_tables.h"
#include "game/unit1.h"

namespace gomblo::testing {

using forms::MouseAction;
using forms::TMouseButton;
using forms::TShiftState;

// The box of the basket of `colour`, in client coordinates.
inline forms::TRect basketBox(Colour colour) {
  const Basket& b = basketFor(colour);
  return {b.left, b.top, b.left + b.width, b.top + b.height};
}

class GameTest : public ::testing::Test {
 protected:
  GameTest() {
    app.Title = "Gomblo";
    app.CreateForm(gomblo::Form1);
    f = gomblo::Form1;
    // Ticks take their scan start from `starts`; an empty script starts at rosso1.
    f->drawStartIndex = [this] {
      if (starts.empty()) return 1;
      const int s = starts.front();
      starts.pop_front();
      return s;
    };
  }

  TImage& balloon(std::string_view name) const {
    auto* b = dynamic_cast<TImage*>(f->FindComponent(name));
    if (!b) {
      ADD_FAILURE() << "no balloon " << name;
      std::abort();
    }
    return *b;
  }
  static int indexOf(std::string_view name) {
    for (std::size_t i = 0; i < kBalloons.size(); ++i)
      if (kBalloons[i].name == name) return static_cast<int>(i) + 1;
    ADD_FAILURE() << "no balloon " << name;
    return 1;
  }
  static bool onScreen(const TImage& b) { return b.Enabled() && b.Visible(); }
  int visibleBalloons() const {
    int n = 0;
    for (const TImage* b : f->Balloons()) n += onScreen(*b);
    return n;
  }
  bool atHome(const TImage& b) const {
    const BalloonHome& h = kBalloons[static_cast<std::size_t>(indexOf(b.Name) - 1)];
    return b.Left() == h.left && b.Top() == h.top;
  }
  int bar() const { return f->ProgressBar->Position(); }

  // Moves the clock to the next tick, whatever the interval.
  void tick() {
    const auto wait = backend.NextTickIn();
    ASSERT_GE(wait, 0) << "the timer is not running";
    backend.Advance(wait);
  }
  // One tick; returns the balloon it released, or nullptr when it released none or
  // the round ended and hid everything.
  TImage* tickReleasing() {
    std::array<bool, 12> before{};
    for (std::size_t i = 0; i < 12; ++i) before[i] = onScreen(*f->Balloons()[i]);
    tick();
    for (std::size_t i = 0; i < 12; ++i)
      if (!before[i] && onScreen(*f->Balloons()[i])) return f->Balloons()[i];
    return nullptr;
  }
  // One tick whose scan starts at the balloon `name`; returns the one it released.
  TImage& releaseFrom(std::string_view name) {
    starts.push_back(indexOf(name));
    TImage* b = tickReleasing();
    EXPECT_NE(b, nullptr) << "the tick released nothing";
    return b ? *b : balloon(name);
  }

  void down(TMouseButton b, TShiftState s, int x, int y) {
    f->DispatchMouse(MouseAction::Down, b, s, x, y);
  }
  void move(TShiftState s, int x, int y) {
    f->DispatchMouse(MouseAction::Move, TMouseButton::mbLeft, s, x, y);
  }
  void up(TMouseButton b, TShiftState s, int x, int y) {
    f->DispatchMouse(MouseAction::Up, b, s, x, y);
  }

  // Presses the left button 5 pixels inside the balloon's corner and drags it until its
  // corner is at (left, top), without letting go.
  void grabAndDrag(const TImage& b, int left, int top) {
    down(TMouseButton::mbLeft, forms::ssLeft, b.Left() + 5, b.Top() + 5);
    move(forms::ssLeft, left + 5, top + 5);
  }
  void letGo(int x = 0, int y = 0) { up(TMouseButton::mbLeft, TShiftState{}, x, y); }
  void dragAndDrop(const TImage& b, int left, int top) {
    grabAndDrag(b, left, top);
    letGo(left + 5, top + 5);
  }
  // A drop whose point lands in the middle of the balloon's own basket.
  void dropInBasket(const TImage& b) {
    const forms::TRect r =
        basketBox(kBalloons[static_cast<std::size_t>(indexOf(b.Name) - 1)].colour);
    dragAndDrop(b, (r.left + r.right) / 2 - kDropOffset, (r.top + r.bottom) / 2 - kDropOffset);
  }
  // Scores correct drops of rosso1 until the bar is full; returns how many it took.
  int fillBar() {
    int drops = 0;
    while (bar() < kScoreMax && drops < 100) {
      dropInBasket(releaseFrom("rosso1"));
      ++drops;
    }
    return drops;
  }

  void checkLevel(int level) {
    int checked = 0;
    for (int n = 1; n <= 7; ++n) {
      auto* rb =
          dynamic_cast<forms::TRadioButton*>(f->FindComponent("RadioButton" + std::to_string(n)));
      checked += rb->Checked();
      if (n == level) {
        EXPECT_TRUE(rb->Checked()) << "level " << level;
      }
    }
    EXPECT_EQ(checked, 1);
  }
  forms::TRadioButton& levelButton(int level) const {
    return *dynamic_cast<forms::TRadioButton*>(
        f->FindComponent("RadioButton" + std::to_string(level)));
  }

  forms::headless::HeadlessBackend backend;
  forms::TApplication app{backend};
  TForm1* f = nullptr;
  std::deque<int> starts;
};

// The three states of the game as the button and the timer show them.
enum class State { Waiting, Running, Over };

inline void expectState(const TForm1& f, State s) {
  const bool idle = s != State::Running;
  EXPECT_EQ(f.via->Enabled(), idle);
  EXPECT_EQ(f.Timer->Enabled(), !idle);
}

}  // namespace gomblo::testing
