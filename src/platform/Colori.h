#pragma once
// Colours as 0xRRGGBB; QBColor gives the sixteen classic console colours by number.
#include <cstdint>

namespace platform {

using Colore = std::uint32_t;

// n outside 0..15 gives black.
Colore QBColor(int n);

}  // namespace platform
