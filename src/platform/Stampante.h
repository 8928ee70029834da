#pragma once
// The system printer as a drawing surface. The program installs its own and
// tests a recording one; with none installed there is nothing to print on.
#include "platform/Surface.h"

namespace platform {

void ImpostaStampante(Surface* stampante);
Surface* Stampante();

}  // namespace platform
