#include "model/palette_file.h"
