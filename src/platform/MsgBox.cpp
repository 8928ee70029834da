#include "platform/MsgBox.h"

namespace platform {
namespace {

class MsgBoxSilenzioso : public ServizioMsgBox {
 public:
  Risposta Mostra(const std::string&, Pulsanti pulsanti, Icona, const std::string&) override {
    return RispostaPredefinita(pulsanti);
  }
};

MsgBoxSilenzioso silenzioso;
ServizioMsgBox* corrente = &silenzioso;

}  // namespace

Risposta RispostaPredefinita(Pulsanti pulsanti) {
  switch (pulsanti) {
    case Pulsanti::Ok: return Risposta::Ok;
    case Pulsanti::OkAnnulla: return Risposta::Annulla;
    case Pulsanti::SiNo:
    case Pulsanti::SiNoAnnulla:
    case Pulsanti::SiNoPredefinitoNo: return Risposta::No;
  }
  return Risposta::Ok;
}

void ImpostaServizioMsgBox(ServizioMsgBox* servizio) { corrente = servizio ? servizio : &silenzioso; }

ServizioMsgBox& ServizioMsgBoxCorrente() { return *corrente; }

Risposta MsgBox(const std::string& testo, Pulsanti pulsanti, Icona icona, const std::string& titolo) {
  return corrente->Mostra(testo, pulsanti, icona, titolo);
}

}  // namespace platform
