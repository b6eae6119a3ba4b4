#include "views/image_point.h"

#include "views/paint_plan.h"

int ImagePixelAt(const DisplaySettings& settings,
                 const WindowRect& client,
                 int32_t imageWidth,
                 int32_t imageHeight,
                 int32_t x,
                 int32_t y,
                 int32_t* pixelX,
                 int32_t* pixelY) {
    PaintPlan plan = PlanPaint(settings, 1);
    const int64_t dx = int64_t{x} - client.left;
    const int64_t dy = int64_t{y} - client.top;
    const int64_t width = Width(client);
    const int64_t height = Height(client);
    if (dx < 0 || dy < 0 || dx >= width || dy >= height || imageWidth < 1 || imageHeight < 1) {
        return 0;
    }
    if (plan.stretchImage) {
        // The stretch maps the client area's pixel d to the image's d * image / client.
        *pixelX = static_cast<int32_t>(dx * imageWidth / width);
        *pixelY = static_cast<int32_t>(dy * imageHeight / height);
        return 1;
    }
    if (!plan.drawImage || dx >= imageWidth || dy >= imageHeight) {
        return 0;
    }
    *pixelX = static_cast<int32_t>(dx);
    *pixelY = static_cast<int32_t>(dy);
    return 1;
}
