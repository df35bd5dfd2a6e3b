#pragma once
// A raised, bevelled panel; other controls may stand on it or inside it.

#include "forms/control.h"

namespace forms {

class TPanel : public TWinControl {
 public:
  using TWinControl::TWinControl;
  int BevelWidth = 1;
  bool CanFocus() const override { return false; }
};

}  // namespace forms
