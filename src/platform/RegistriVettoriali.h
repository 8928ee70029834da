#pragma once
// The program is built for the plain 128-bit vector instructions. Library
// code, Qt's drawing above all, leaves the upper halves of the 256- and
// 512-bit registers in use; until they are cleared, every 128-bit
// instruction after it runs several times slower on some processors (an M-N
// domain after a chart repaint: 4.5 times). The event filter of the windows
// and the engine's entry points clear them.

namespace platform {

// The upper halves of the vector registers cleared, on a processor that has
// them; nothing elsewhere.
void PulisciRegistriVettoriali();

}  // namespace platform
