#pragma once
// The one message that tells the user why a print failed.
#include "platform/ErroreEsecuzione.h"

namespace Grafica {

void AvvisaErroreStampa(const platform::ErroreEsecuzione& errore);

}  // namespace Grafica
