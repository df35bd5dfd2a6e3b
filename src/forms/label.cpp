#include "forms/label.h"

#include <algorithm>

#include "forms/application.h"

namespace forms {

void TLabel::SetCaption(std::string caption) {
  const TRect old = PaintRect();
  caption_ = std::move(caption);
  AdjustSize();
  Changed(old);
}

TRect TLabel::PaintRect() const {
  TRect r = FormRect();
  if (WordWrap && Application && Parent() && !caption_.empty())
    r.bottom = std::max(r.bottom, r.top + Application->Backend().WrappedTextHeight(
                                              EffectiveFont(), caption_, Width()));
  return r;
}

void TLabel::AdjustSize() {
  if (!AutoSize || WordWrap || !Application || !Parent()) return;
  const TSize s = Application->Backend().MeasureText(EffectiveFont(), caption_);
  SetBounds(Left(), Top(), s.width, s.height);
}

}  // namespace forms
