#pragma once
// Native Qt widgets for the windowed controls. Each peer only copies the control's
// properties onto its widget and reports clicks back; the control decides what they do.

#include <memory>

#include "forms/backend.h"
#include "forms/control.h"

namespace forms::qt {

// A peer for `control`, a child of its parent's native widget.
std::unique_ptr<ControlPeer> createControlPeer(TWinControl& control);

}  // namespace forms::qt
