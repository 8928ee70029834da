#pragma once
// The seismic program state: the element, the code's ductility class, the
// design actions, the behaviour-factor and period data with the curvature
// ductilities, the capacity-design moment ratios, and the one column.
// The seismic code itself (NormativaSismica, 0 NTC 2008, 1 EC8 2005) is kept
// with the program state, since the settings file carries it too.
//
// Reset the whole of it in a test with Sismica::Stato = Sismica::StatoSismico{}.
#include <array>
#include <string>

#include "app/TestoLetto.h"
#include "seismic/Pilastro.h"

namespace Sismica {

struct StatoSismico {
  int ElementoSetto = 0;         // 1 wall, 0 column
  bool PilastroMensola = false;  // cantilever, free at the top
  int DuttilitaMedia = 0;        // 0 CD"A" / DCH, 1 CD"B" / DCM
  std::string TitoloSismica;
  int PilastroPrimiDuePiani = 0;  // -1 or 0
  bool PilastroDiBase = false;
  double NEdSismica = 0;  // N, compression positive
  // Design moments of the end sections, Nmm: [0] about x, [1] about y.
  std::array<double, 2> MEdSuperiore{};
  std::array<double, 2> MEdInferiore{};
  float PeriodoT1 = 0;  // s
  float PeriodoTC = 0;  // s
  double FattoreStrutturaQ0 = 5.85;
  double DuttilitaCurvaturaInf = 0;  // -1: not computed
  double DuttilitaCurvaturaSup = 0;
  int DueTerziQ0Sup = 0;  // 1: the end uses 2/3 of q0
  int DueTerziQ0Inf = 0;
  float RapportoMomentiSup = 1;
  float RapportoMomentiInf = 1;
  // A box of the coefficients window's page shown holds no number: the value
  // before it stays, and no check runs.
  bool CoefficientiIlleggibili = false;
  // Four numbers the project file carries and nothing else uses.
  std::array<double, 4> ValoriRiservatiSismica{};
  // Values the stirrup rules leave for the coefficients window, items 1..17.
  Vettore<double> ValoriStaffe = Vettore<double>(1, 17);
  // cot(theta) of the compressed struts in the last shear check.
  float CotTetaPilastro = 2.5f;
  Pilastro PilastroCorrente;
  // The project file's seismic block as read or saved last.
  Generale::TestoLetto BloccoFile;
};

inline StatoSismico Stato;

// Defaults of a new project, or of a project file without seismic data: a
// fresh column, zero design actions and flags, no block read.
void ValoriDefault();

// Why the EC8 coefficients cannot be used: q0, a period, a moment ratio or
// the current end's curvature ductility out of its range; empty when they
// can, and under NTC, which reads none of them. A ductility of 0, never
// computed, is let through: the confinement rule warns of it.
std::string CoefficientiNonValidi();

}  // namespace Sismica
