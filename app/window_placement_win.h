// Where the main window may open on the monitors as they are now.
#pragma once

#include "views/geometry.h"

// Moves a remembered rectangle whose caption no monitor's work area would show enough of onto
// the nearest work area (see FitRectToWorkAreas).
void FitWindowRectToMonitors(WindowRect& rect);
