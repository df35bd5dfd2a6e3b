#pragma once
// Controls: a place in their parent, flags, and mouse events.
// Windowless controls are painted by their form; windowed ones have a native peer.

#include <memory>
#include <optional>
#include <vector>

#include "forms/backend.h"
#include "forms/component.h"
#include "forms/graphics.h"

namespace forms {

class TForm;
class TWinControl;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  virtual bool IsWindowed() const = 0;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  void SetBounds(int left, int top, int width, int height);
  void SetVisible(bool v);
  void SetEnabled(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  // The box in the parent's client coordinates.
  TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  // The box in the form's client coordinates.
  TRect FormRect() const;
  // What painting the control may cover, in the form's client coordinates.
  virtual TRect PaintRect() const { return FormRect(); }

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  TForm* Form() const;

  // Own font, or the parent's when unset.
  std::optional<TFont> Font;
  TFont EffectiveFont() const;

  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnClick;

  // Delivery of a routed mouse event, X and Y relative to this control.
  void MouseDown(TMouseButton b, TShiftState s, int x, int y);
  void MouseMove(TShiftState s, int x, int y);
  void MouseUp(TMouseButton b, TShiftState s, int x, int y);

 protected:
  // Something shown changed: repaint or resync.
  virtual void Changed(const TRect& oldFormRect);
  virtual void ParentChanged() {}

 private:
  friend class TWinControl;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TWinControl* parent_ = nullptr;
};

// A control without a native window, painted by its form in creation order.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
  bool IsWindowed() const override { return false; }

 protected:
  void Changed(const TRect& oldFormRect) override;
};

// A control with a native window of its own, above every windowless one.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  bool IsWindowed() const override { return true; }

  // Children in the order they were parented, which is creation order.
  const std::vector<TControl*>& Controls() const { return controls_; }
  ControlPeer* Peer() const { return peer_.get(); }

  int TabOrder = 0;
  bool TabStop = false;
  virtual bool CanFocus() const;
  void SetFocus();

  TColor Color = clBtnFace;

 protected:
  void Changed(const TRect& oldFormRect) override;
  void ParentChanged() override;
  void SetPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }
  // Pushes the properties to the native side, if there is one yet.
  void Sync() {
    if (peer_) peer_->Sync();
  }

 private:
  friend class TControl;
  std::vector<TControl*> controls_;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace forms
