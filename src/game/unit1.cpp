#include "game/unit1.h"

#include <chrono>
#include <random>

#include "forms/application.h"
#include "game/game_tables.h"
#include "game/unit2.h"

namespace gomblo {

int balloonsOnScreen = 0;
int scoreStep = 0;
TForm1* Form1 = nullptr;

namespace {

bool onScreen(const TImage& balloon) { return balloon.Enabled() && balloon.Visible(); }

}  // namespace

int drawStartIndexFromClock() {
  // Reseeded on every tick, so the start follows the clock rather than a sequence.
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::mt19937 generator(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
  return std::uniform_int_distribution<int>(0, 11)(generator) + 1;
}

TForm1::TForm1(forms::TComponent* Owner) : TForm(Owner), drawStartIndex(drawStartIndexFromClock) {
  // A new game window starts a new game.
  balloonsOnScreen = 0;
  scoreStep = 0;
  buildLayout();
  for (std::size_t i = 0; i < kBalloons.size(); ++i)
    balloons_[i] = static_cast<TImage*>(FindComponent(kBalloons[i].name));
  levelButtons_ = {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                   RadioButton5, RadioButton6, RadioButton7};
  DoCreate();
}

void TForm1::FormCreate(TObject* Sender) {
  StaticText1->SetCaption("L\rI\rV\rE\rL\rL\rO");
  Radio(Sender);
}

void TForm1::Radio(TObject*) {
  for (std::size_t level = 0; level < levelButtons_.size(); ++level) {
    if (!levelButtons_[level]->Checked()) continue;
    Timer->SetInterval(kLevels[level].releaseIntervalMs);
    scoreStep = kLevels[level].scoreStep;
  }
}

void TForm1::viaClick(TObject* Sender) {
  if (Label1->Enabled()) {
    Label1->SetEnabled(false);
    Label1->Hide();
  }
  Radio(Sender);
  Inizio();
  ProgressBar->SetPosition(0);
  balloonsOnScreen = 0;
  via->SetEnabled(false);
  Timer->SetEnabled(true);
}

void TForm1::Inizio() {
  for (std::size_t i = 0; i < balloons_.size(); ++i) {
    TImage& b = *balloons_[i];
    b.SetLeft(kBalloons[i].left);
    b.SetTop(kBalloons[i].top);
    if (b.Enabled()) b.SetEnabled(false);
    if (b.Visible()) b.Hide();
  }
}

void TForm1::fine() {
  Timer->SetEnabled(false);
  forms::Application->MessageBox(kLostMessage);
  via->SetEnabled(true);
  viaClick(this);
}

void TForm1::Controllo() {
  Timer->SetEnabled(false);
  if (RadioButton7->Checked()) {
    auto* winner = new TForm2(this);
    winner->ShowModal();
    via->SetEnabled(true);
  } else {
    forms::Application->MessageBox(kPassedMessage);
    ProgressBar->SetPosition(0);
    via->SetEnabled(true);
  }
}

void TForm1::TimerTimer(TObject*) {
  const int start = drawStartIndex();
  // At most one full turn: a tick that finds every balloon out releases none.
  for (std::size_t step = 0; step < balloons_.size(); ++step) {
    const std::size_t i = (static_cast<std::size_t>(start - 1) + step) % balloons_.size();
    TImage& b = *balloons_[i];
    if (b.Enabled()) continue;
    ++balloonsOnScreen;
    b.SetLeft(kBalloons[i].left);
    b.SetTop(kBalloons[i].top);
    b.SetEnabled(true);
    b.Show();
    break;
  }
  if (balloonsOnScreen > 11) fine();
  if (ProgressBar->Position() >= kScoreMax) Controllo();
}

void TForm1::balloonMouseDown(TImage&, TMouseButton, TShiftState, int X, int Y) {
  grabX = X;
  grabY = Y;
}

void TForm1::balloonMouseMove(TImage& balloon, TShiftState Shift, int X, int Y) {
  // A balloon already let go stays where it was dropped, even if the press goes on.
  if (Shift != TShiftState(forms::ssLeft) || !onScreen(balloon)) return;
  balloon.SetTop(balloon.Top() + (Y - grabY));
  balloon.SetLeft(balloon.Left() + (X - grabX));
}

void TForm1::balloonMouseUp(TImage& balloon, TMouseButton, TShiftState, int, int) {
  // The rest of a press can still reach a balloon that was already dropped (another
  // button let go first, or a new round began meanwhile): it must not count twice.
  if (!onScreen(balloon)) return;
  std::size_t i = 0;
  while (balloons_[i] != &balloon) ++i;
  const bool hit = landsInBasket(kBalloons[i].colour, balloon.Left(), balloon.Top());
  --balloonsOnScreen;
  balloon.SetEnabled(false);
  balloon.Hide();
  if (hit)
    ProgressBar->SetPosition(ProgressBar->Position() + scoreStep);
  else
    forms::Application->Beep();
}

}  // namespace gomblo
