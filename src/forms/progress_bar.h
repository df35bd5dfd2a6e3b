#pragma once
// The score bar: a range and a position, shown continuous and filling from the bottom.

#include "forms/control.h"

namespace forms {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
 public:
  using TWinControl::TWinControl;
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetRange(int min, int max);
  // Held within Min..Max, as the bar cannot show more than full.
  void SetPosition(int position);
  TProgressBarOrientation Orientation = TProgressBarOrientation::pbHorizontal;
  bool Smooth = false;
  bool CanFocus() const override { return false; }

 private:
  int min_ = 0, max_ = 100, position_ = 0;
};

}  // namespace forms
