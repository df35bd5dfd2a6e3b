#include "fixture.h"

namespace forms::testing {

std::string describe(TMouseButton b) {
  switch (b) {
    case TMouseButton::mbLeft:
      return "L";
    case TMouseButton::mbRight:
      return "R";
    case TMouseButton::mbMiddle:
      return "M";
  }
  return "?";
}

std::string describe(TShiftState s) {
  std::string out;
  if (s.contains(ssShift)) out += "S";
  if (s.contains(ssAlt)) out += "A";
  if (s.contains(ssCtrl)) out += "C";
  if (s.contains(ssLeft)) out += "l";
  if (s.contains(ssRight)) out += "r";
  if (s.contains(ssMiddle)) out += "m";
  if (s.contains(ssDouble)) out += "d";
  return out;
}

LoggingForm::LoggingForm(TComponent* owner) : TForm(owner) {
  SetBounds(0, 0, 400, 300);
  underStrip = image("underStrip", 200, 50, 40, 40);
  lower = image("lower", 10, 10, 50, 50);
  upper = image("upper", 40, 40, 50, 50);
  hidden = image("hidden", 100, 10, 30, 30);
  hidden->Hide();
  disabled = image("disabled", 140, 10, 30, 30);
  disabled->SetEnabled(false);
  strip = new TPanel(this);
  strip->Name = "strip";
  strip->SetBounds(200, 0, 50, 200);
  strip->SetParent(this);
}

TImage* LoggingForm::image(const char* name, int l, int t, int w, int h) {
  auto* img = new TImage(this);
  img->Name = name;
  img->SetBounds(l, t, w, h);
  auto entry = [this, img](const char* what, std::string detail, int x, int y) {
    log.push_back(img->Name + " " + what + detail + " " + std::to_string(x) + "," +
                  std::to_string(y));
  };
  img->OnMouseDown = [entry](TObject*, TMouseButton b, TShiftState s, int x, int y) {
    entry("down ", describe(b) + " [" + describe(s) + "]", x, y);
  };
  img->OnMouseMove = [entry](TObject*, TShiftState s, int x, int y) {
    entry("move", " [" + describe(s) + "]", x, y);
  };
  img->OnMouseUp = [entry](TObject*, TMouseButton b, TShiftState s, int x, int y) {
    entry("up ", describe(b) + " [" + describe(s) + "]", x, y);
  };
  img->SetParent(this);
  return img;
}

}  // namespace forms::testing
