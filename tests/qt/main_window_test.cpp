// The main window as the player sees it, opened through Qt.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include "forms/qt/form_window.h"
#include "game/game_tables.h"
#include "qt_fixture.h"

namespace gomblo::testing {
namespace {

TEST(MainWindow, OpensCentredWithItsCaptionAndClientSize) {
  QtGame g;
  EXPECT_EQ(g.window->windowTitle(), QStringLiteral("Quilbora"));
  EXPECT_EQ(g.window->size(), QSize(648, 497));
  const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
  EXPECT_EQ(g.window->pos(), QPoint(std::max(0, (desktop.width() - 656) / 2),
                                    std::max(0, (desktop.height() - 524) / 2)));
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Gomblo"));
  EXPECT_TRUE(QApplication::applicationDisplayName() == QApplication::applicationName());
  EXPECT_FALSE(g.window->windowIcon().isNull());
}

TEST(MainWindow, WindowedControlsStandWhereTheLayoutPutsThem) {
  QtGame g;
  struct Expect {
    const forms::TWinControl* control;
    QRect inWindow;
  } const expected[] = {
      {Form1->Panel2, {552, 8, 89, 473}},        {Form1->via, {560, 448, 73, 25}},
      {Form1->ProgressBar, {560, 16, 23, 417}},  {Form1->Panel1, {600, 192, 33, 241}},
      {Form1->RadioButton7, {608, 200, 17, 17}}, {Form1->RadioButton1, {608, 400, 17, 17}},
      {Form1->StaticText1, {592, 24, 41, 161}},
  };
  for (const Expect& e : expected) {
    QWidget* w = g.widgetOf(*e.control);
    ASSERT_NE(w, nullptr) << e.control->Name;
    EXPECT_EQ(QRect(w->mapTo(g.canvas, QPoint(0, 0)), w->size()), e.inWindow) << e.control->Name;
    EXPECT_TRUE(w->isVisible()) << e.control->Name;
  }
  auto* via = qobject_cast<QAbstractButton*>(g.widgetOf(*Form1->via));
  EXPECT_EQ(via->text(), QStringLiteral("Via"));
  EXPECT_TRUE(via->hasFocus());
  EXPECT_TRUE(qobject_cast<QAbstractButton*>(g.widgetOf(*Form1->RadioButton1))->isChecked());
  EXPECT_EQ(qobject_cast<QLabel*>(g.widgetOf(*Form1->StaticText1))->text(),
            QStringLiteral("L\nI\nV\nE\nL\nL\nO"));
  // Nothing reaches past the client area at start: no scroll bar.
  auto* scroll = static_cast<forms::qt::FormWindow*>(g.window)->scrollArea();
  EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
}

TEST(MainWindow, GrabShowsTheGreenStripTheMaroonTextAndTheBaskets) {
  QtGame g;
  const QImage img = g.grab();
  // The strip's own green, between the bar and the level column, and not left of it.
  EXPECT_GT(countPixels(img, {586, 300, 10, 100}, qRgb(192, 220, 192)), 900);
  EXPECT_EQ(countPixels(img, {500, 300, 40, 60}, qRgb(192, 220, 192)), 0);
  // The instructions in maroon over the middle of the play area, the level caption too.
  EXPECT_GT(countPixels(img, {88, 104, 401, 177}, qRgb(128, 0, 0)), 1500);
  EXPECT_GT(countPixels(img, {592, 24, 41, 161}, qRgb(128, 0, 0)), 150);
  EXPECT_EQ(countPixels(img, {88, 300, 401, 60}, qRgb(128, 0, 0)), 0);
  // Its last words, below the box it was laid out in, are not cut off.
  EXPECT_GT(countPixels(img, {88, 281, 401, 19}, qRgb(128, 0, 0)), 30);
  // Each basket in its strong colour, in its own box.
  const QRgb strong[] = {qRgb(0x05, 0x9B, 0xCD), qRgb(0xD9, 0x05, 0x05), qRgb(0xFF, 0xCD, 0x05),
                         qRgb(0x05, 0x37, 0x9B)};
  for (std::size_t i = 0; i < kBaskets.size(); ++i) {
    const Basket& b = kBaskets[i];
    EXPECT_GT(countPixels(img, {b.left, b.top, b.width, b.height}, strong[i]), 500) << b.name;
  }
}

TEST(MainWindow, RealClickOnViaStartsARound) {
  QtGame g;
  QWidget* via = g.widgetOf(*Form1->via);
  QTest::mouseClick(via, Qt::LeftButton);
  EXPECT_FALSE(Form1->via->Enabled());
  EXPECT_FALSE(via->isEnabled());
  EXPECT_TRUE(Form1->Timer->Enabled());
  EXPECT_FALSE(Form1->Label1->Visible());
  // The instructions are gone from the screen too.
  QCoreApplication::processEvents();
  EXPECT_EQ(countPixels(g.grab(), {88, 104, 401, 200}, qRgb(128, 0, 0)), 0);
}

TEST(MainWindow, KeyboardTabsBetweenViaAndTheCheckedLevelAndArrowsChooseLevels) {
  QtGame g;
  QWidget* via = g.widgetOf(*Form1->via);
  QWidget* level1 = g.widgetOf(*Form1->RadioButton1);
  ASSERT_TRUE(QTest::qWaitForWindowActive(g.window));
  EXPECT_EQ(QApplication::focusWidget(), via);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), level1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_TRUE(Form1->RadioButton2->Checked());
  EXPECT_FALSE(Form1->RadioButton1->Checked());
  EXPECT_EQ(Form1->Timer->Interval(), 2500);
  EXPECT_EQ(scoreStep, 35);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), via);
  QTest::keyClick(via, Qt::Key_Space);
  EXPECT_FALSE(Form1->via->Enabled());
  EXPECT_TRUE(Form1->Timer->Enabled());
}

TEST(MainWindow, ARealClickOnAnotherLevelAppliesItAtOnce) {
  QtGame g;
  QTest::mouseClick(g.widgetOf(*Form1->RadioButton3), Qt::LeftButton);
  EXPECT_TRUE(Form1->RadioButton3->Checked());
  EXPECT_FALSE(Form1->RadioButton1->Checked());
  EXPECT_EQ(Form1->Timer->Interval(), 2200);
  EXPECT_EQ(scoreStep, 30);
  EXPECT_FALSE(qobject_cast<QAbstractButton*>(g.widgetOf(*Form1->RadioButton1))->isChecked());
}

TEST(MainWindow, ClosingTheWindowEndsTheProgram) {
  QtGame g;
  Form1->via->Click();
  QTimer::singleShot(0, [&] { g.window->close(); });
  QTimer::singleShot(2000, [] { QCoreApplication::exit(3); });  // safety net
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(g.app.Terminated());
}

}  // namespace
}  // namespace gomblo::testing
