#pragma once
// The Qt 6 Widgets backend: one native window per form, native widgets for the
// windowed controls, QTimer, the plain message box and the system beep.

#include <functional>

#include "forms/backend.h"

class QDialog;

namespace forms::qt {

class QtBackend : public forms::Backend {
 public:
  // Sets the classic look and the program's identity; a QApplication must exist.
  QtBackend();

  std::unique_ptr<FormPeer> CreateFormPeer(TForm& form) override;
  std::unique_ptr<ControlPeer> CreateControlPeer(TWinControl& control) override;
  std::unique_ptr<TimerPeer> CreateTimerPeer(TTimer& timer) override;
  void MessageBox(std::string_view title, std::string_view text) override;
  void Beep() override;
  TSize MeasureText(const TFont& font, std::string_view text) override;
  int WrappedTextHeight(const TFont& font, std::string_view text, int width) override;
  TSize DesktopSize() override;
  void Run() override;
  void Quit() override;

  // Called with each message box once it is up (tests answer it from here).
  std::function<void(QDialog&)> onMessageBoxShown;
};

}  // namespace forms::qt
