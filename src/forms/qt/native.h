#pragma once
// Access from the layer's objects to the Qt widgets that show them (for the backend
// itself and for tests that drive real input).

#include <QWidget>

#include "forms/control.h"

namespace forms {
class TForm;
}

namespace forms::qt {

// Implemented by every Qt peer.
class NativePeer {
 public:
  virtual ~NativePeer() = default;
  // Where the control's children live: for a form, its client-area canvas.
  virtual QWidget* childHost() = 0;
  // The widget that shows the control: for a form, its top-level window.
  virtual QWidget* shown() = 0;
};

// The top-level window of a form, or the widget of a windowed control.
QWidget* nativeWidget(const TWinControl& control);
// The widget covering a form's client area, which paints its windowless controls.
QWidget* clientArea(const TForm& form);

}  // namespace forms::qt
