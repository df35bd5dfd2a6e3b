#pragma once
// The game's main window opened for real, and Qt's own input sent to it.

#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "forms/application.h"
#include "forms/qt/native.h"
#include "forms/qt/qt_backend.h"
#include "game/unit1.h"

namespace gomblo::testing {

extern forms::qt::QtBackend* qtBackend;

// How many pixels of `area` have exactly `colour`.
inline int countPixels(const QImage& img, QRect area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
  return n;
}

struct QtGame {
  forms::TApplication app{*qtBackend};
  QWidget* window = nullptr;
  QWidget* canvas = nullptr;

  QtGame() {
    app.Title = "Gomblo";
    app.CreateForm(Form1);
    Form1->Show();
    window = forms::qt::nativeWidget(*Form1);
    canvas = forms::qt::clientArea(*Form1);
    (void)QTest::qWaitForWindowExposed(window);
  }
  ~QtGame() { qtBackend->onMessageBoxShown = nullptr; }

  // Mouse input as the window system delivers it, at client coordinates.
  void mouse(QTest::MouseAction action, Qt::MouseButton button, QPoint at,
             Qt::KeyboardModifiers keys = {}) {
    QTest::mouseEvent(action, window->windowHandle(), button, keys, canvas->mapTo(window, at));
  }
  void press(QPoint at, Qt::KeyboardModifiers keys = {}) {
    mouse(QTest::MousePress, Qt::LeftButton, at, keys);
  }
  void moveTo(QPoint at, Qt::KeyboardModifiers keys = {}) {
    mouse(QTest::MouseMove, Qt::NoButton, at, keys);
  }
  void release(QPoint at, Qt::KeyboardModifiers keys = {}) {
    mouse(QTest::MouseRelease, Qt::LeftButton, at, keys);
  }
  QImage grab() { return window->grab().toImage(); }
  QWidget* widgetOf(const forms::TWinControl& c) { return forms::qt::nativeWidget(c); }
  // Puts one balloon on screen at home by the game's own tick.
  void releaseBalloon(int releaseIndex) {
    Form1->drawStartIndex = [releaseIndex] { return releaseIndex; };
    Form1->TimerTimer(Form1);
    QCoreApplication::processEvents();
  }
};

}  // namespace gomblo::testing
