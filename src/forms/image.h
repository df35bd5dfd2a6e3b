#pragma once
// A windowless picture control: its picture stretched over its whole box.

#include <string>

#include "forms/control.h"

namespace forms {

class TImage : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  // Name of a built-in picture; fixed once the window is built.
  std::string Picture;
  bool Stretch = false;
  // Kept for the layout's sake: built-in pictures are drawn see-through anyway.
  bool Transparent = false;
};

}  // namespace forms
