#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"

namespace forms {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  Application->AddForm(*this);
  SetPeer(Application->Backend().CreateFormPeer(*this));
}

TForm::~TForm() {
  DestroyComponents();
  Application->RemoveForm(*this);
}

void TForm::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Sync();
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::PlaceOnFirstShow() {
  if (shownOnce_) return;
  shownOnce_ = true;
  if (Position == TPosition::poDesktopCenter) {
    const TSize desktop = Application->Backend().DesktopSize();
    // Integer halves round toward zero; a window larger than the desktop starts at 0.
    SetBounds(std::max(0, (desktop.width - Width()) / 2),
              std::max(0, (desktop.height - Height()) / 2), Width(), Height());
  }
}

void TForm::FocusFirst() {
  std::vector<TWinControl*> candidates;
  for (TControl* c : Controls())
    if (auto* w = dynamic_cast<TWinControl*>(c)) candidates.push_back(w);
  std::stable_sort(
      candidates.begin(), candidates.end(),
      [](const TWinControl* a, const TWinControl* b) { return a->TabOrder < b->TabOrder; });
  for (TWinControl* w : candidates)
    if (w->TabStop && w->CanFocus()) {
      w->SetFocus();
      return;
    }
}

void TForm::Show() {
  PlaceOnFirstShow();
  SetVisible(true);
  formPeer()->Show();
  FocusFirst();
}

void TForm::Hide() {
  SetVisible(false);
  formPeer()->Hide();
}

TModalResult TForm::ShowModal() {
  Application->BeginModal(this);
  modalResult_ = mrNone;
  modal_ = true;
  PlaceOnFirstShow();
  SetVisible(true);
  FocusFirst();
  formPeer()->RunModal();
  modal_ = false;
  Hide();
  Application->EndModal(this);
  return modalResult_;
}

void TForm::SetModalResult(TModalResult r) {
  modalResult_ = r;
  if (modal_ && r != mrNone) formPeer()->EndModal();
}

void TForm::CloseRequested() {
  if (modal_)
    SetModalResult(mrCancel);
  else if (Application->MainForm() == this)
    Application->Terminate();
  else
    Hide();
}

TButton* TForm::ButtonWith(bool TButton::*role) const {
  for (TComponent* c : Components())
    if (auto* b = dynamic_cast<TButton*>(c); b && b->*role && b->CanFocus()) return b;
  return nullptr;
}

void TForm::DialogKeyPressed(DialogKey key) {
  if (InputBlocked()) return;
  if (TButton* b = ButtonWith(key == DialogKey::Enter ? &TButton::Default : &TButton::Cancel))
    b->Click();
}

TControl* TForm::WindowlessControlAt(int x, int y) const {
  const auto& cs = Controls();
  for (auto it = cs.rbegin(); it != cs.rend(); ++it) {
    const TControl* c = *it;
    if (!c->IsWindowed() && c->Visible() && c->Enabled() && c->BoundsRect().contains(x, y))
      return const_cast<TControl*>(c);
  }
  return nullptr;
}

bool TForm::WindowedControlAt(int x, int y) const {
  return std::any_of(Controls().begin(), Controls().end(), [&](const TControl* c) {
    return c->IsWindowed() && c->Visible() && c->BoundsRect().contains(x, y);
  });
}

void TForm::DispatchMouse(MouseAction action, TMouseButton button, TShiftState shift, int x,
                          int y) {
  if (InputBlocked()) return;
  const bool captured = capture_.active;
  TControl* target = nullptr;
  if (captured) {
    target = capture_.holder;
  } else if (!WindowedControlAt(x, y)) {  // a windowed control takes its own events
    target = WindowlessControlAt(x, y);
  }
  if (button == TMouseButton::mbLeft) {
    if (action == MouseAction::Down && !captured) capture_ = {true, target};
    if (action == MouseAction::Up && captured) capture_ = {};
  }
  if (!target) return;  // the form has no mouse handlers of its own
  const TRect r = target->FormRect();
  const int lx = x - r.left, ly = y - r.top;
  switch (action) {
    case MouseAction::Down:
      target->MouseDown(button, shift, lx, ly);
      break;
    case MouseAction::Move:
      target->MouseMove(shift, lx, ly);
      break;
    case MouseAction::Up:
      target->MouseUp(button, shift, lx, ly);
      break;
  }
}

void TForm::ReleaseCaptureForModal() {
  if (!capture_.active) return;
  TControl* holder = capture_.holder;
  capture_ = {};
  if (holder) holder->MouseUp(TMouseButton::mbLeft, TShiftState{}, -1, -1);
}

void TForm::ControlGone(TControl& control) {
  if (capture_.holder == &control) capture_ = {};
}

std::vector<const TControl*> TForm::PaintOrder() const {
  std::vector<const TControl*> out;
  for (const TControl* c : Controls())
    if (!c->IsWindowed() && c->Visible()) out.push_back(c);
  return out;
}

TSize TForm::ContentExtent() const {
  TSize s;
  for (const TControl* c : Controls()) {
    if (!c->Visible()) continue;
    s.width = std::max(s.width, c->Left() + c->Width());
    s.height = std::max(s.height, c->Top() + c->Height());
  }
  return s;
}

void TForm::WindowlessChanged(const TRect& formRect) {
  if (Peer()) formPeer()->Invalidate(formRect);
  ExtentMayHaveChanged();
}

void TForm::ExtentMayHaveChanged() {
  if (!AutoScroll || !Peer()) return;
  const TSize extent = ContentExtent();
  if (extent == lastExtent_) return;
  lastExtent_ = extent;
  formPeer()->ExtentChanged();
}

}  // namespace forms
