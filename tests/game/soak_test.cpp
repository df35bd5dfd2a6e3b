// A long random game: presses, moves and releases of every button with every modifier
// anywhere on (and off) the window, time passing, level changes, `via`, and message
// boxes and winner dialogs answered at random. After every event the game's state must
// still make sense. Reproducible from its seed; GOMBLO_SOAK_SEED and GOMBLO_SOAK_EVENTS
// change the seed and the length.

#include <array>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>

#include "game/unit2.h"
#include "game_fixture.h"
#include "soak_options.h"

namespace gomblo::testing {
namespace {

using forms::TRect;

class Soak {
 public:
  explicit Soak(std::uint64_t seed) : seed_(seed), rng_(seed) {
    app_.Title = "Gomblo";
    app_.CreateForm(gomblo::Form1);
    f_ = gomblo::Form1;
    f_->drawStartIndex = [this] {
      int enabled = 0;
      for (const TImage* b : f_->Balloons()) enabled += b->Enabled();
      expect(enabled <= 11, "a tick starts with " + std::to_string(enabled) + " balloons enabled");
      ++stats.ticks;
      return pick(1, 12);
    };
    backend_.onMessageBox = [this](const auto& box) { messageBox(box); };
    backend_.onModalForm = [this](forms::TForm& dialog) { winnerDialog(dialog); };
  }

  void run(long events) {
    checkState();
    for (event_ = 0; event_ < events && !failed_; ++event_) {
      step();
      checkState();
    }
  }

  bool failed() const { return failed_; }

  struct Stats {
    long ticks = 0, lost = 0, passed = 0, won = 0, hits = 0, blockedEvents = 0;
  } stats;

 private:
  // --- Randomness.
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool chance(int percent) { return pick(1, 100) <= percent; }

  // --- Failure reports carry the seed, the event and what led up to it.
  void expect(bool ok, const std::string& what) {
    if (ok || failed_) return;
    failed_ = true;
    std::ostringstream recent;
    for (std::size_t i = 0; i < log_.size(); ++i) {
      const std::string& line = log_[(logNext_ + i) % log_.size()];
      if (!line.empty()) recent << "\n  " << line;
    }
    ADD_FAILURE() << "soak seed " << seed_ << ", event " << event_ << (inBox_ ? " (box up)" : "")
                  << ": " << what << "\nlast events:" << recent.str()
                  << "\nagain with GOMBLO_SOAK_SEED=" << seed_
                  << " GOMBLO_SOAK_EVENTS=" << event_ + 1;
  }
  void note(std::string line) {
    log_[logNext_] = std::to_string(event_) + ": " + std::move(line);
    logNext_ = (logNext_ + 1) % log_.size();
  }

  // --- What the player does.
  TImage* randomBalloonOnScreen() {
    std::array<TImage*, 12> shown{};
    int n = 0;
    for (TImage* b : f_->Balloons())
      if (b->Enabled() && b->Visible()) shown[static_cast<std::size_t>(n++)] = b;
    return n ? shown[static_cast<std::size_t>(pick(0, n - 1))] : nullptr;
  }
  TImage* heldBalloon() const {
    return f_->HasCapture() ? dynamic_cast<TImage*>(f_->CaptureHolder()) : nullptr;
  }

  std::pair<int, int> somewhere() {
    const int r = pick(1, 100);
    if (r <= 35)
      if (TImage* b = randomBalloonOnScreen())
        return {pick(b->Left(), b->Left() + b->Width() - 1),
                pick(b->Top(), b->Top() + b->Height() - 1)};
    if (r <= 50) return {pick(20, 532), pick(370, 470)};   // the baskets
    if (r <= 60) return {pick(552, 647), pick(0, 497)};    // the side strip
    if (r <= 90) return {pick(-10, 660), pick(-10, 510)};  // the window
    return {pick(-3000, 3000), pick(-3000, 3000)};         // far off, negative too
  }

  TShiftState shiftFor(unsigned buttons) {
    if (chance(20)) return TShiftState::fromBits(static_cast<unsigned>(pick(0, 127)));
    unsigned bits = buttons;
    if (chance(8))
      bits |= std::array{forms::ssShift, forms::ssCtrl,
                         forms::ssAlt}[static_cast<std::size_t>(pick(0, 2))];
    return TShiftState::fromBits(bits);
  }
  TMouseButton anyButton() {
    const int r = pick(1, 100);
    return r <= 60   ? TMouseButton::mbLeft
           : r <= 85 ? TMouseButton::mbRight
                     : TMouseButton::mbMiddle;
  }

  void mouse(MouseAction action, TMouseButton button, TShiftState shift, int x, int y) {
    if (action == MouseAction::Down) held_ |= forms::shiftFlagOf(button);
    if (action == MouseAction::Up) held_ &= ~static_cast<unsigned>(forms::shiftFlagOf(button));
    if (action == MouseAction::Move) {
      lastX_ = x;
      lastY_ = y;
    }
    note(std::string(action == MouseAction::Down ? "down "
                     : action == MouseAction::Up ? "up "
                                                 : "move ") +
         "b" + std::to_string(static_cast<int>(button)) + " s" + std::to_string(shift.bits()) +
         " " + std::to_string(x) + "," + std::to_string(y));
    f_->DispatchMouse(action, button, shift, x, y);
  }

