#include "game/unit2.h"

#include "game/layout.h"

namespace gomblo {

namespace {

using Row = LayoutRow<TForm2>;

const Row kLayout[] = {
    {.name = "Image1",
     .field = &TForm2::Image1,
     .box = box(120, 56, 169, 209),
     .picture = "trophy"},
    {.name = "Label1",
     .field = &TForm2::Label1,
     .box = box(64, 8, 265, 37),
     .caption = kWinnerTitle,
     .font = forms::TFont{"Arial", -32, true, forms::clRed},
     .alignment = forms::taCenter,
     .autoSize = true},
    {.name = "BitBtn1", .field = &TForm2::BitBtn1, .box = box(160, 272, 75, 25), .tabOrder = 0},
};

}  // namespace

TForm2::TForm2(forms::TComponent* Owner) : TForm(Owner) {
  Name = "Form2";
  SetCaption(kWinnerCaption);
  SetBounds(380, 186, 395, 355);
  Position = forms::TPosition::poDesktopCenter;
  Font = forms::TFont{};
  Icon = "icon";
  buildFromLayout(*this, kLayout);
  BitBtn1->SetKind(forms::TBitBtnKind::bkOK);
}

}  // namespace gomblo
