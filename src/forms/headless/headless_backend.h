#pragma once
// A backend without a screen: a virtual clock, recorded message boxes and beeps,
// and scripted answers for modal forms. Fast and deterministic, for tests and benchmarks.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/backend.h"

namespace forms::headless {

class HeadlessBackend : public forms::Backend {
 public:
  struct Box {
    std::string title, text;
  };

  // --- Virtual clock.
  std::int64_t Now() const { return now_; }
  // Moves the clock on by `ms`, firing every tick that falls due, in time order.
  void Advance(std::int64_t ms);
  // Time until the earliest running timer ticks, or -1 when none runs.
  std::int64_t NextTickIn() const;

  // --- What the player saw and heard.
  std::vector<Box> boxes;
  int beeps = 0;
  // Called while a message box is up, before it is closed.
  std::function<void(const Box&)> onMessageBox;
  // Called while a form is shown modally; it answers by closing the form (a button,
  // a key, the close box). A form left open is closed with its close box.
  std::function<void(TForm&)> onModalForm;
  int modalForms = 0;

  // --- forms::Backend
  std::unique_ptr<FormPeer> CreateFormPeer(TForm& form) override;
  std::unique_ptr<ControlPeer> CreateControlPeer(TWinControl& control) override;
  std::unique_ptr<TimerPeer> CreateTimerPeer(TTimer& timer) override;
  void MessageBox(std::string_view title, std::string_view text) override;
  void Beep() override { ++beeps; }
  TSize MeasureText(const TFont& font, std::string_view text) override;
  int WrappedTextHeight(const TFont& font, std::string_view text, int width) override;
  TSize DesktopSize() override { return desktop; }
  void Run() override {}
  void Quit() override { quitRequested = true; }

  TSize desktop{1920, 1080};
  bool quitRequested = false;

 private:
  class Timer;
  struct Schedule {
    TTimer* timer;
    int interval;
    std::int64_t due;
  };
  std::int64_t now_ = 0;
  std::map<std::uint64_t, Schedule> running_;  // by timer id, so ties fire in start order
  std::uint64_t nextTimerId_ = 0;
};

}  // namespace forms::headless
