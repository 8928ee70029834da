#pragma once
// Each event is delivered with the upper halves of the vector registers
// cleared (see platform/RegistriVettoriali.h), so that a command given after
// a repaint starts at full speed.
class QApplication;

namespace platform {

// Installed once on the application: every event from then on.
void RegistriVettorialiPuliti(QApplication& app);

}  // namespace platform
