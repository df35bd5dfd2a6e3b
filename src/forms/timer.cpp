#include "forms/timer.h"

#include "forms/application.h"

namespace forms {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  peer_ = Application->Backend().CreateTimerPeer(*this);
  Restart();
}

TTimer::~TTimer() { peer_->Stop(); }

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::SetInterval(int intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  Restart();
}

void TTimer::Restart() {
  peer_->Stop();
  if (enabled_ && interval_ > 0) peer_->Start(interval_);
}

void TTimer::Fire() {
  if (enabled_ && OnTimer) OnTimer(this);
}

}  // namespace forms
