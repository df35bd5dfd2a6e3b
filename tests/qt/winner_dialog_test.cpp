// The winner dialog: opened at a level-7 pass, and how it can be closed.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "game/unit2.h"
#include "qt_fixture.h"

namespace gomblo::testing {
namespace {

QWidget* upDialog() { return QApplication::activeModalWidget(); }

// Runs `answer` on the dialog once it is up; fails the test if it never closes.
void whileUp(std::function<void(QWidget&)> answer) {
  QTimer::singleShot(0, [answer] {
    QWidget* dialog = upDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    answer(*dialog);
  });
  QTimer::singleShot(3000, [] {
    if (QWidget* d = upDialog()) {
      ADD_FAILURE() << "the dialog stayed up";
      d->close();
    }
  });
}

TEST(WinnerDialog, OpensAtALevelSevenPassWithItsCaptionTextsAndPlaces) {
  QtGame g;
  Form1->RadioButton7->Click();
  Form1->via->Click();
  Form1->ProgressBar->SetPosition(1000);
  bool checked = false;
  whileUp([&](QWidget& dialog) {
    checked = true;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vincitore"));
    EXPECT_EQ(dialog.size(), QSize(387, 328));
    const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
    EXPECT_EQ(dialog.pos(), QPoint((desktop.width() - 395) / 2, (desktop.height() - 355) / 2));
    EXPECT_FALSE(dialog.windowIcon().isNull());
    auto* ok = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_FALSE(ok->icon().isNull());
    EXPECT_EQ(QRect(ok->mapTo(&dialog, QPoint()), ok->size()), QRect(160, 272, 75, 25));
    const QImage img = dialog.grab().toImage();
    // The title in pure red at the top, the trophy's lid and plinth colours in its box.
    EXPECT_GT(countPixels(img, {64, 8, 265, 37}, qRgb(255, 0, 0)), 800);
    EXPECT_GT(countPixels(img, {120, 56, 169, 209}, qRgb(0xFF, 0xD9, 0x3D)), 200);
    EXPECT_GT(countPixels(img, {120, 56, 169, 209}, qRgb(0x91, 0x00, 0x91)), 200);
    EXPECT_EQ(countPixels(img, {0, 50, 110, 200}, qRgb(0xFF, 0x9E, 0x3D)), 0);
    // The main window takes no input meanwhile.
    g.press({76, 36});
    g.release({76, 36});
    QTest::keyClick(ok, Qt::Key_Return);
  });
  Form1->drawStartIndex = [] { return 1; };  // rosso1, under the blocked press
  Form1->TimerTimer(Form1);
  EXPECT_TRUE(checked);
  EXPECT_TRUE(Form1->rosso1->Visible());
  EXPECT_EQ(upDialog(), nullptr);
  EXPECT_EQ(Form1->ProgressBar->Position(), 1000);
  EXPECT_TRUE(Form1->via->Enabled());
  EXPECT_FALSE(Form1->Timer->Enabled());
  EXPECT_EQ(balloonsOnScreen, 1);  // the tick's own balloon, untouched by the blocked press
}

TEST(WinnerDialog, OkEnterSpaceAndTheCloseBoxCloseItEscDoesNot) {
  QtGame g;
  struct Case {
    const char* how;
    std::function<void(QWidget&)> answer;
    forms::TModalResult result;
  } const cases[] = {
      {"click", [](QWidget&) { QTest::mouseClick(QApplication::focusWidget(), Qt::LeftButton); },
       forms::mrOk},
      {"Enter", [](QWidget&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
       forms::mrOk},
      {"Space", [](QWidget&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); },
       forms::mrOk},
      {"close box", [](QWidget& d) { d.close(); }, forms::mrCancel},
      {"Esc, then the close box",
       [](QWidget& d) {
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
         QTest::keyClick(&d, Qt::Key_Escape);
         EXPECT_EQ(upDialog(), &d) << "Esc closed the dialog";
         d.close();
       },
       forms::mrCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    auto* dialog = new TForm2(Form1);
    whileUp(c.answer);
    EXPECT_EQ(dialog->ShowModal(), c.result);
    EXPECT_FALSE(forms::qt::nativeWidget(*dialog)->isVisible());
  }
}

TEST(WinnerDialog, EveryWinOpensANewOneOwnedByTheMainWindow) {
  QtGame g;
  Form1->RadioButton7->Click();
  std::vector<QWidget*> seen;
  for (int win = 0; win < 2; ++win) {
    Form1->via->Click();
    Form1->ProgressBar->SetPosition(1000);
    whileUp([&](QWidget& d) {
      seen.push_back(&d);
      d.close();
    });
    Form1->TimerTimer(Form1);
  }
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_NE(seen[0], seen[1]);
  int dialogs = 0;
  for (forms::TComponent* c : Form1->Components()) dialogs += dynamic_cast<TForm2*>(c) != nullptr;
  EXPECT_EQ(dialogs, 2);
}

}  // namespace
}  // namespace gomblo::testing
