// Settings of the memory surface used where GDI is not available.
#pragma once

#include <cstdint>

// Surfaces whose pixel memory would exceed this many bytes are refused (default 1 GiB).
// Tools and tests may lower it; returns the previous limit.
uint32_t SetMemorySurfaceLimit(uint32_t bytes);
