#pragma once
// A non-visual timer: one tick per Interval while Enabled.

#include <memory>

#include "forms/backend.h"
#include "forms/component.h"

namespace forms {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  int Interval() const { return interval_; }
  // Switching on starts the wait afresh; switching to the state it has changes nothing.
  void SetEnabled(bool enabled);
  // A different interval while on starts the wait afresh; the same one changes nothing.
  void SetInterval(int intervalMs);
  TNotifyEvent OnTimer;

  // A tick from the backend.
  void Fire();

 private:
  void Restart();
  bool enabled_ = true;
  int interval_ = 1000;
  std::unique_ptr<TimerPeer> peer_;
};

}  // namespace forms
