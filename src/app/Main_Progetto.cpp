// The main window's rectangular design command.
#include <exception>
#include <string>

#include "app/Main.h"
#include "design/ProgettoSezione.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

void Main::mnu_Progetto_Click() {
  using platform::Icona;
  if (Stato.Normativa == 2) {
    platform::MsgBox(ProgettoSoloNtcDm96, platform::Pulsanti::Ok, Icona::Esclamazione);
    return;
  }
  if (!Controllo("OpTipoSezione", 0).Value()) {
    platform::MsgBox("Attenzione, è supportato solo il progetto di sezioni rettangolari. Modificare "
                     "Tipo Sezione.",
                     platform::Pulsanti::Ok, Icona::Informazione, "Attenzione");
    return;
  }
  if (Stato.SigmaSAmm[0] == 0 || Stato.SigmaCAmm == 0) {
    platform::MsgBox("Tensioni ammissibili nulle. Reimpostare i materiali dal menu Materiali",
                     platform::Pulsanti::Ok, Icona::Critica);
    return;
  }
  DatiErrati = false;
  try {
    // A rectangle with no dimensions yet opens the design window all the
    // same, which starts from sizes of its own; a value refused does not,
    // the design would start from the one before it or from one no
    // calculation takes.
    const auto leggi = [this] {
      return (LeggeFinestra(false) || !LetturaRifiutata()) && MaterialiValidi();
    };
    if (!LeggeORifiuta(true, leggi)) {
      DatiErrati = true;
      return;
    }
    if (NForm[0] != 0 || NForm[1] != 0) {
      platform::MsgBox("Attenzione, è supportato solo il progetto a flessione semplice!\nI valori "
                       "di N vengono posti automaticamente a zero.",
                       platform::Pulsanti::Ok, Icona::Informazione, "Attenzione");
      for (int i = 0; i < 2; ++i) Controllo("F_N", i).SetText("0");
      FormLeggeDati(false);
    }
    MostraFinestra(ProgettoSezione::Mostra);
  } catch (const std::exception&) {
    MessaggioErroreDati();
    DatiErrati = true;
  }
}
