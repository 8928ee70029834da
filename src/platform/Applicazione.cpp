#include "platform/Applicazione.h"

namespace platform {
namespace {

class ApplicazioneSilenziosa : public ServizioApplicazione {
 public:
  void DoEvents() override {}
  std::shared_ptr<ControlliFinestra> FinestraAttiva() override { return nullptr; }
};

ApplicazioneSilenziosa predefinita;
ServizioApplicazione* corrente = &predefinita;

}  // namespace

void ImpostaServizioApplicazione(ServizioApplicazione* servizio) {
  corrente = servizio ? servizio : &predefinita;
}

ServizioApplicazione& ServizioApplicazioneCorrente() { return *corrente; }

}  // namespace platform
