#pragma once
// The winner dialog, shown when the top level is passed.

#include "forms/button.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"

namespace gomblo {

class TForm2 : public forms::TForm {
 public:
  explicit TForm2(forms::TComponent* Owner);

  forms::TBitBtn* BitBtn1 = nullptr;
  forms::TImage* Image1 = nullptr;
  forms::TLabel* Label1 = nullptr;
};

inline constexpr const char* kWinnerCaption = "Vincitore";
inline constexpr const char* kWinnerTitle = "Sei il vincitore!";

}  // namespace gomblo
