#pragma once
// Radio buttons with one parent form a group: exactly one of them is checked.

#include <string>

#include "forms/control.h"

namespace forms {

class TRadioButton : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::string Caption;
  bool Checked() const { return checked_; }
  // Checking one unchecks the others of its group. OnClick fires when this button
  // becomes checked; a button that is already checked fires nothing.
  void SetChecked(bool checked);
  // A click, or the keyboard choosing this button.
  void Click() { SetChecked(true); }

 private:
  bool checked_ = false;
};

}  // namespace forms
