#pragma once
// The engine is built for the plain 128-bit vector instructions. Qt's
// drawing code fills images with the 256- and 512-bit ones and leaves their
// upper halves in use; until they are cleared, every 128-bit instruction
// after it runs several times slower on some processors (an M-N domain after
// a chart repaint: 4.5 times). Each event is therefore delivered with them
// cleared, so that every command starts at full speed.
class QApplication;

namespace platform {

// Installed once on the application: every event from then on.
void RegistriVettorialiPuliti(QApplication& app);

}  // namespace platform
