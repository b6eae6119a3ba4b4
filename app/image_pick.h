// Picking a colour-table entry on the image: while the editor is open and the image view shows,
// a click on a pixel selects that pixel's entry in the editor.
#pragma once

#include <cstdint>

#include "app/shell.h"

// 1 with the entry of the pixel under the client point, when a click there would pick it: the
// editor open, the image view showing, the point on the image (not the background), and the
// pixel's index within the editor's table.
int PickableEntry(Shell& shell, int32_t x, int32_t y, uint32_t* index);
// A press of the left button at the client point: the editor selects the entry, as a click on
// its cell would; anything else does nothing.
void OnImageButtonDown(Shell& shell, int32_t x, int32_t y);