  void randomMouse() {
    const int r = pick(1, 100);
    const auto [x, y] = somewhere();
    if (r <= 45) {
      // A move; while a balloon is held, often one that carries it near its basket.
      TImage* b = heldBalloon();
      if (b && chance(40)) {
        const TRect r2 = basketBox(kBalloons[index(*b)].colour);
        const int left = pick(r2.left - 55, r2.right - 45), top = pick(r2.top - 55, r2.bottom - 45);
        mouse(MouseAction::Move, TMouseButton::mbLeft, shiftFor(held_), lastX_ + left - b->Left(),
              lastY_ + top - b->Top());
      } else {
        mouse(MouseAction::Move, TMouseButton::mbLeft, shiftFor(held_), x, y);
      }
    } else if (r <= 75) {
      const TMouseButton button = anyButton();
      lastX_ = x;
      lastY_ = y;
      mouse(MouseAction::Down, button, shiftFor(held_ | forms::shiftFlagOf(button)), x, y);
    } else {
      TMouseButton button = anyButton();
      if (held_ && chance(80))  // mostly a button that is down
        for (TMouseButton b : {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle})
          if (held_ & forms::shiftFlagOf(b)) button = b;
      mouse(MouseAction::Up, button,
            shiftFor(held_ & ~static_cast<unsigned>(forms::shiftFlagOf(button))), x, y);
    }
  }

  // A player who knows the game: picks a balloon and puts it in its basket.
  void goodDrop() {
    TImage* b = randomBalloonOnScreen();
    if (!b || f_->HasCapture() || held_) return;
    const int gx = pick(0, b->Width() - 1), gy = pick(0, b->Height() - 1);
    const TRect r = basketBox(kBalloons[index(*b)].colour);
    const int left = pick(r.left - 48, r.right - 52), top = pick(r.top - 48, r.bottom - 52);
    mouse(MouseAction::Down, TMouseButton::mbLeft, forms::ssLeft, b->Left() + gx, b->Top() + gy);
    checkState();
    mouse(MouseAction::Move, TMouseButton::mbLeft, forms::ssLeft, left + gx, top + gy);
    checkState();
    const int before = f_->ProgressBar->Position();
    mouse(MouseAction::Up, TMouseButton::mbLeft, TShiftState{}, left + gx, top + gy);
    stats.hits += f_->ProgressBar->Position() > before;
  }

  void step() {
    const int r = pick(1, 1000);
    if (r <= 600) {
      randomMouse();
    } else if (r <= 780) {
      goodDrop();
    } else if (r <= 940) {
      const int k = pick(1, 10);
      const std::int64_t next = backend_.NextTickIn();
      const std::int64_t ms = k <= 4 && next >= 0 ? next : k <= 7 ? pick(0, 400) : pick(0, 3500);
      note("advance " + std::to_string(ms));
      backend_.Advance(ms);
    } else if (r <= 970) {
      const int level = pick(1, 7);
      note("level " + std::to_string(level));
      levelButton(level)->Click();
    } else {
      note("via");
      started_ |= f_->via->Enabled();
      f_->via->Click();
    }
  }

  // --- Boxes and dialogs: the window is blocked, so whatever the mouse does is lost.
  struct Frozen {
    int count, bar, beeps;
    std::array<TRect, 12> places;
    std::array<bool, 12> enabled, visible;
    bool operator==(const Frozen&) const = default;
  };
  Frozen freeze() const {
    Frozen s{balloonsOnScreen, f_->ProgressBar->Position(), backend_.beeps, {}, {}, {}};
    for (std::size_t i = 0; i < 12; ++i) {
      s.places[i] = f_->Balloons()[i]->BoundsRect();
      s.enabled[i] = f_->Balloons()[i]->Enabled();
      s.visible[i] = f_->Balloons()[i]->Visible();
    }
    return s;
  }
  void whileBlocked() {
    inBox_ = true;
    expect(f_->InputBlocked(), "the main window takes input under a box");
    expect(!f_->Timer->Enabled(), "the timer runs under a box");
    expect(!f_->via->Enabled(), "via is enabled under a box");
    expect(!f_->HasCapture(), "a capture survived the box opening");
    checkCounts();
    if (chance(50)) {
      const Frozen before = freeze();
      for (int i = pick(1, 4); i > 0; --i) {
        randomMouse();
        ++stats.blockedEvents;
      }
      expect(freeze() == before, "a mouse event got through to the blocked window");
    }
  }
  void messageBox(const forms::headless::HeadlessBackend::Box& box) {
    const bool lost = box.text == kLostMessage, passed = box.text == kPassedMessage;
    expect(box.title == "Gomblo", "box titled " + box.title);
    expect(lost || passed, "unknown box: " + box.text);
    expect(!passed || !f_->RadioButton7->Checked(), "a message box for a win at level 7");
    stats.lost += lost;
    stats.passed += passed;
    note(lost ? "box: lost" : "box: passed");
    whileBlocked();
    inBox_ = false;
  }
  void winnerDialog(forms::TForm& dialog) {
    auto* winner = dynamic_cast<TForm2*>(&dialog);
    expect(winner != nullptr, "a modal form that is not the winner dialog");
    expect(f_->RadioButton7->Checked(), "a winner dialog below level 7");
    ++stats.won;
    note("winner dialog");
    whileBlocked();
    if (winner) {
      // The dialog itself takes input; none of it reaches the game.
      const Frozen before = freeze();
      for (int i = pick(0, 3); i > 0; --i) {
        const auto [x, y] = somewhere();
        winner->DispatchMouse(chance(50) ? MouseAction::Down : MouseAction::Up, anyButton(),
                              shiftFor(held_), x, y);
      }
      expect(freeze() == before, "the winner dialog's mouse reached the game");
      switch (pick(0, 3)) {
        case 0:
          winner->BitBtn1->Click();
          break;
        case 1:
          winner->DialogKeyPressed(forms::DialogKey::Enter);
          break;
        case 2:
          winner->DialogKeyPressed(forms::DialogKey::Escape);
          break;  // no cancel button
        default:
          break;  // left to its close box
      }
    }
    inBox_ = false;
  }

