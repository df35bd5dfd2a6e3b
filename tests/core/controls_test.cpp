// Radio groups, buttons, placement and ownership.

#include <gtest/gtest.h>

#include "fixture.h"
#include "forms/radio_button.h"
#include "forms/static_text.h"

namespace forms::testing {
namespace {

struct RadioFixture : CoreFixture {
  TPanel* groupA = new TPanel(form);
  TPanel* groupB = new TPanel(form);
  std::vector<TRadioButton*> a, b;
  std::vector<std::string> clicks;
  RadioFixture() {
    groupA->SetParent(form);
    groupB->SetParent(form);
    for (int i = 0; i < 3; ++i) a.push_back(radio(groupA, "a" + std::to_string(i)));
    for (int i = 0; i < 2; ++i) b.push_back(radio(groupB, "b" + std::to_string(i)));
    a[0]->SetChecked(true);
    b[0]->SetChecked(true);
    clicks.clear();
  }
  TRadioButton* radio(TPanel* parent, std::string name) {
    auto* r = new TRadioButton(form);
    r->Name = name;
    r->OnClick = [this, r](TObject*) { clicks.push_back(r->Name); };
    r->SetParent(parent);
    return r;
  }
  std::string checked() const {
    std::string out;
    for (auto* r : a) out += r->Checked() ? '1' : '0';
    out += '|';
    for (auto* r : b) out += r->Checked() ? '1' : '0';
    return out;
  }
};

TEST(RadioGroup, CheckingOneUnchecksItsGroupOnlyAndFiresOnce) {
  RadioFixture f;
  f.a[2]->Click();
  EXPECT_EQ(f.checked(), "001|10");
  EXPECT_EQ(f.clicks, std::vector<std::string>{"a2"});
  EXPECT_TRUE(f.a[2]->TabStop);
  EXPECT_FALSE(f.a[0]->TabStop);
}

TEST(RadioGroup, ClickOnTheCheckedOneFiresNothing) {
  RadioFixture f;
  f.a[0]->Click();
  f.b[0]->Click();
  EXPECT_EQ(f.checked(), "100|10");
  EXPECT_TRUE(f.clicks.empty());
}

TEST(Button, ClickFiresOnlyWhileEnabled) {
  CoreFixture f;
  auto* button = new TButton(f.form);
  button->SetParent(f.form);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  button->Click();
  button->SetEnabled(false);
  button->Click();
  EXPECT_EQ(clicks, 1);
}

TEST(Form, DesktopCentrePlacement) {
  struct Case {
    TSize desktop;
    int left, top;
  } const cases[] = {
      {{1920, 1080}, 632, 278}, {{1281, 801}, 312, 138}, {{600, 400}, 0, 0}, {{657, 523}, 0, 0}};
  for (const Case& c : cases) {
    CoreFixture f;
    f.backend.desktop = c.desktop;
    f.form->SetBounds(263, 131, 656, 524);
    f.form->Position = TPosition::poDesktopCenter;
    f.form->Show();
    EXPECT_EQ(f.form->Left(), c.left) << c.desktop.width;
    EXPECT_EQ(f.form->Top(), c.top) << c.desktop.height;
    // Later shows keep the place.
    f.form->SetBounds(5, 6, 656, 524);
    f.form->Hide();
    f.form->Show();
    EXPECT_EQ(f.form->Left(), 5);
  }
}

TEST(Form, ClientAreaIsTheOuterSizeLessTheClassicFrame) {
  CoreFixture f;
  f.form->SetBounds(0, 0, 656, 524);
  EXPECT_EQ(f.form->ClientWidth(), 648);
  EXPECT_EQ(f.form->ClientHeight(), 497);
}

TEST(Form, ContentExtentFollowsVisibleControlsOnly) {
  CoreFixture f;
  EXPECT_EQ(f.form->ContentExtent(), (TSize{250, 200}));
  f.form->upper->SetBounds(700, 550, 50, 50);
  EXPECT_EQ(f.form->ContentExtent(), (TSize{750, 600}));
  f.form->upper->Hide();
  EXPECT_EQ(f.form->ContentExtent(), (TSize{250, 200}));
  f.form->lower->SetBounds(-500, -500, 50, 50);  // left of and above the origin: no reach
  EXPECT_EQ(f.form->ContentExtent(), (TSize{250, 200}));
}

TEST(Form, PaintOrderIsCreationOrderWithoutHiddenOrWindowedControls) {
  CoreFixture f;
  std::vector<std::string> names;
  for (const TControl* c : f.form->PaintOrder()) names.push_back(c->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"underStrip", "lower", "upper", "disabled"}));
}

TEST(Ownership, FormFreesItsControlsAndApplicationItsForms) {
  struct Counted : TImage {
    using TImage::TImage;
    int* gone;
    ~Counted() override { ++*gone; }
  };
  int gone = 0;
  {
    headless::HeadlessBackend backend;
    TApplication app(backend);
    auto* form = new TForm(&app);
    auto* child = new TForm(form);  // a dialog owned by the main window
    for (TForm* owner : {form, child}) {
      auto* c = new Counted(owner);
      c->gone = &gone;
      c->SetParent(owner);
    }
    EXPECT_EQ(app.Forms().size(), 2u);
  }
  EXPECT_EQ(gone, 2);
}

TEST(Application, ClosingTheMainFormTerminates) {
  CoreFixture f;
  f.form->CloseRequested();
  EXPECT_TRUE(f.app.Terminated());
  EXPECT_TRUE(f.backend.quitRequested);
}

TEST(StaticText, CarriageReturnsBreakLines) {
  CoreFixture f;
  auto* text = new TStaticText(f.form);
  text->SetCaption("L\rI\r\nV\nE");
  EXPECT_EQ(text->DisplayText(), "L\nI\nV\nE");
}

}  // namespace
}  // namespace forms::testing
