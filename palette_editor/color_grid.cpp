#include "palette_editor/color_grid.h"
