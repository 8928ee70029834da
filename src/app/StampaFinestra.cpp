#include "app/StampaFinestra.h"

#include <exception>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "drawing/AvvisoStampa.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/Stampante.h"
#include "platform/qt/PrintDialogQt.h"
#include "platform/qt/StampanteQt.h"

namespace Generale {

void StampaFinestra(QWidget& finestra, platform::PrintDialog* dialogo) {
  namespace Errori = platform::Errori;
  auto* stampante = dynamic_cast<platform::StampanteQt*>(platform::Stampante());
  if (!stampante) {
    Grafica::AvvisaErroreStampa(
        platform::ErroreEsecuzione(Errori::PerifericaNonDisponibile, "Nessuna stampante"));
    return;
  }
  platform::PrintDialogQt dialogoQt(stampante->Printer());
  platform::PrintDialog& scelta = dialogo ? *dialogo : dialogoQt;
  scelta.CancelError = true;
  try {
    scelta.ShowPrinter();
    // Printed as laid out now, not as the last pass of the event loop left it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (int copia = 1; copia <= scelta.Copies; ++copia) {
      if (copia > 1) stampante->NewPage();
      stampante->DisegnaFinestra(finestra);
    }
    stampante->EndDoc();
  } catch (const platform::ErroreEsecuzione& errore) {
    if (errore.Numero() == Errori::DialogoAnnullato) return;
    stampante->KillDoc();
    Grafica::AvvisaErroreStampa(errore);
  } catch (const std::exception& errore) {
    stampante->KillDoc();
    Grafica::AvvisaErroreStampa(platform::ErroreEsecuzione(Errori::ErroreInterno, errore.what()));
  }
}

}  // namespace Generale
