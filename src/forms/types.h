#pragma once
// Small value types shared by every part of the component layer.

#include <algorithm>
#include <cstdint>
#include <functional>

namespace forms {

class TObject {
 public:
  virtual ~TObject() = default;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class MouseAction { Down, Move, Up };

// The modifier keys and mouse buttons held during a mouse event.
class TShiftState {
 public:
  enum Flag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
  };
  constexpr TShiftState() = default;
  constexpr TShiftState(Flag f) : bits_(f) {}
  constexpr static TShiftState fromBits(unsigned bits) {
    TShiftState s;
    s.bits_ = bits & 0x7Fu;
    return s;
  }
  constexpr bool contains(Flag f) const { return (bits_ & f) != 0; }
  constexpr unsigned bits() const { return bits_; }
  constexpr TShiftState operator|(TShiftState o) const { return fromBits(bits_ | o.bits_); }
  constexpr bool operator==(const TShiftState&) const = default;

 private:
  unsigned bits_ = 0;
};
constexpr TShiftState operator|(TShiftState::Flag a, TShiftState::Flag b) {
  return TShiftState(a) | TShiftState(b);
}
using enum TShiftState::Flag;

// The shift flag that a held mouse button contributes.
constexpr TShiftState::Flag shiftFlagOf(TMouseButton b) {
  switch (b) {
    case TMouseButton::mbLeft:
      return ssLeft;
    case TMouseButton::mbRight:
      return ssRight;
    case TMouseButton::mbMiddle:
      return ssMiddle;
  }
  return ssLeft;
}

// A rectangle with exclusive right and bottom edges.
struct TRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool empty() const { return right <= left || bottom <= top; }
  constexpr bool contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  constexpr TRect united(const TRect& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }
  constexpr bool operator==(const TRect&) const = default;
};

struct TSize {
  int width = 0, height = 0;
  constexpr bool operator==(const TSize&) const = default;
};

enum class TAlignment { taLeftJustify, taCenter, taRightJustify };
using enum TAlignment;

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

}  // namespace forms
