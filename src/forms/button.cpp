#include "forms/button.h"

#include "forms/form.h"

namespace forms {

TButton::TButton(TComponent* owner) : TWinControl(owner) { TabStop = true; }

void TButton::Click() {
  if (!Enabled()) return;
  if (OnClick) OnClick(this);
  if (ModalResult != mrNone)
    if (TForm* form = Form()) form->SetModalResult(ModalResult);
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  if (kind == TBitBtnKind::bkOK) {
    Caption = "OK";
    Glyph = "check";
    Default = true;
    ModalResult = mrOk;
  }
  Sync();
}

}  // namespace forms
