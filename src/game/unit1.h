#pragma once
// The main window: the playing surface and the rules of the game.

#include <array>
#include <functional>

#include "forms/button.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/panel.h"
#include "forms/progress_bar.h"
#include "forms/radio_button.h"
#include "forms/static_text.h"
#include "forms/timer.h"

namespace gomblo {

using forms::TButton;
using forms::TImage;
using forms::TLabel;
using forms::TMouseButton;
using forms::TObject;
using forms::TPanel;
using forms::TProgressBar;
using forms::TRadioButton;
using forms::TShiftState;
using forms::TStaticText;
using forms::TTimer;

// Each balloon's own three mouse handlers; what they do is written once.
#define GOMBLO_BALLOON_HANDLERS(balloon)                                                    \
  void balloon##MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) { \
    balloonMouseDown(*balloon, Button, Shift, X, Y);                                        \
  }                                                                                         \
  void balloon##MouseMove(TObject*, TShiftState Shift, int X, int Y) {                      \
    balloonMouseMove(*balloon, Shift, X, Y);                                                \
  }                                                                                         \
  void balloon##MouseUp(TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {   \
    balloonMouseUp(*balloon, Button, Shift, X, Y);                                          \
  }

class TForm1 : public forms::TForm {
 public:
  explicit TForm1(forms::TComponent* Owner);

  TImage* azzurro2 = nullptr;
  TImage* blu1 = nullptr;
  TImage* rosso1 = nullptr;
  TImage* giallo3 = nullptr;
  TButton* via = nullptr;
  TImage* cesazz = nullptr;
  TImage* cesros = nullptr;
  TImage* cesgial = nullptr;
  TImage* cesblu = nullptr;
  TImage* azzurro3 = nullptr;
  TImage* azzurro1 = nullptr;
  TImage* blu2 = nullptr;
  TImage* blu3 = nullptr;
  TImage* giallo2 = nullptr;
  TImage* giallo1 = nullptr;
  TImage* rosso2 = nullptr;
  TImage* rosso3 = nullptr;
  TProgressBar* ProgressBar = nullptr;
  TTimer* Timer = nullptr;
  TPanel* Panel1 = nullptr;
  TRadioButton* RadioButton1 = nullptr;
  TRadioButton* RadioButton2 = nullptr;
  TRadioButton* RadioButton3 = nullptr;
  TRadioButton* RadioButton4 = nullptr;
  TRadioButton* RadioButton5 = nullptr;
  TRadioButton* RadioButton6 = nullptr;
  TRadioButton* RadioButton7 = nullptr;
  TPanel* Panel2 = nullptr;
  TStaticText* StaticText1 = nullptr;
  TLabel* Label1 = nullptr;

  void Inizio();
  void Controllo();
  void fine();
  GOMBLO_BALLOON_HANDLERS(rosso1)
  GOMBLO_BALLOON_HANDLERS(rosso2)
  GOMBLO_BALLOON_HANDLERS(rosso3)
  GOMBLO_BALLOON_HANDLERS(azzurro1)
  GOMBLO_BALLOON_HANDLERS(azzurro2)
  GOMBLO_BALLOON_HANDLERS(azzurro3)
  GOMBLO_BALLOON_HANDLERS(giallo1)
  GOMBLO_BALLOON_HANDLERS(giallo2)
  GOMBLO_BALLOON_HANDLERS(giallo3)
  GOMBLO_BALLOON_HANDLERS(blu1)
  GOMBLO_BALLOON_HANDLERS(blu2)
  GOMBLO_BALLOON_HANDLERS(blu3)
  void TimerTimer(TObject* Sender);
  void viaClick(TObject* Sender);
  void Radio(TObject* Sender);
  void FormCreate(TObject* Sender);

  // Where each tick's scan starts, 1 to 12. By default a fresh draw from a generator
  // reseeded from the high-resolution clock on every tick; tests put a script here.
  std::function<int()> drawStartIndex;

  // The balloons in release order.
  const std::array<TImage*, 12>& Balloons() const { return balloons_; }

 private:
  void balloonMouseDown(TImage& balloon, TMouseButton Button, TShiftState Shift, int X, int Y);
  void balloonMouseMove(TImage& balloon, TShiftState Shift, int X, int Y);
  void balloonMouseUp(TImage& balloon, TMouseButton Button, TShiftState Shift, int X, int Y);
  void buildLayout();

  int grabX = 0;
  int grabY = 0;
  std::array<TImage*, 12> balloons_{};
  std::array<TRadioButton*, 7> levelButtons_{};
};

#undef GOMBLO_BALLOON_HANDLERS

// Balloons released and not yet dropped in this round.
extern int balloonsOnScreen;
// Points one correct drop adds at the chosen level.
extern int scoreStep;
extern TForm1* Form1;

inline constexpr const char* kLostMessage = "Non hai superato questo livello: prova ancora!";
inline constexpr const char* kPassedMessage =
    "Hai superato il livello in cui ti trovi, se vuoi puoi aumentare il livello di una "
    "posizione e riprovare";

// A start index 1..12, reseeding from the high-resolution clock first.
int drawStartIndexFromClock();

}  // namespace gomblo
