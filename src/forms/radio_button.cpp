#include "forms/radio_button.h"

namespace forms {

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  TabStop = checked;  // only the checked button of a group is a tab stop
  if (checked && Parent()) {
    for (TControl* sibling : Parent()->Controls())
      if (auto* other = dynamic_cast<TRadioButton*>(sibling); other && other != this)
        other->SetChecked(false);
  }
  Sync();
  if (checked && OnClick) OnClick(this);
}

}  // namespace forms
