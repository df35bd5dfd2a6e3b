#include "art/pictures.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Colours = std::set<QRgb>;

QRgb rgb(unsigned hex) { return qRgb((hex >> 16) & 0xFF, (hex >> 8) & 0xFF, hex & 0xFF); }

Colours colourSet(std::initializer_list<unsigned> hexes) {
  Colours out;
  for (unsigned h : hexes) out.insert(rgb(h));
  return out;
}

// Opaque colours of an image; fails the test if any pixel is partly see-through.
Colours coloursOf(const QImage& image) {
  Colours out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qAlpha(p) == 0) continue;
      EXPECT_EQ(qAlpha(p), 255) << "soft edge at " << x << "," << y;
      out.insert(p | 0xFF000000u);
    }
  }
  return out;
}

double paintedShare(const QImage& image) {
  int painted = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) != 0;
  }
  return 100.0 * painted / (image.width() * image.height());
}

bool clearAt(const QImage& image, double fx, double fy) {
  return qAlpha(image.pixel(int(fx * image.width()), int(fy * image.height()))) == 0;
}

// Painted pixels within `depth` rows or columns of each edge: left, top, right, bottom.
std::vector<bool> reachesEdges(const QImage& image, int depth) {
  std::vector<bool> reach(4, false);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) == 0) continue;
      reach[0] = reach[0] || x < depth;
      reach[1] = reach[1] || y < depth;
      reach[2] = reach[2] || x >= image.width() - depth;
      reach[3] = reach[3] || y >= image.height() - depth;
    }
  }
  return reach;
}

TEST(Pictures, EveryNamedPictureRendersAtItsBoxSize) {
  for (const char* name :
       {"balloon.red", "balloon.yellow", "balloon.lightblue", "balloon.blue", "basket.lightblue",
        "basket.red", "basket.yellow", "basket.blue", "trophy", "check"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(art::hasPicture(name));
    const QImage& image = art::picture(name, QSize(53, 47));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(53, 47));
    const double share = paintedShare(image);
    EXPECT_GT(share, 10.0);
    EXPECT_LT(share, 90.0);
  }
}

