#include "drawing/AvvisoStampa.h"

#include <string>

#include "platform/MsgBox.h"

namespace Grafica {

namespace {

namespace Errori = platform::Errori;

std::string Testo(const platform::ErroreEsecuzione& errore) {
  switch (errore.Numero()) {
    case Errori::Stampante: return "Errore generico della stampante.";
    case Errori::ProprietaStampante:
      return "Il driver della stampante non supporta la proprietà specificata.";
    case Errori::InformazioniStampante:
      return "Problemi di recupero delle informazioni sulla stampante nel sistema.\r\n"
             "Verificare che la stampante sia impostata correttamente.";
    case Errori::IngressoUscita: return "La stampante potrebbe essere spenta.";
    case Errori::PerifericaNonDisponibile: return "Stampante non presente o non disponibile.";
    default:
      return "Si è verificato durante il processo di stampa il seguente errore: " +
             std::to_string(errore.Numero()) + "\r\n" + errore.Descrizione();
  }
}

}  // namespace

void AvvisaErroreStampa(const platform::ErroreEsecuzione& errore) {
  platform::MsgBox(Testo(errore), platform::Pulsanti::Ok, platform::Icona::Informazione);
}

}  // namespace Grafica
