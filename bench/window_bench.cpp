// What a drag costs on screen: moving a balloon and repainting the real window, and the
// picture lookup each repaint makes (a cache hit, never a fresh SVG rendering).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "art/pictures.h"
#include "forms/application.h"
#include "forms/qt/native.h"
#include "forms/qt/qt_backend.h"
#include "game/unit1.h"

namespace {

QApplication& qtApp() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

void BM_DragRepaint(benchmark::State& state) {
  qtApp();
  forms::qt::QtBackend backend;
  forms::TApplication app(backend);
  app.CreateForm(gomblo::Form1);
  gomblo::TForm1& f = *gomblo::Form1;
  f.Show();
  f.via->Click();
  f.drawStartIndex = [] { return 1; };
  f.TimerTimer(&f);
  QWidget* canvas = forms::qt::clientArea(f);
  while (!canvas->window()->windowHandle()->isExposed()) QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  // Hold rosso1 and move it back and forth; each move repaints what it uncovered and covers.
  f.DispatchMouse(forms::MouseAction::Down, forms::TMouseButton::mbLeft,
                  forms::TShiftState(forms::ssLeft), 70, 40);
  int step = 0;
  for (auto _ : state) {
    const int x = 70 + ((step++ % 2) ? 5 : -5);
    f.DispatchMouse(forms::MouseAction::Move, forms::TMouseButton::mbLeft,
                    forms::TShiftState(forms::ssLeft), x, 40);
    QCoreApplication::processEvents();
  }
  if (f.rosso1->Left() < 50 || f.rosso1->Left() > 62) state.SkipWithError("the balloon got lost");
}
BENCHMARK(BM_DragRepaint);

void BM_PictureCacheHit(benchmark::State& state) {
  qtApp();
  const QSize size(49, 65);
  art::picture("balloon.red", size);
  for (auto _ : state) benchmark::DoNotOptimize(art::picture("balloon.red", size).constBits());
}
BENCHMARK(BM_PictureCacheHit);

void BM_PictureFirstRendering(benchmark::State& state) {
  qtApp();
  int width = 20;
  for (auto _ : state) {
    // A size never asked for before: the SVG is rendered afresh.
    benchmark::DoNotOptimize(art::picture("balloon.red", QSize(width++, 65)).constBits());
  }
}
BENCHMARK(BM_PictureFirstRendering)->Iterations(200);

}  // namespace
