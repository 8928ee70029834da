// The material constants in force checked before a run or after a file: each
// must be a finite number in the range where the laws of the codes hold.
#include <cmath>
#include <string>

#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"

namespace {

// fck beyond which the codes give no parabola-rectangle law, N/mm2.
constexpr double FckMassimo = 90;

bool Positivo(double v) { return std::isfinite(v) && v > 0; }

std::string DeveEssere(const std::string& nome) {
  return nome + " deve essere un numero maggiore di 0.";
}

}  // namespace

std::string Materiali::CostantiNonValide(bool conCavi, bool ultimo) {
  const VariabiliPubbliche::StatoProgramma& s = VariabiliPubbliche::Stato;
  if (!Positivo(s.Fck) || s.Fck > FckMassimo)
    return "fck deve essere maggiore di 0 e non superiore a 90 N/mm²:\r\n"
           "per calcestruzzi più resistenti le normative non danno il legame costitutivo.";
  if (!Positivo(s.Fcd)) return DeveEssere("fcd");
  if (!Positivo(s.RapportoFccFcd)) return DeveEssere("Il rapporto fcc/fcd");
  if (!Positivo(s.EpsCu)) return DeveEssere("εcu");
  if (!Positivo(s.EpsC2)) return DeveEssere("εc2");
  if (!Positivo(s.EpsSu)) return DeveEssere("εsu");
  if (!Positivo(s.Fyd[0])) return DeveEssere("fyd delle barre");
  if (!std::isfinite(s.Fyd[1]) || s.Fyd[1] < 0 || (conCavi && ultimo && s.Fyd[1] == 0))
    return DeveEssere("fyd dei cavi");
  // A modulus so small that fyd / Es overflows is no modulus either.
  if (!Positivo(s.ModuloEs) || !std::isfinite(s.Fyd[0] / s.ModuloEs) ||
      !std::isfinite(s.Fyd[1] / s.ModuloEs))
    return DeveEssere("Il modulo elastico Es");
  return RapportiNNonValidi(s.RapportoN, true, conCavi);
}

std::string Materiali::RapportiNNonValidi(const std::array<float, 2>& n, bool conBarre,
                                          bool conCavi) {
  if (conBarre && !Positivo(n[0])) return DeveEssere("Il coefficiente di omogeneizzazione n");
  if (conCavi && !Positivo(n[1]))
    return DeveEssere("Il coefficiente di omogeneizzazione n dei cavi");
  return "";
}
