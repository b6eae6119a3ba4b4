// What one paint of the main window's client area draws. The report control covers the client
// area in the text view, so nothing is drawn there.
#pragma once

#include "views/display_settings.h"

struct PaintPlan {
    int stretchImage = 0;  // the whole image stretched over the whole client area, and nothing else
    int fillBlack = 0;     // the client area filled with black (white otherwise, the class background)
    int drawImage = 0;     // then the image unscaled with its top-left corner at 0, 0
};

PaintPlan PlanPaint(const DisplaySettings& settings, int hasImage);
