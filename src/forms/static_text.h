#pragma once
// A windowed text control; a carriage return in its caption starts a new line.

#include <string>

#include "forms/control.h"

namespace forms {

class TStaticText : public TWinControl {
 public:
  using TWinControl::TWinControl;
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Sync();
  }
  // The caption with every line break (CR, LF or CR LF) as one '\n'.
  std::string DisplayText() const;
  TAlignment Alignment = taLeftJustify;
  bool CanFocus() const override { return false; }

 private:
  std::string caption_;
};

}  // namespace forms
