#include "forms/control.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  if (parent_) {
    if (TForm* form = Form()) form->ControlGone(*this);
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

TForm* TControl::Form() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (auto* form = dynamic_cast<const TForm*>(c)) return const_cast<TForm*>(form);
  return nullptr;
}

TRect TControl::FormRect() const {
  TRect r = BoundsRect();
  for (const TControl* p = parent_; p && !dynamic_cast<const TForm*>(p); p = p->parent_) {
    r.left += p->left_;
    r.right += p->left_;
    r.top += p->top_;
    r.bottom += p->top_;
  }
  return r;
}

TFont TControl::EffectiveFont() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (c->Font) return *c->Font;
  return TFont{};
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const TRect old = PaintRect();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed(old);
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Changed(PaintRect());
}

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Changed(PaintRect());
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_) parent_->controls_.push_back(this);
  ParentChanged();
  Changed(PaintRect());
}

void TControl::Changed(const TRect&) {}

void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, b, s, x, y);
}
void TControl::MouseMove(TShiftState s, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, s, x, y);
}
void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, b, s, x, y);
}

void TGraphicControl::Changed(const TRect& oldFormRect) {
  if (TForm* form = Form()) form->WindowlessChanged(oldFormRect.united(PaintRect()));
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Children go before the native window they live in.
  DestroyComponents();
  for (TControl* child : controls_) child->parent_ = nullptr;
  controls_.clear();
  peer_.reset();
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (peer_ && CanFocus()) peer_->SetFocus();
}

void TWinControl::Changed(const TRect&) {
  Sync();
  if (TForm* form = Form(); form && form != this) form->ExtentMayHaveChanged();
}

void TWinControl::ParentChanged() {
  // The native window is made when the control first gets a parent that has one.
  if (!peer_ && Parent() && Parent()->Peer() && Application)
    peer_ = Application->Backend().CreateControlPeer(*this);
}

}  // namespace forms
