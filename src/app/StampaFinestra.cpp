#include "app/StampaFinestra.h"

#include <exception>
#include <functional>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "drawing/AvvisoStampa.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/Stampante.h"
#include "platform/qt/PrintDialogQt.h"
#include "platform/qt/StampanteQt.h"

namespace Generale {

namespace {

// The dialog, then one copy after the other, each begun on a new page.
void Stampa(const std::function<void(platform::StampanteQt&)>& disegna,
            platform::PrintDialog* dialogo) {
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
      disegna(*stampante);
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

}  // namespace

void StampaFinestra(QWidget& finestra, platform::PrintDialog* dialogo) {
  Stampa([&finestra](platform::StampanteQt& s) { s.DisegnaFinestra(finestra); }, dialogo);
}

void StampaTabella(const QStringList& titolo, const platform::FlexGrid& griglia,
                   platform::PrintDialog* dialogo) {
  Stampa([&](platform::StampanteQt& s) { s.DisegnaTabella(titolo, griglia); }, dialogo);
}

}  // namespace Generale
