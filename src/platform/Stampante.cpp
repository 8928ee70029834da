#include "platform/Stampante.h"

namespace platform {

namespace {
Surface* stampanteCorrente = nullptr;
}

void ImpostaStampante(Surface* stampante) { stampanteCorrente = stampante; }

Surface* Stampante() { return stampanteCorrente; }

}  // namespace platform
