#include "game/gomblo.h"

#include "forms/application.h"
#include "game/unit1.h"

namespace gomblo {

int RunGame(forms::Backend& backend) {
  forms::TApplication application(backend);
  application.Title = kApplicationTitle;
  application.CreateForm(Form1);
  application.Run();
  // Freeing the application frees the main window, its controls and every winner dialog.
  return 0;
}

}  // namespace gomblo
