#include "forms/static_text.h"

namespace forms {

std::string TStaticText::DisplayText() const {
  std::string out;
  out.reserve(caption_.size());
  for (std::size_t i = 0; i < caption_.size(); ++i) {
    const char c = caption_[i];
    if (c == '\r') {
      out += '\n';
      if (i + 1 < caption_.size() && caption_[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace forms
