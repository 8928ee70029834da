#pragma once
// Qt's own texts in Italian: the buttons of message boxes and the file and
// print dialogs speak the program's language, whatever the system's.
class QApplication;

namespace platform {

// False when the system has no Italian translation of Qt installed.
bool TraduciQtInItaliano(QApplication& app);

}  // namespace platform
