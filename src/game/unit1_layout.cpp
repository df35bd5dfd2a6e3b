// The main window's controls in creation order, which is also how the windowless ones stack.

#include "game/layout.h"
#include "game/unit1.h"

namespace gomblo {

using forms::TAlignment;
using forms::TFont;
using Row = LayoutRow<TForm1>;

namespace {

const TFont kWindowFont{"MS Sans Serif", -11, false, forms::clWindowText};
const TFont kInstructionsFont{"Arial", -21, false, forms::clMaroon};
const TFont kViaFont{"MS Sans Serif", -16, true, forms::clWindowText};
const TFont kLevelCaptionFont{"Arial", -19, true, forms::clMaroon};

constexpr const char* kInstructions =
    "Metti ogni palloncino nel cestino del suo stesso colore. Se sbagli la barra del punteggio "
    "non aumenterà. Si potrà continuare a giocare fino a quando la barra del punteggio non arriva "
    "al massimo o sullo schermo ci sono meno di 12 palloncini.   Per iniziare premi il pulsante "
    "\"Via\".";

#define BALLOON(b, x, y, w, h, pic, transp)                                                      \
  Row {                                                                                          \
    .name = #b, .field = &TForm1::b, .box = box(x, y, w, h), .visible = false, .enabled = false, \
    .picture = pic, .transparent = transp, .onMouseDown = &TForm1::b##MouseDown,                 \
    .onMouseMove = &TForm1::b##MouseMove, .onMouseUp = &TForm1::b##MouseUp                       \
  }
#define LEVEL(n, y)                                                                             \
  Row {                                                                                         \
    .name = "RadioButton" #n, .field = &TForm1::RadioButton##n, .parent = &TForm1::Panel1,      \
    .box = box(8, y, 17, 17), .checked = (n == 1), .tabOrder = n - 1, .onClick = &TForm1::Radio \
  }

const Row kLayout[] = {
    {.name = "cesazz",
     .field = &TForm1::cesazz,
     .box = box(24, 376, 97, 89),
     .picture = "basket.lightblue"},
    {.name = "cesros",
     .field = &TForm1::cesros,
     .box = box(160, 376, 97, 89),
     .picture = "basket.red"},
    {.name = "cesgial",
     .field = &TForm1::cesgial,
     .box = box(296, 376, 97, 89),
     .picture = "basket.yellow"},
    {.name = "cesblu",
     .field = &TForm1::cesblu,
     .box = box(432, 376, 97, 89),
     .picture = "basket.blue"},
    BALLOON(rosso1, 48, 16, 49, 65, "balloon.red", false),
    BALLOON(blu2, 32, 104, 41, 57, "balloon.blue", false),
    BALLOON(giallo3, 128, 136, 41, 57, "balloon.yellow", false),
    BALLOON(azzurro1, 168, 32, 41, 65, "balloon.lightblue", true),
    BALLOON(azzurro3, 216, 160, 41, 65, "balloon.lightblue", true),
    BALLOON(rosso2, 240, 88, 49, 65, "balloon.red", false),
    // The one balloon the layout leaves enabled; every round disables it first.
    [] {
      Row r = BALLOON(giallo1, 288, 8, 41, 57, "balloon.yellow", false);
      r.enabled = true;
      return r;
    }(),
    BALLOON(blu3, 320, 128, 41, 57, "balloon.blue", false),
    BALLOON(rosso3, 400, 168, 49, 65, "balloon.red", false),
    BALLOON(giallo2, 384, 72, 41, 57, "balloon.yellow", false),
    BALLOON(blu1, 432, 8, 41, 57, "balloon.blue", false),
    BALLOON(azzurro2, 488, 96, 41, 65, "balloon.lightblue", true),
    {.name = "Label1",
     .field = &TForm1::Label1,
     .box = box(88, 104, 401, 177),
     .caption = kInstructions,
     .font = kInstructionsFont,
     .alignment = TAlignment::taCenter,
     .wordWrap = true},
    {.name = "Panel2",
     .field = &TForm1::Panel2,
     .box = box(552, 8, 89, 473),
     .color = forms::clMoneyGreen,
     .tabOrder = 3},
    {.name = "via",
     .field = &TForm1::via,
     .box = box(560, 448, 73, 25),
     .caption = "Via",
     .font = kViaFont,
     .tabOrder = 0,
     .onClick = &TForm1::viaClick},
    {.name = "ProgressBar",
     .field = &TForm1::ProgressBar,
     .box = box(560, 16, 23, 417),
     .tabOrder = 1},
    {.name = "Panel1", .field = &TForm1::Panel1, .box = box(600, 192, 33, 241), .tabOrder = 2},
    LEVEL(1, 208),
    LEVEL(2, 176),
    LEVEL(3, 144),
    LEVEL(4, 112),
    LEVEL(5, 80),
    LEVEL(6, 40),
    LEVEL(7, 8),
    {.name = "StaticText1",
     .field = &TForm1::StaticText1,
     .box = box(592, 24, 41, 161),
     .font = kLevelCaptionFont,
     .alignment = TAlignment::taCenter,
     .color = forms::clMoneyGreen,
     .tabOrder = 4},
    {.name = "Timer", .field = &TForm1::Timer, .enabled = false, .onClick = &TForm1::TimerTimer},
};

#undef BALLOON
#undef LEVEL

}  // namespace

void TForm1::buildLayout() {
  Name = "Form1";
  SetCaption("Quilbora");
  SetBounds(263, 131, 656, 524);
  Position = forms::TPosition::poDesktopCenter;
  Color = forms::clBtnFace;
  Font = kWindowFont;
  Icon = "icon";
  AutoScroll = true;
  OnCreate = [this](TObject* s) { FormCreate(s); };
  buildFromLayout(*this, kLayout);
}

}  // namespace gomblo