TEST(Pictures, UnknownNamesHaveNoPicture) {
  for (const char* name :
       {"", "balloon", "balloon.green", "basket.", "basket.purple", "Trophy", "icon"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(art::hasPicture(name));
    EXPECT_TRUE(art::picture(name, QSize(20, 20)).isNull());
  }
}

struct BalloonCase {
  const char* name;
  QSize control;
  double share;
  Colours colours;  // body, face, highlight, string
};

const std::vector<BalloonCase>& balloons() {
  static const std::vector<BalloonCase> cases = {
      {"balloon.red", {49, 65}, 61, colourSet({0xDC3346, 0xE25582, 0xFFFFFF, 0x7984BA})},
      {"balloon.yellow", {41, 57}, 70, colourSet({0xF5DF0C, 0xF5ECA2, 0xFFFFFF, 0xDC3346})},
      {"balloon.lightblue", {41, 65}, 61, colourSet({0x78C4C6, 0x81C8CA, 0xFFFFFF, 0xF5ECA2})},
      {"balloon.blue", {41, 57}, 64, colourSet({0x5365A4, 0x7984BA, 0xFFFFFF})},
  };
  return cases;
}

TEST(Balloons, PaintTheirShareInTheirOwnColoursOnly) {
  for (const BalloonCase& c : balloons()) {
    SCOPED_TRACE(c.name);
    const QImage& image = art::picture(c.name, c.control);
    EXPECT_NEAR(paintedShare(image), c.share, 3.0);
    EXPECT_EQ(coloursOf(image), c.colours);
  }
}

TEST(Balloons, FillTheirBoxAndLeaveTheUpperCornersClear) {
  for (const BalloonCase& c : balloons()) {
    SCOPED_TRACE(c.name);
    const QImage& image = art::picture(c.name, c.control);
    // Touches left, top and right; string or tail reaches the bottom.
    EXPECT_EQ(reachesEdges(image, 1), std::vector<bool>(4, true));
    EXPECT_TRUE(clearAt(image, 0, 0));
    EXPECT_TRUE(clearAt(image, 0.999, 0));
  }
}

TEST(Balloons, StretchWithTheBoxOnEachAxisSeparately) {
  for (const BalloonCase& c : balloons()) {
    SCOPED_TRACE(c.name);
    const double share = paintedShare(art::picture(c.name, c.control));
    const QSize wide(c.control.width() * 2, c.control.height());
    const QSize tall(c.control.width(), c.control.height() * 2);
    EXPECT_NEAR(paintedShare(art::picture(c.name, wide)), share, 1.5);
    EXPECT_NEAR(paintedShare(art::picture(c.name, tall)), share, 1.5);
  }
}

struct BasketCase {
  const char* name;
  Colours colours;  // strong, tints 1 to 3, flecks
};

TEST(Baskets, DifferOnlyInColour) {
  const std::vector<BasketCase> baskets = {
      {"basket.lightblue", colourSet({0x059BCD, 0xB6E2F0, 0xD1EDF6, 0xE4F4FA, 0xFFFFFF})},
      {"basket.red", colourSet({0xD90505, 0xF4B6B6, 0xF8D1D1, 0xFBE4E4, 0xFFFFFF})},
      {"basket.yellow", colourSet({0xFFCD05, 0xFFF0B6, 0xFFF6D1, 0xFFFAE4, 0xFFFFFF})},
      {"basket.blue", colourSet({0x05379B, 0xB6C4E2, 0xD1DAED, 0xE4E9F4, 0xFFFFFF})},
  };
  const QSize control(97, 89);
  const QImage& first = art::picture(baskets[0].name, control);
  for (const BasketCase& b : baskets) {
    SCOPED_TRACE(b.name);
    const QImage& image = art::picture(b.name, control);
    ASSERT_EQ(image.size(), control);
    EXPECT_EQ(coloursOf(image), b.colours);
    // Same shape everywhere, and each colour of the first basket always becomes the same one.
    std::map<QRgb, QRgb> mapping;
    bool sameMask = true, consistent = true;
    for (int y = 0; y < control.height(); ++y) {
      for (int x = 0; x < control.width(); ++x) {
        const QRgb from = first.pixel(x, y), to = image.pixel(x, y);
        sameMask = sameMask && (qAlpha(from) == 0) == (qAlpha(to) == 0);
        if (qAlpha(from) == 0) continue;
        auto [it, fresh] = mapping.emplace(from, to);
        consistent = consistent && (fresh || it->second == to);
      }
    }
    EXPECT_TRUE(sameMask);
    EXPECT_TRUE(consistent);
    EXPECT_EQ(mapping.size(), 5u);
  }
}

TEST(Baskets, KeepAMarginAndShowThroughTheHandle) {
  const QImage& image = art::picture("basket.yellow", QSize(97, 89));
  // About 4 % clear on every side: nothing in the outermost two pixels.
  EXPECT_EQ(reachesEdges(image, 2), std::vector<bool>(4, false));
  EXPECT_EQ(reachesEdges(image, 8), std::vector<bool>(4, true));
  EXPECT_TRUE(clearAt(image, 0.50, 0.20));   // inside the arch of the handle
  EXPECT_TRUE(clearAt(image, 0.15, 0.15));   // beside the handle, above the lid
  EXPECT_FALSE(clearAt(image, 0.50, 0.85));  // the body
}

TEST(Trophy, UsesItsColoursAndFillsToNearTheEdges) {
  const QImage& large = art::picture("trophy", QSize(169 * 4, 209 * 4));
  EXPECT_EQ(coloursOf(large), colourSet({0x000000, 0xFFF07D, 0xFFD93D, 0xFFFFC2, 0xFF9E3D, 0xFFFF00,
                                         0xFFCC00, 0xFFFF7D, 0xFFFFFF, 0xFFE600, 0xFAFAFC, 0xBF3300,
                                         0xFF660F, 0xB00000, 0xFFFF80, 0x910091, 0xB091E3}));
  const QImage& image = art::picture("trophy", QSize(169, 209));
  EXPECT_EQ(reachesEdges(image, 4), std::vector<bool>(4, true));
  EXPECT_TRUE(clearAt(image, 0.20, 0.38));  // inside the left handle's curl
  EXPECT_TRUE(clearAt(image, 0.10, 0.60));  // beside the stem
}

TEST(Check, IsAGreenMark) {
  const QImage& image = art::picture("check", QSize(18, 18));
  const Colours colours = coloursOf(image);
  ASSERT_FALSE(colours.empty());
  for (QRgb c : colours) {
    EXPECT_GT(qGreen(c), 2 * qRed(c));
    EXPECT_GT(qGreen(c), 2 * qBlue(c));
  }
}

TEST(Icon, IsThirtyTwoSquareInSixteenColoursWithItsMask) {
  const QImage image = art::applicationIconImage();
  ASSERT_EQ(image.size(), QSize(32, 32));
  const Colours palette =
      colourSet({0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF});
  int clear = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) clear += qAlpha(image.pixel(x, y)) == 0;
  }
  EXPECT_EQ(clear, 306);
  const Colours used = coloursOf(image);
  for (QRgb c : used) EXPECT_TRUE(palette.count(c)) << std::hex << c;
  // The three balloons and their outlines are there.
  for (unsigned hex : {0xFF00FF, 0x0000FF, 0xFF0000, 0x000000, 0x808080, 0xFFFFFF}) {
    EXPECT_TRUE(used.count(rgb(hex))) << std::hex << hex;
  }
}

TEST(Icon, OffersTheImageAndLargerSizes) {
  const QIcon icon = art::applicationIcon();
  const QList<QSize> sizes = icon.availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(256, 256)));
  const QImage small = icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(small, art::applicationIconImage());
}

TEST(Cache, ReturnsTheSameImageForTheSameRequestOnly) {
  const QImage* first = &art::picture("balloon.red", QSize(49, 65));
  EXPECT_EQ(&art::picture("balloon.red", QSize(49, 65)), first);
  EXPECT_EQ(&art::picture("balloon.red", QSize(49, 65), 1.0), first);
  EXPECT_NE(&art::picture("balloon.red", QSize(50, 65)), first);
  EXPECT_NE(&art::picture("balloon.yellow", QSize(49, 65)), first);

  const QImage& sharp = art::picture("balloon.red", QSize(49, 65), 2.0);
  EXPECT_NE(&sharp, first);
  EXPECT_EQ(sharp.size(), QSize(98, 130));
  EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
  EXPECT_EQ(first->size(), QSize(49, 65));  // earlier entries stay put as the cache grows
}

}  // namespace

int main(int argc, char** argv) {
  // Also when the test list is read at build time, with no display around.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
