#include "forms/headless/headless_backend.h"

#include <algorithm>
#include <limits>

#include "forms/form.h"
#include "forms/timer.h"

namespace forms::headless {

namespace {

class NullControlPeer : public ControlPeer {
 public:
  void Sync() override {}
  void SetFocus() override {}
};

class FormWindow : public FormPeer {
 public:
  FormWindow(TForm& form, HeadlessBackend& backend) : form_(form), backend_(backend) {}
  void Sync() override {}
  void SetFocus() override {}
  void Invalidate(const TRect&) override {}
  void ExtentChanged() override {}
  void Show() override {}
  void Hide() override {}
  void RunModal() override {
    ++backend_.modalForms;
    ended_ = false;
    if (backend_.onModalForm) backend_.onModalForm(form_);
    if (!ended_) form_.CloseRequested();
  }
  void EndModal() override { ended_ = true; }

 private:
  TForm& form_;
  HeadlessBackend& backend_;
  bool ended_ = false;
};

}  // namespace

class HeadlessBackend::Timer : public TimerPeer {
 public:
  Timer(HeadlessBackend& backend, TTimer& timer) : backend_(backend), timer_(timer) {}
  ~Timer() override { Stop(); }
  void Start(int intervalMs) override {
    Stop();
    id_ = backend_.nextTimerId_++;
    backend_.running_[id_] = {&timer_, intervalMs, backend_.now_ + intervalMs};
  }
  void Stop() override { backend_.running_.erase(id_); }

 private:
  HeadlessBackend& backend_;
  TTimer& timer_;
  std::uint64_t id_ = std::numeric_limits<std::uint64_t>::max();
};

std::unique_ptr<FormPeer> HeadlessBackend::CreateFormPeer(TForm& form) {
  return std::make_unique<FormWindow>(form, *this);
}

std::unique_ptr<ControlPeer> HeadlessBackend::CreateControlPeer(TWinControl&) {
  return std::make_unique<NullControlPeer>();
}

std::unique_ptr<TimerPeer> HeadlessBackend::CreateTimerPeer(TTimer& timer) {
  return std::make_unique<Timer>(*this, timer);
}

void HeadlessBackend::MessageBox(std::string_view title, std::string_view text) {
  boxes.push_back({std::string(title), std::string(text)});
  if (onMessageBox) onMessageBox(boxes.back());
}

TSize HeadlessBackend::MeasureText(const TFont& font, std::string_view text) {
  // A rough average glyph width; enough for sizes to follow the text and the font.
  const int px = font.pixelSize();
  return {static_cast<int>(text.size()) * px * (font.Bold ? 6 : 5) / 10, px * 115 / 100};
}

int HeadlessBackend::WrappedTextHeight(const TFont& font, std::string_view text, int width) {
  const TSize line = MeasureText(font, text);
  const int lines = width > 0 ? (line.width + width - 1) / width : 1;
  return std::max(1, lines) * line.height;
}

std::int64_t HeadlessBackend::NextTickIn() const {
  std::int64_t best = -1;
  for (const auto& [id, s] : running_)
    if (best < 0 || s.due - now_ < best) best = s.due - now_;
  return best;
}

void HeadlessBackend::Advance(std::int64_t ms) {
  const std::int64_t target = now_ + ms;
  for (;;) {
    auto earliest = running_.end();
    for (auto it = running_.begin(); it != running_.end(); ++it)
      if (it->second.due <= target &&
          (earliest == running_.end() || it->second.due < earliest->second.due))
        earliest = it;
    if (earliest == running_.end()) break;
    now_ = earliest->second.due;
    earliest->second.due += earliest->second.interval;
    earliest->second.timer->Fire();  // may stop or restart any timer
  }
  now_ = std::max(now_, target);  // a handler may have moved the clock on by itself
}

}  // namespace forms::headless
