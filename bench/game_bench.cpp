// What the game costs per event on the headless backend: one drag move from the window
// through the mouse routing into the balloon's handler, and one timer tick.

#include <benchmark/benchmark.h>

#include "forms/application.h"
#include "forms/headless/headless_backend.h"
#include "game/unit1.h"

namespace {

using forms::MouseAction;
using forms::TMouseButton;
using forms::TShiftState;

struct Game {
  Game() {
    app.Title = "Gomblo";
    app.CreateForm(gomblo::Form1);
    f = gomblo::Form1;
  }
  forms::headless::HeadlessBackend backend;
  forms::TApplication app{backend};
  gomblo::TForm1* f = nullptr;
};

void BM_DragMove(benchmark::State& state) {
  Game g;
  g.f->drawStartIndex = [] { return 8; };  // azzurro2, home 488, 96
  g.f->via->Click();
  g.backend.Advance(g.backend.NextTickIn());
  g.f->DispatchMouse(MouseAction::Down, TMouseButton::mbLeft, forms::ssLeft, 500, 110);
  int x = 500;
  for (auto _ : state) {
    // Back and forth over the play area, so that every move really moves the balloon.
    x = x == 500 ? 300 : 500;
    g.f->DispatchMouse(MouseAction::Move, TMouseButton::mbLeft, forms::ssLeft, x, 250);
  }
  benchmark::DoNotOptimize(g.f->azzurro2->Left());
  if (g.f->azzurro2->Left() != x - 12) state.SkipWithError("the balloon did not follow");
}
BENCHMARK(BM_DragMove);

// Ticks with the game's own clock-seeded draw; every twelfth one loses the round and
// starts the next, as an unattended game does.
void BM_TimerTick(benchmark::State& state) {
  Game g;
  g.f->via->Click();
  const int interval = g.f->Timer->Interval();
  for (auto _ : state) g.backend.Advance(interval);
  state.counters["lost"] = static_cast<double>(g.backend.boxes.size());
  if (g.f->Timer->Enabled() == false) state.SkipWithError("the timer stopped");
}
BENCHMARK(BM_TimerTick);

// The share of a tick that goes to reseeding the generator and drawing the start.
void BM_DrawStartIndex(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gomblo::drawStartIndexFromClock());
}
BENCHMARK(BM_DrawStartIndex);

}  // namespace
