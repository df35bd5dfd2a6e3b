#pragma once
// A windowless text control.

#include <string>

#include "forms/control.h"

namespace forms {

class TLabel : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  TAlignment Alignment = taLeftJustify;
  bool WordWrap = false;
  // When on, the box takes the size of the text; its left and top stay.
  bool AutoSize = true;
  // Sizes the box to the text, when AutoSize is on.
  void AdjustSize();
  // Wrapped text runs on below a box too short for it rather than losing its last words.
  TRect PaintRect() const override;

 protected:
  void ParentChanged() override { AdjustSize(); }

 private:
  std::string caption_;
};

}  // namespace forms
