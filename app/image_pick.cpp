#include "app/image_pick.h"

#include "views/image_point.h"

int IndexUnderPoint(Shell& shell, int32_t x, int32_t y, uint32_t* index) {
    const BitmapImage* image = shell.document.image;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pixelX = 0;
    int32_t pixelY = 0;
    if (!shell.editor.IsOpen() || image == nullptr || !image->GetSize(&width, &height)) {
        return 0;
    }
    WindowRect client;
    shell.system.GetClientRect(client);
    return ImagePixelAt(shell.settings, client, width, height, x, y, &pixelX, &pixelY) &&
           image->GetPixelIndex(pixelX, pixelY, index);
}

void OnImageButtonDown(Shell& shell, int32_t x, int32_t y) {
    uint32_t index = 0;
    if (IndexUnderPoint(shell, x, y, &index)) {
        shell.editor.SelectEntry(index);
    }
}
