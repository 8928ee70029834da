// The material constants in force checked before a run or after a file: each
// must be a finite number in its physical range (see Intervalli).
#include <cmath>
#include <string>
#include <utility>

#include "model/Intervalli.h"
#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"

using Intervalli::FuoriIntervallo;
using Intervalli::Grandezza;

std::string Materiali::CostantiNonValide(bool conCavi, bool ultimo) {
  const VariabiliPubbliche::StatoProgramma& s = VariabiliPubbliche::Stato;
  // fcd after the factors it is made of, so that the factor is named.
  const std::pair<Grandezza, double> costanti[] = {
      {Grandezza::Fck, s.Fck},         {Grandezza::GammaC, s.GammaC},
      {Grandezza::AlfaCC, s.AlfaCC},   {Grandezza::Fcd, s.Fcd},
      {Grandezza::RapportoFccFcd, s.RapportoFccFcd},
      {Grandezza::EpsCu, s.EpsCu},     {Grandezza::EpsC2, s.EpsC2},
      {Grandezza::EpsSu, s.EpsSu},     {Grandezza::FydBarre, s.Fyd[0]},
      {Grandezza::FydCavi, s.Fyd[1]},  {Grandezza::ModuloEs, s.ModuloEs}};
  for (const auto& [grandezza, valore] : costanti) {
    std::string motivo = FuoriIntervallo(grandezza, valore);
    if (!motivo.empty()) return motivo;
  }
  if (conCavi && ultimo && s.Fyd[1] == 0)
    return "fyd dei cavi deve essere maggiore di 0 per il calcolo con i cavi.";
  const std::string parabola = ParabolaFuori(s.EpsC2, s.EpsCu);
  if (!parabola.empty()) return parabola;
  return RapportiNNonValidi(s.RapportoN, true, conCavi);
}

std::string Materiali::ParabolaFuori(double epsC2, double epsCu) {
  if (!ParabolaOltreUltimo(epsC2, epsCu)) return "";
  return Intervalli::TestoValore(Grandezza::EpsC2, epsC2) + " non deve superare " +
         Intervalli::TestoValore(Grandezza::EpsCu, epsCu) +
         ":\r\nla parabola del calcestruzzo finisce prima dell'accorciamento ultimo.";
}

bool Materiali::ParabolaOltreUltimo(double epsC2, double epsCu) {
  // The parabola ends before the ultimate strain, or at it; the code's
  // formulas at fck 90 put eps_c2 0.0005 per mille past eps_cu, 0.001 once
  // both are written to four digits; twice that leaves room for round-off.
  constexpr double ArrotondamentoNorma = 2e-6;
  return epsC2 > epsCu + ArrotondamentoNorma;
}

std::string Materiali::RapportiNNonValidi(const std::array<float, 2>& n, bool conBarre,
                                          bool conCavi) {
  if (conBarre) {
    std::string motivo = FuoriIntervallo(Grandezza::RapportoN, n[0]);
    if (!motivo.empty()) return motivo;
  }
  return conCavi ? FuoriIntervallo(Grandezza::RapportoN, n[1], "n dei cavi") : "";
}
