#pragma once
// A window printed as it looks, through the print dialog, on the printer (or
// the PDF file) chosen there: its widgets drawn as vectors, one page a copy.
// Cancelling prints nothing; a failure is told once.
namespace platform {
class PrintDialog;
}
class QWidget;

namespace Generale {

// The dialog is the Qt one on the program's printer unless another is given.
void StampaFinestra(QWidget& finestra, platform::PrintDialog* dialogo = nullptr);

}  // namespace Generale
