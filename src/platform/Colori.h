#pragma once
// Colours as 0xRRGGBB; QBColor gives the sixteen classic console colours by number.
#include <cstdint>

namespace platform {

using Colore = std::uint32_t;

// The system's own colours, as the window's style paints them.
inline constexpr Colore ColoreFacciaPulsante = 0x8000000F;
inline constexpr Colore ColoreSfondoFinestra = 0x80000005;
inline constexpr Colore ColoreGiallo = 0xFFFF00;

// n outside 0..15 gives black.
Colore QBColor(int n);

}  // namespace platform
