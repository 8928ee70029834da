#include "platform/Sistema.h"

namespace platform {
namespace {

SistemaFisso predefinito;
Sistema* corrente = &predefinito;

}  // namespace

void ImpostaSistema(Sistema* sistema) { corrente = sistema ? sistema : &predefinito; }

Sistema& SistemaCorrente() { return *corrente; }

}  // namespace platform
