#include "forms/label.h"

#include "forms/application.h"

namespace forms {

void TLabel::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  AdjustSize();
  Changed(FormRect());
}

void TLabel::AdjustSize() {
  if (!AutoSize || WordWrap || !Application || !Parent()) return;
  const TSize s = Application->Backend().MeasureText(EffectiveFont(), caption_);
  SetBounds(Left(), Top(), s.width, s.height);
}

}  // namespace forms
