#pragma once
// Colours and fonts as the windows describe them.

#include <cstdint>
#include <string>

namespace forms {

// A fixed RGB colour, or one of the desktop scheme's colours resolved by the backend.
class TColor {
 public:
  enum class System { None, BtnFace, WindowText };
  constexpr TColor() = default;
  constexpr TColor(std::uint8_t r, std::uint8_t g, std::uint8_t b)
      : rgb_((std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b) {}
  constexpr static TColor system(System s) {
    TColor c;
    c.system_ = s;
    return c;
  }
  constexpr bool isSystem() const { return system_ != System::None; }
  constexpr System systemColor() const { return system_; }
  constexpr std::uint8_t red() const { return (rgb_ >> 16) & 0xFF; }
  constexpr std::uint8_t green() const { return (rgb_ >> 8) & 0xFF; }
  constexpr std::uint8_t blue() const { return rgb_ & 0xFF; }
  constexpr bool operator==(const TColor&) const = default;

 private:
  std::uint32_t rgb_ = 0;
  System system_ = System::None;
};

inline constexpr TColor clBtnFace = TColor::system(TColor::System::BtnFace);
inline constexpr TColor clWindowText = TColor::system(TColor::System::WindowText);
inline constexpr TColor clMoneyGreen{192, 220, 192};
inline constexpr TColor clMaroon{128, 0, 0};
inline constexpr TColor clRed{255, 0, 0};

// A font by face and character height in pixels (negative, as the windows store it),
// so the layout holds at any screen resolution.
struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  bool Bold = false;
  TColor Color = clWindowText;
  int pixelSize() const { return Height < 0 ? -Height : Height; }
  bool operator==(const TFont&) const = default;
};

}  // namespace forms
