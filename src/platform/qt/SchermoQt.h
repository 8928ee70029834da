#pragma once
// Windows kept whole on the screen. Every top-level window, as it is shown
// and as it grows, is limited to the screen's available area with its frame,
// and placed so that its title bar and edges are on that area. Content that
// cannot fit goes into a scroll area.
class QApplication;
class QScrollArea;
class QWidget;

namespace platform {

// Installed once on the application: every window from then on.
void TieniFinestreNelloSchermo(QApplication& app);

// The window brought within its screen's available area, frame included.
void AdattaAlloSchermo(QWidget& finestra);

// The width at which the window's title bar shows its title whole: the title
// in bold, as title bars draw it, beside the icon and the buttons.
int LarghezzaPerIlTitolo(const QWidget& finestra);
// For a dialog whose layout takes its width from its content (a message or an
// input box): riga, one of its widgets, as wide as the whole title asks.
void RigaPerIlTitolo(const QWidget& dialogo, QWidget& riga);

// The window at the size its content asks, then brought within the screen:
// after a part of it opens or closes.
void AdattaAlContenuto(QWidget& finestra);

// contenuto in a frameless scroll area that follows its size where the
// screen allows, scrolling where it does not. The wheel over one of its
// lists scrolls, unless the list has the focus.
QScrollArea* Scorrevole(QWidget* contenuto);

}  // namespace platform
