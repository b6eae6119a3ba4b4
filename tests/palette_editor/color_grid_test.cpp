#include <gtest/gtest.h>

#include "palette_editor/color_grid.h"
