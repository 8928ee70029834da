#pragma once
// Detailing rules of Eurocode 8 (2005), classes DCH and DCM, for the current
// column, and the rules the NTC checks share: the zero-input guard with the
// normalised axial load, stirrup pitch and diameter, tied bars, the
// mechanical volumetric ratio of the hoops and the confinement it must give.
#include <string>

#include "platform/Form.h"
#include "seismic/ListaPrescrizioni.h"
#include "seismic/Normative3274.h"

namespace Eurocod8 {

using Sismica::Prescrizioni;

// True when a length or side is zero (each one named); the axial-load rule
// runs in any case.
bool ControlloDatiNulli(Prescrizioni& lista, float lunghezza, float hCritica, float b, float h);
void ControlloAzioneAssiale(Prescrizioni& lista);
void ControlloGeometricoEc8(Prescrizioni& lista, platform::Form& finestra);
void ControlloStaffeEc8(Prescrizioni& lista, platform::Form& finestra);
// True when there are no stirrups or a pitch is zero.
bool ControlloPassoDiametroStaffe(Prescrizioni& lista, platform::Form& finestra, int diametroMin,
                                  const std::string& clausolaDiametro, float passoMax,
                                  const std::string& clausolaPasso);
// Rectangular columns: distance between the bars held by stirrups.
void ControlloBarreLegate(Prescrizioni& lista, float distanzaMax, const std::string& clausola);
// omega_wd of the critical zone; centrale the same stirrups at the central pitch.
float RapportoMeccanicoStaffe(float& centrale);
// EC8 expression 5.15 along x (direzioneY false) or y.
bool ConfinamentoVerificato(bool direzioneY, float omegaWd, float& omegaRichiesto);
float OmegaRichiesto(bool direzioneY, float omegaWd, float passo);
float TaglioCapacitaEc8(double m1, double m2, float lunghezza, Normative3274::TestiTaglio& testi);

}  // namespace Eurocod8
