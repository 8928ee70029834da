#pragma once
// A window printed as it looks, on the system's default printer.
class QWidget;

namespace Generale {

void StampaFinestra(QWidget& finestra);

}  // namespace Generale
