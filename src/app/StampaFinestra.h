#pragma once
// A window printed as it looks, or a grid printed whole, through the print
// dialog, on the printer (or the PDF file) chosen there: texts stay texts.
// Cancelling prints nothing; a failure is told once.
#include <QStringList>

namespace platform {
class FlexGrid;
class PrintDialog;
}  // namespace platform
class QWidget;

namespace Generale {

// The dialog is the Qt one on the program's printer unless another is given.
// One page a copy.
void StampaFinestra(QWidget& finestra, platform::PrintDialog* dialogo = nullptr);
// Every row of the grid under the title, on as many pages as it takes.
void StampaTabella(const QStringList& titolo, const platform::FlexGrid& griglia,
                   platform::PrintDialog* dialogo = nullptr);

}  // namespace Generale
