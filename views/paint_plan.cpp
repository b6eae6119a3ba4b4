#include "views/paint_plan.h"

PaintPlan PlanPaint(const DisplaySettings& settings, int hasImage) {
    PaintPlan plan;
    if (settings.ViewData == 0) {
        return plan;
    }
    if (settings.ImageOption == 1 && hasImage) {
        plan.stretchImage = 1;
        return plan;
    }
    plan.fillBlack = settings.BgColor == 0;
    plan.drawImage = hasImage != 0;
    return plan;
}
