#pragma once
// A small window with overlapping pictures, a hidden and a disabled one, and a panel,
// whose controls log every mouse event they receive.

#include <memory>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/headless/headless_backend.h"
#include "forms/image.h"
#include "forms/panel.h"

namespace forms::testing {

std::string describe(TMouseButton b);
std::string describe(TShiftState s);

class LoggingForm : public TForm {
 public:
  explicit LoggingForm(TComponent* owner);
  TImage* lower;     // (10, 10) 50 x 50
  TImage* upper;     // (40, 40) 50 x 50, created later: drawn over `lower`
  TImage* hidden;    // (100, 10) 30 x 30, not visible
  TImage* disabled;  // (140, 10) 30 x 30, not enabled
  TPanel* strip;     // windowed, (200, 0) 50 x 200, over `underStrip`
  TImage* underStrip;
  std::vector<std::string> log;

 private:
  TImage* image(const char* name, int l, int t, int w, int h);
};

struct CoreFixture {
  headless::HeadlessBackend backend;
  TApplication app{backend};
  LoggingForm* form = nullptr;
  CoreFixture() { app.CreateForm(form); }
};

}  // namespace forms::testing
