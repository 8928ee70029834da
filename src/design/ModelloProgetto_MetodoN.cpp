// Sizing by allowable stress: the balanced doubly reinforced rectangle, in
// which the concrete and the tension steel reach their allowable stresses
// together; the cracked section's allowable moment when both sides are fixed.
#include <algorithm>
#include <cmath>

#include "design/ModelloProgetto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

std::optional<ModelloProgetto::CoefficientiN> ModelloProgetto::CoefficientiBilanciata(
    double beta) const {
  const double n = Stato.RapportoN[0];
  const double sigmaS = Stato.SigmaSAmm[static_cast<std::size_t>(Stato.TipoAcciaioProgetto)];
  const double sigmaC = Stato.SigmaCAmm;
  const double xi = n / (n + sigmaS / sigmaC);  // x/d with both at their limits
  const double delta = DistanzaFerri / static_cast<double>(AltezzaUtile);
  const double q = (1 - xi) / (xi - delta);  // tension over compression steel stress
  const double X = (1 - xi / 3) + beta * (1 - delta) / (q - beta);
  const double K = xi * X / 2;  // M = K sigma_c b d^2
  const double t = xi * xi / (2 * n * ((1 - xi) - beta * (xi - delta)));
  if (!(K > 0) || !std::isfinite(K) || !(t > 0) || !std::isfinite(t)) return std::nullopt;
  return CoefficientiN{std::sqrt(1 / (K * sigmaC)), t};
}

ModelloProgetto::CoefficientiN ModelloProgetto::CoefficientiMetodoN(double beta) const {
  if (const auto c = CoefficientiBilanciata(beta)) return *c;
  platform::MsgBox("Errore! Dati non validi", platform::Pulsanti::Ok, platform::Icona::Critica);
  return {};
}

void ModelloProgetto::ProgettaTaBaseCalcola(double beta, float& b, float& As, float& As1) const {
  const CoefficientiN c = CoefficientiMetodoN(beta);
  const double d = AltezzaUtile;
  b = static_cast<float>(c.r * c.r / (d * d) * AzioneMx[1]);
  As = static_cast<float>(c.t * d * b);
  As1 = Ass1Funz(As);
}

void ModelloProgetto::ProgettaTaBaseSub(float& b, float& As, float& As1) const {
  const double beta = Stato.RapportoAsCompressa;
  ProgettaTaBaseCalcola(beta, b, As, As1);
  // Fixed bars and holders worth more than beta As: the section they make,
  // when it balances; beyond that they only relieve the concrete.
  if (As > 0 && As1 / As > beta && CoefficientiBilanciata(As1 / As))
    ProgettaTaBaseCalcola(As1 / As, b, As, As1);
}

bool ModelloProgetto::ProgettaTaBase() {
  ProgettaTaBaseSub(BaseSezione, AsTesa, AsCompressa);
  if (!(BaseSezione > 0)) return false;
  // Narrower than its holders: the least width, reinforced for the moment.
  if (BaseSezione >= BaseMinima()) return true;
  BaseSezione = BaseMinima();
  IncognitaAltezza = false;
  if (!ArmaturaSezioneFissa()) return false;
  MinimaSegnala(BaseSezione);
  return true;
}

bool ModelloProgetto::ProgettaTaAltezza() {
  const float b0 = BaseSezione;
  const double tolleranza = b0 / 1000.0;
  IncognitaRapporto = false;
  IncognitaAltezza = true;
  double h = AltezzaSezione < tolleranza ? b0 : AltezzaSezione;
  bool minima = false;
  if (!DimensioneCerca(h, AltezzaMinima(), tolleranza, minima)) return false;
  if (minima) return true;
  // The areas of the depth found, also when the start depth already fits.
  AltezzaSezione = static_cast<float>(h);
  AltezzaUtile = AltezzaSezione - DistanzaFerri;
  float b;
  ProgettaTaBaseSub(b, AsTesa, AsCompressa);
  return b > 0;
}

bool ModelloProgetto::ProgettaTaArmatura() {
  const double M = std::fabs(AzioneMx[1]);
  const double sigmaS = Stato.SigmaSAmm[static_cast<std::size_t>(Stato.TipoAcciaioProgetto)];
  // From a lever arm of 0.9 d.
  const double d = AltezzaUtile;
  return RapportoCerca(M / (sigmaS * 0.9 * d) / d / BaseSezione, M / 10000);
}

double ModelloProgetto::MomentoAmmissibileRo(double ro) const {
  const double As = ro * BaseSezione * AltezzaUtile;
  return MomentoAmmissibile(BaseSezione, AltezzaSezione, DistanzaFerri, As, Ass1Funz(As),
                            Stato.RapportoN[0], Stato.SigmaCAmm,
                            Stato.SigmaSAmm[static_cast<std::size_t>(Stato.TipoAcciaioProgetto)]);
}

double ModelloProgetto::MomentoAmmissibile(double b, double h, double c, double As, double As1,
                                           double n, double sigmaC, double sigmaS) {
  if (!(As > 0)) return 0;
  const Moduli m = ModuliResistenza(b, h, c, As, As1, n);
  const double Mc = sigmaC * m.I / m.x;
  const double Ms = sigmaS * m.I / (n * (h - c - m.x));
  return Mc < Ms ? Mc : Ms;
}

ModelloProgetto::Moduli ModelloProgetto::ModuliResistenza(double b, double h, double c, double As,
                                                          double As1, double n) {
  const double x = AsseNeutroMetodoN(b, h, c, As, As1, n);
  return {x, InerziaIdeale(b, h, c, As, As1, n, x)};
}

double ModelloProgetto::AsseNeutroMetodoN(double b, double h, double c, double As, double As1,
                                          double n) {
  const double d = h - c, S = As + As1;
  return n * S / b * (std::sqrt(1 + 2 * b * (As * d + As1 * c) / (n * S * S)) - 1);
}

double ModelloProgetto::InerziaIdeale(double b, double h, double c, double As, double As1, double n,
                                      double x) {
  const double d = h - c;
  return b * x * x * x / 3 + n * As * (d - x) * (d - x) + n * As1 * (x - c) * (x - c);
}
