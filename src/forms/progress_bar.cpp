#include "forms/progress_bar.h"

#include <algorithm>

namespace forms {

void TProgressBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
  Sync();
}

void TProgressBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  Sync();
}

}  // namespace forms