  // --- The invariants.
  void checkCounts() {
    int shown = 0;
    for (const TImage* b : f_->Balloons()) {
      shown += b->Enabled() && b->Visible();
      if (started_) expect(b->Enabled() == b->Visible(), b->Name + " is enabled xor visible");
    }
    expect(balloonsOnScreen == shown, "balloonsOnScreen " + std::to_string(balloonsOnScreen) +
                                          " but " + std::to_string(shown) + " on screen");
    expect(balloonsOnScreen >= 0 && balloonsOnScreen <= 12,
           "balloonsOnScreen " + std::to_string(balloonsOnScreen));
    const int bar = f_->ProgressBar->Position();
    expect(bar >= 0 && bar <= 1000, "bar at " + std::to_string(bar));
  }
  void checkState() {
    checkCounts();
    int checked = 0, level = 0;
    for (int n = 1; n <= 7; ++n)
      if (levelButton(n)->Checked()) {
        ++checked;
        level = n;
      }
    expect(checked == 1, std::to_string(checked) + " levels checked");
    if (level) {
      expect(
          f_->Timer->Interval() == kLevels[static_cast<std::size_t>(level - 1)].releaseIntervalMs,
          "interval does not match level " + std::to_string(level));
      expect(scoreStep == kLevels[static_cast<std::size_t>(level - 1)].scoreStep,
             "step does not match level " + std::to_string(level));
    }
    // Waiting or over: via on, timer off. Running: the other way round.
    expect(f_->via->Enabled() != f_->Timer->Enabled(),
           std::string("via ") + (f_->via->Enabled() ? "on" : "off") + " with the timer " +
               (f_->Timer->Enabled() ? "on" : "off"));
    expect(!f_->InputBlocked(), "the window is still blocked after the box");
    expect(!started_ || !f_->Label1->Visible(), "the instructions came back");
  }

  static std::size_t index(const TImage& b) {
    for (std::size_t i = 0; i < kBalloons.size(); ++i)
      if (kBalloons[i].name == b.Name) return i;
    return 0;
  }
  forms::TRadioButton* levelButton(int n) const {
    forms::TRadioButton* const buttons[] = {f_->RadioButton1, f_->RadioButton2, f_->RadioButton3,
                                            f_->RadioButton4, f_->RadioButton5, f_->RadioButton6,
                                            f_->RadioButton7};
    return buttons[n - 1];
  }

  std::uint64_t seed_;
  std::mt19937_64 rng_;
  forms::headless::HeadlessBackend backend_;
  forms::TApplication app_{backend_};
  TForm1* f_ = nullptr;
  long event_ = 0;
  bool failed_ = false, inBox_ = false, started_ = false;
  unsigned held_ = 0;  // the mouse buttons the player holds down, as shift bits
  int lastX_ = 0, lastY_ = 0;
  std::array<std::string, 16> log_{};
  std::size_t logNext_ = 0;
};

TEST(Soak, RandomPlayKeepsTheGameSound) {
  const SoakOptions& options = soakOptions();
  std::printf("soak: seed %llu, %ld events (GOMBLO_SOAK_SEED, GOMBLO_SOAK_EVENTS)\n",
              static_cast<unsigned long long>(options.seed), options.events);
  Soak soak(options.seed);
  soak.run(options.events);
  const auto& s = soak.stats;
  std::printf("soak: %ld ticks, %ld hits, %ld lost, %ld passed, %ld won, %ld events under boxes\n",
              s.ticks, s.hits, s.lost, s.passed, s.won, s.blockedEvents);
  // A run of the default length must have been through every ending, or it proves little.
  if (!soak.failed() && options.events >= 100000) {
    EXPECT_GT(s.lost, 0);
    EXPECT_GT(s.passed, 0);
    EXPECT_GT(s.won, 0);
    EXPECT_GT(s.blockedEvents, 0);
  }
}

}  // namespace
}  // namespace gomblo::testing
