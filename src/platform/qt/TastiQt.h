#pragma once
// Qt key events in the program's key codes (platform/Tasti.h).
#include <QKeyEvent>

namespace platform {

// The key-down code: letters and digits as their capitals and digits, the
// editing and arrow keys as in Tasti.h, 110 for the keypad's decimal key; 0
// for a key without one.
int CodiceTasto(const QKeyEvent& evento);
// MascheraMaiuscolo, MascheraCtrl, MascheraAlt.
int MascheraShift(Qt::KeyboardModifiers modificatori);
// The key-press character: its Unicode code, 13 for Enter, 8 for Backspace,
// 27 for Esc, 9 for Tab; 0 for a key that types nothing.
int CodiceCarattere(const QKeyEvent& evento);

}  // namespace platform
