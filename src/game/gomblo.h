#pragma once
// The program's start-up: the application, its title, the main window, the loop.

#include "forms/backend.h"

namespace gomblo {

inline constexpr const char* kApplicationTitle = "Gomblo";

// Runs the game on `backend` until the main window closes; returns the exit code.
int RunGame(forms::Backend& backend);

}  // namespace gomblo
