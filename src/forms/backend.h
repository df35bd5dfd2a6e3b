#pragma once
// The one narrow interface between the component layer and a toolkit.
// The layer decides what happens; a backend only shows it and reports input.

#include <memory>
#include <string_view>

#include "forms/graphics.h"
#include "forms/types.h"

namespace forms {

class TForm;
class TWinControl;
class TTimer;

// The native side of a windowed control.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  // Re-read every property of the control and show it.
  virtual void Sync() = 0;
  virtual void SetFocus() = 0;
};

// The native window of a form.
class FormPeer : public ControlPeer {
 public:
  // Windowless controls changed in this client rectangle and must be repainted.
  virtual void Invalidate(const TRect& clientRect) = 0;
  // The extent of the visible controls changed (the scroll bars may come or go).
  virtual void ExtentChanged() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Shows the window and runs a nested loop until EndModal.
  virtual void RunModal() = 0;
  virtual void EndModal() = 0;
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  // Starts the wait afresh: the next tick comes one full interval from now.
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::unique_ptr<FormPeer> CreateFormPeer(TForm& form) = 0;
  // The control's parent already has its peer.
  virtual std::unique_ptr<ControlPeer> CreateControlPeer(TWinControl& control) = 0;
  virtual std::unique_ptr<TimerPeer> CreateTimerPeer(TTimer& timer) = 0;

  // The plain modal message box: returns when the player has closed it.
  virtual void MessageBox(std::string_view title, std::string_view text) = 0;
  virtual void Beep() = 0;

  virtual TSize MeasureText(const TFont& font, std::string_view text) = 0;
  // The height of `text` wrapped at word boundaries within `width`.
  virtual int WrappedTextHeight(const TFont& font, std::string_view text, int width) = 0;
  // The size of the virtual screen spanning all monitors.
  virtual TSize DesktopSize() = 0;

  virtual void Run() = 0;
  virtual void Quit() = 0;
};

}  // namespace forms
