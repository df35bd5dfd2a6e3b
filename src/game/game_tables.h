#pragma once
// The fixed rules of the game: balloons, baskets and levels.

#include <array>
#include <string_view>

namespace gomblo {

enum class Colour { Red, Yellow, LightBlue, Blue };

struct BalloonHome {
  std::string_view name;
  Colour colour;
  int left, top, width, height;
};

// In release order: the order the release scan walks and a new round resets.
inline constexpr std::array<BalloonHome, 12> kBalloons{{
    {"rosso1", Colour::Red, 56, 16, 49, 65},
    {"rosso2", Colour::Red, 240, 88, 49, 65},
    {"rosso3", Colour::Red, 400, 168, 49, 65},
    {"giallo1", Colour::Yellow, 288, 8, 41, 57},
    {"giallo2", Colour::Yellow, 384, 72, 41, 57},
    {"giallo3", Colour::Yellow, 128, 136, 41, 57},
    {"azzurro1", Colour::LightBlue, 168, 32, 41, 65},
    {"azzurro2", Colour::LightBlue, 488, 96, 41, 65},
    {"azzurro3", Colour::LightBlue, 216, 160, 41, 65},
    {"blu1", Colour::Blue, 432, 8, 41, 57},
    {"blu2", Colour::Blue, 32, 104, 41, 57},
    {"blu3", Colour::Blue, 320, 128, 41, 57},
}};

struct Basket {
  std::string_view name;
  Colour colour;
  int left, top, width, height;
};

inline constexpr std::array<Basket, 4> kBaskets{{
    {"cesazz", Colour::LightBlue, 24, 376, 97, 89},
    {"cesros", Colour::Red, 160, 376, 97, 89},
    {"cesgial", Colour::Yellow, 296, 376, 97, 89},
    {"cesblu", Colour::Blue, 432, 376, 97, 89},
}};

struct Level {
  int releaseIntervalMs;
  int scoreStep;
};

// Level 1 first.
inline constexpr std::array<Level, 7> kLevels{{
    {3000, 40},
    {2500, 35},
    {2200, 30},
    {2000, 25},
    {1800, 25},
    {1500, 25},
    {1000, 25},
}};

inline constexpr int kScoreMax = 1000;
// Where a balloon is judged: this far right of and below its top-left corner, whatever its size.
inline constexpr int kDropOffset = 50;

constexpr const Basket& basketFor(Colour colour) {
  for (const Basket& b : kBaskets)
    if (b.colour == colour) return b;
  return kBaskets[0];
}

// Whether a balloon of `colour` let go with its corner at (left, top) lands in its own
// basket: the drop point must lie strictly inside the basket's box.
constexpr bool landsInBasket(Colour colour, int left, int top) {
  const Basket& b = basketFor(colour);
  const int x = left + kDropOffset, y = top + kDropOffset;
  return b.left < x && x < b.left + b.width && b.top < y && y < b.top + b.height;
}

}  // namespace gomblo
