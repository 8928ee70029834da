#pragma once
// The built-in grade tables and material parameters of each design code, and
// the steel table that follows the code in force.
#include "model/VariabiliPubbliche.h"

namespace TabelleMateriali {

// Default steel rows of the code: 3, 5 or 14 rows; none for another code.
Vettore<VariabiliPubbliche::RigaAcciaio> AcciaiPredefiniti(int normativa);
// The 14 default concrete grades, C16/20 to C90/105.
Vettore<VariabiliPubbliche::RigaCalcestruzzo> CalcestruzziPredefiniti();

// The default material constants, the default concrete table, the default
// steel table of every code with TabellaAcciai that of the code in force,
// then ParametriNormativa.
void MaterialiDefault();

// EpsSu, GammaC, GammaS, EpsC2 and AlfaCC of the code in force; nothing
// changes for a code outside 0 to 2.
void ParametriNormativa();

}  // namespace TabelleMateriali
