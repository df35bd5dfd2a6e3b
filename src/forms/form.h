#pragma once
// A top-level window: paints its windowless controls, routes the mouse among its
// controls with the capture rules, and can be shown modally.

#include <string>
#include <vector>

#include "forms/button.h"
#include "forms/control.h"

namespace forms {

enum class TPosition { poDesigned, poDesktopCenter };
enum class DialogKey { Enter, Escape };

// The classic sizeable frame: what lies between the outer size and the client area.
struct FrameMetrics {
  int border = 4;
  int caption = 19;
};
inline constexpr FrameMetrics classicFrame{};

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  TPosition Position = TPosition::poDesigned;
  bool AutoScroll = true;
  // Name of the built-in icon shown in the caption bar.
  std::string Icon;
  TNotifyEvent OnCreate;

  // The outer size is Width x Height; the client area is what the frame leaves.
  int ClientWidth() const { return Width() - 2 * classicFrame.border; }
  int ClientHeight() const { return Height() - 2 * classicFrame.border - classicFrame.caption; }

  void Show();
  void Hide();
  void Close() { CloseRequested(); }
  // Shows the form over the others, which take no input meanwhile, until it closes.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult r);
  bool IsModal() const { return modal_; }

  // --- Reported by the backend.
  // A mouse event at client coordinates (x, y) that reached the form's own window.
  void DispatchMouse(MouseAction action, TMouseButton button, TShiftState shift, int x, int y);
  // The close box, the system menu or Alt+F4.
  void CloseRequested();
  // Enter or Esc that no focused control took.
  void DialogKeyPressed(DialogKey key);

  // --- Read by the backend.
  // The visible windowless controls, lowest first.
  std::vector<const TControl*> PaintOrder() const;
  // How far the visible controls reach right and down from the client origin.
  TSize ContentExtent() const;
  // Whether a modal box or another form's modal show blocks this form's input.
  bool InputBlocked() const { return blockedBy_ > 0; }
  // The control holding the mouse capture; the form itself counts too.
  bool HasCapture() const { return capture_.active; }
  TControl* CaptureHolder() const { return capture_.holder; }

  // --- Used by the layer itself.
  void WindowlessChanged(const TRect& formRect);
  void ExtentMayHaveChanged();
  void ControlGone(TControl& control);
  // A modal box is opening: the holder gets a left release at (-1, -1) first.
  void ReleaseCaptureForModal();
  void Block() { ++blockedBy_; }
  void Unblock() {
    if (blockedBy_ > 0) --blockedBy_;
  }

 protected:
  // Runs OnCreate; a window calls it once its whole layout is built.
  void DoCreate();

 private:
  FormPeer* formPeer() const { return static_cast<FormPeer*>(Peer()); }
  TControl* WindowlessControlAt(int x, int y) const;
  bool WindowedControlAt(int x, int y) const;
  void PlaceOnFirstShow();
  void FocusFirst();
  TButton* ButtonWith(bool TButton::*role) const;

  struct Capture {
    bool active = false;
    TControl* holder = nullptr;  // nullptr while the form itself holds it
  };
  std::string caption_;
  Capture capture_;
  int blockedBy_ = 0;
  bool shownOnce_ = false;
  bool modal_ = false;
  TModalResult modalResult_ = mrNone;
  TSize lastExtent_;
};

}  // namespace forms
