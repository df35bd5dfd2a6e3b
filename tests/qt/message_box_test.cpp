// The round's message boxes as the player meets them in the real window.

#include "forms/qt/message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "qt_fixture.h"

namespace gomblo::testing {
namespace {

struct LostRound : ::testing::Test {
  QtGame g;
  void SetUp() override {
    Form1->via->Click();
    for (int i = 1; i <= 11; ++i) g.releaseBalloon(i);
  }
};

TEST_F(LostRound, BoxShowsTheMessageCentredAndTheHeldBalloonIsDroppedFirst) {
  // Hold rosso1 over its basket when the twelfth balloon comes.
  g.press({56, 16});
  g.moveTo({184, 388});
  bool answered = false;
  qtBackend->onMessageBoxShown = [&](QDialog& box) {
    answered = true;
    auto& mb = static_cast<forms::qt::MessageBox&>(box);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Gomblo"));
    EXPECT_EQ(mb.message()->text(), QString::fromUtf8(kLostMessage));
    EXPECT_EQ(mb.okButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(box.isModal());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE((box.frameGeometry().center() - screen.center()).manhattanLength(), 2);
    // Dropped where it was held, before the box: scored, gone, counted out.
    EXPECT_EQ(Form1->ProgressBar->Position(), 40);
    EXPECT_FALSE(Form1->rosso1->Visible());
    EXPECT_EQ(balloonsOnScreen, 11);
    QTest::keyClick(&box, Qt::Key_Return);
  };
  g.releaseBalloon(12);
  EXPECT_TRUE(answered);
  // A new round began at once; the real release afterwards finds nothing to drop.
  EXPECT_EQ(balloonsOnScreen, 0);
  EXPECT_EQ(Form1->ProgressBar->Position(), 0);
  EXPECT_TRUE(Form1->Timer->Enabled());
  g.release({184, 388});
  EXPECT_EQ(balloonsOnScreen, 0);
}

TEST(MessageBox, EscAlsoClosesItAndLongTextWrapsAtHalfTheScreen) {
  const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
  forms::qt::MessageBox shortBox(QStringLiteral("Gomblo"), QString::fromUtf8(kLostMessage));
  EXPECT_FALSE(shortBox.message()->wordWrap());
  forms::qt::MessageBox longBox(QStringLiteral("Gomblo"),
                                QString::fromUtf8(kPassedMessage).repeated(3));
  EXPECT_TRUE(longBox.message()->wordWrap());
  EXPECT_EQ(longBox.message()->width(), half);
  QTimer::singleShot(0, [&] { QTest::keyClick(&shortBox, Qt::Key_Escape); });
  QTimer::singleShot(3000, [&] { shortBox.done(42); });
  EXPECT_EQ(shortBox.exec(), QDialog::Rejected);
}

}  // namespace
}  // namespace gomblo::testing
