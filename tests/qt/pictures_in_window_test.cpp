// What the pictures look like in the real window: see-through around balloons,
// baskets alike but for their colours.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "game/game_tables.h"
#include "qt_fixture.h"

namespace gomblo::testing {
namespace {

QRgb at(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

std::set<QRgb> colours(std::initializer_list<QRgb> list) {
  std::set<QRgb> out;
  for (QRgb c : list) out.insert(c & 0xFFFFFF);
  return out;
}

const std::set<QRgb> kRedBalloon = colours({0xDC3346, 0xE25582, 0xFFFFFF, 0x7984BA});
const std::set<QRgb> kLightBlueBalloon = colours({0x78C4C6, 0x81C8CA, 0xFFFFFF, 0xF5ECA2});

struct Pictures : ::testing::Test {
  QtGame g;
  void SetUp() override { Form1->via->Click(); }
};

TEST_F(Pictures, ABalloonOverABasketShowsTheBasketAroundItAndCoversItInside) {
  g.releaseBalloon(1);  // rosso1 at (56, 16)
  g.press({56, 16});
  g.moveTo({184, 388});  // the whole balloon now lies over the red basket
  const QRect box(184, 388, 49, 65);
  ASSERT_EQ(QRect(Form1->rosso1->Left(), Form1->rosso1->Top(), 49, 65), box);
  QCoreApplication::processEvents();
  const QImage with = g.grab();
  g.release({184, 388});
  QCoreApplication::processEvents();
  const QImage without = g.grab();
  const QRgb background = at(without, 5, 300);

  int seeThrough = 0, basketAround = 0, covered = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) {
      const QRgb w = at(with, x, y), wo = at(without, x, y);
      if (w == wo) {
        ++seeThrough;
        if (wo != background) ++basketAround;
      } else {
        ASSERT_TRUE(kRedBalloon.count(w)) << "stray colour at " << x << "," << y;
        ++covered;
      }
    }
  // Around the body, knot and string the basket shows; inside the outline the balloon does.
  EXPECT_GT(basketAround, 300);
  EXPECT_GT(covered, 49 * 65 / 2);
  EXPECT_GT(seeThrough, 49 * 65 / 5);
  EXPECT_EQ(at(with, box.left() + 18, box.top() + 25), 0xE25582u) << "the face covers the basket";
}

TEST_F(Pictures, TransparentFlagOrNotBalloonsShowTheBackgroundAroundThemAlike) {
  g.releaseBalloon(1);  // rosso1, no Transparent flag
  g.releaseBalloon(7);  // azzurro1, Transparent set
  ASSERT_TRUE(Form1->azzurro1->Transparent);
  ASSERT_FALSE(Form1->rosso1->Transparent);
  const QImage img = g.grab();
  const QRgb background = at(img, 5, 300);
  struct Case {
    const forms::TImage* balloon;
    const std::set<QRgb>* own;
  } const cases[] = {{Form1->rosso1, &kRedBalloon}, {Form1->azzurro1, &kLightBlueBalloon}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.balloon->Name);
    int around = 0;
    for (int y = c.balloon->Top(); y < c.balloon->Top() + c.balloon->Height(); ++y)
      for (int x = c.balloon->Left(); x < c.balloon->Left() + c.balloon->Width(); ++x) {
        const QRgb p = at(img, x, y);
        if (p == background)
          ++around;
        else
          ASSERT_TRUE(c.own->count(p)) << "neither balloon nor background at " << x << "," << y;
      }
    EXPECT_GT(around, c.balloon->Width() * c.balloon->Height() / 5);
    EXPECT_EQ(at(img, c.balloon->Left(), c.balloon->Top() + c.balloon->Height() - 1), background);
  }
}

TEST_F(Pictures, TheFourBasketsDifferOnlyInColour) {
  const QImage img = g.grab();
  const Basket& first = kBaskets[0];
  for (std::size_t i = 1; i < kBaskets.size(); ++i) {
    const Basket& other = kBaskets[i];
    SCOPED_TRACE(other.name);
    std::map<QRgb, QRgb> mapping;
    std::map<QRgb, QRgb> reverse;
    for (int dy = 0; dy < first.height; ++dy)
      for (int dx = 0; dx < first.width; ++dx) {
        const QRgb a = at(img, first.left + dx, first.top + dy);
        const QRgb b = at(img, other.left + dx, other.top + dy);
        auto [it, fresh] = mapping.emplace(a, b);
        ASSERT_EQ(it->second, b) << "shapes differ at " << dx << "," << dy;
        auto [rit, rfresh] = reverse.emplace(b, a);
        ASSERT_EQ(rit->second, a) << "two colours merge at " << dx << "," << dy;
      }
    EXPECT_GE(mapping.size(), 5u);  // the background, the strong colour, three tints, white
  }
}

}  // namespace
}  // namespace gomblo::testing
