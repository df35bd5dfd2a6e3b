#include "forms/qt/native.h"

#include "forms/form.h"

namespace forms::qt {

QWidget* nativeWidget(const TWinControl& control) {
  auto* peer = dynamic_cast<NativePeer*>(control.Peer());
  return peer ? peer->shown() : nullptr;
}

QWidget* clientArea(const TForm& form) {
  auto* peer = dynamic_cast<NativePeer*>(form.Peer());
  return peer ? peer->childHost() : nullptr;
}

}  // namespace forms::qt
