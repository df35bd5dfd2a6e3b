#pragma once
// Push buttons: a click fires OnClick only while the button is enabled.

#include <string>

#include "forms/control.h"

namespace forms {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  std::string Caption;
  // Enter presses the default button of its form; Esc the cancel one.
  bool Default = false;
  bool Cancel = false;
  // When set, a click closes the modal form with this result.
  TModalResult ModalResult = mrNone;
  // Name of a built-in glyph shown left of the caption, if any.
  std::string Glyph;

  // A click by mouse, Space or Enter.
  void Click();
};

enum class TBitBtnKind { bkCustom, bkOK };

class TBitBtn : public TButton {
 public:
  using TButton::TButton;
  void SetKind(TBitBtnKind kind);
  TBitBtnKind Kind() const { return kind_; }

 private:
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};

}  // namespace forms
