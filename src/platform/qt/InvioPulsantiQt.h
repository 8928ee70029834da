#pragma once
// Enter on a command button presses it, as the space bar does, in every
// window and dialog.
class QApplication;

namespace platform {

// Installed once on the application: every button from then on.
void InvioPremePulsanti(QApplication& app);

}  // namespace platform
