// Picking a colour-table entry on the image: while the editor is open and the image view shows,
// a click on a pixel selects that pixel's entry in the editor.
#pragma once

#include <cstdint>

#include "app/shell.h"

// 1 with the colour-table index of the pixel under the client point while a click there picks:
// the editor open, the image view showing, the point on the image rather than the background.
int IndexUnderPoint(Shell& shell, int32_t x, int32_t y, uint32_t* index);
// A press of the left button at the client point: the editor selects the pixel's entry, as a
// click on its cell would; anything else, an index beyond the table included, does nothing.
void OnImageButtonDown(Shell& shell, int32_t x, int32_t y);
