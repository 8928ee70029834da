// The ultimate strain-plane search: the axial-force limit, the plane in
// equilibrium with N chosen by the failure type, then the resisting moments,
// in the neutral-axis frame (compressed side up).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "analysis/Correnti.h"
#include "analysis/SezioneCAreagente.h"
#include "model/Formattazione.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::MaterialiCorrenti;
using VariabiliPubbliche::Stato;

namespace {

// Depth of the neutral axis below the top fibre of a plane of depth h; a
// uniform plane has its axis at infinity, on the side opposite to its strain.
float ProfonditaAsseNeutro(float h, float epsSup, float epsInf) {
  constexpr float infinito = SezioneCAreagente::AsseNeutroAllInfinito;
  const float lato = epsSup >= 0 ? infinito : -infinito;
  if (epsSup == epsInf) return lato;
  const float d = h * epsSup / (epsSup - epsInf);
  return std::fabs(d) > infinito ? lato : d;
}

// Strains of steel elements 1..n in the plane, elongation positive, into eps
// (in the memory it has).
void DeformazioniAcciaio(int n, const Vettore<float>& y, float epsSup, float epsInf, float h,
                         float ySup, Vettore<double>& eps) {
  eps.ReDim(1, n);
  const float* yp = y.DaUno(n);
  double* e = eps.DaUno(n);
  for (int i = 0; i < n; ++i) e[i] = Materiali::EpsAcciaio(epsSup, epsInf, yp[i], h, ySup);
}

}  // namespace

void SezioneCAreagente::CalcolaMomentiUltimi(double N, int& tipo, double& Mx, double& My) {
  // Without strips the concrete would count nothing: refused, not computed.
  if (Stato.NumeroRettangoli < 1 && !Stato.ProgettoInCorso) {
    platform::MsgBox("Il numero di rettangolini deve essere >= 1", platform::Pulsanti::Ok,
                     platform::Icona::Critica);
    Esito = EsitoCalcoloSlu::SenzaStrisce;
    return;
  }
  DiscretizzaSezione();
  const float yFerriMin = yFerriMinFunz();
  hUtile = ySezMax - yFerriMin;

  SezioneCA& corrente = *VariabiliPubbliche::SezioneCorrente();
  double Nlim;
  const bool entroLimite = ControllaForzaAssialeLimite(N, Nlim);
  corrente.Nlimite = Nlim;
  if (!entroLimite) {
    tipo = TipoRottura::OltreNlimite;
    Esito = EsitoCalcoloSlu::OltreNlimite;
    return;
  }
  ApprossimazioneRisultante = std::fabs(Nlim) / 1000000;

  Tipo_Rottura = tipo;
  double residuo;
  const bool equilibrio = EquilibrioTraslazione(N, residuo) && EntroPortata(residuo);
  tipo = Tipo_Rottura;
  if (!equilibrio) {
    Esito = EsitoCalcoloSlu::NonConvergente;
    return;
  }
  Esito = EsitoCalcoloSlu::Riuscito;

  double mxCls, myCls, mxAcciaio, myAcciaio;
  MomentiUltimiCls(mxCls, myCls);
  MomentiUltimiAcciaio(mxAcciaio, myAcciaio);
  Mx = mxCls + mxAcciaio;
  My = myCls + myAcciaio;

  const Materiali& materiali = MaterialiCorrenti();
  Eps_c_max = EpsCsup;
  Eps_c_min = EpsCinf;
  Eps_s_max =
      static_cast<float>(Materiali::EpsAcciaio(EpsCsup, EpsCinf, yFerriMin, hTotale, ySezMax));
  Sig_c_max = static_cast<float>(materiali.SigmaCls(EpsCsup));
  Sig_c_min = static_cast<float>(materiali.SigmaCls(EpsCinf));
  dNeutro = ProfonditaAsseNeutro(hTotale, EpsCsup, EpsCinf);
  yNeutro = ySezMax - dNeutro;

  DeformazioniAcciaio(nBarre, yBarre, EpsCsup, EpsCinf, hTotale, ySezMax, corrente.EpsFerri);
  DeformazioniAcciaio(nCavi, yCavi, EpsCsup, EpsCinf, hTotale, ySezMax, corrente.EpsCavi);
}

void SezioneCAreagente::SigmaClsCalcola() {
  const Materiali& materiali = MaterialiCorrenti();
  const int n = Contorno->nVertici();
  SigmaVerticiCls.ReDim(1, n);
  for (int i = 1; i <= n; ++i)
    SigmaVerticiCls(i) = materiali.SigmaCls(
        -Materiali::EpsAcciaio(EpsCsup, EpsCinf, Contorno->Y(i), hTotale, ySezMax));
}

namespace {

// Four significant digits, as the results show, or as many more as keep the
// limit short of the force refused: 2482.6 kN, not 2483, beside N = 2483 kN.
std::string TestoLimite(double limite, double forza) {
  int cifre = 4;
  for (char testo[40]; cifre < 15; ++cifre) {
    std::snprintf(testo, sizeof testo, "%.*g", cifre, limite);
    if (std::fabs(std::strtod(testo, nullptr)) < std::fabs(forza)) break;
  }
  return Formattazione::FormattaNumero(cifre, 20, limite, true);
}

}  // namespace

bool SezioneCAreagente::ControllaForzaAssialeLimite(double N, double& Nlim) {
  const Materiali& materiali = MaterialiCorrenti();
  const double eps = N >= 0 ? materiali.epsCu : -materiali.EPSSU;
  const double fc = N >= 0 ? materiali.SIGCUC : 0;
  Nlim = Contorno->Area * fc;
  const double sigmaBarre = nBarre > 0 ? materiali.SigmaAcciaio(eps, 0, 0) : 0;
  const double sigmaCavi = nCavi > 0 ? materiali.SigmaAcciaio(eps, 1, 0) : 0;
  for (int i = 1; i <= nBarre; ++i) Nlim += AreeBarre(i) * sigmaBarre;
  for (int i = 1; i <= nCavi; ++i) Nlim += AreeCavi(i) * sigmaCavi;
  if (std::fabs(N) < std::fabs(Nlim)) return true;
  platform::MsgBox("Forza assiale massima ammissibile = " + TestoLimite(Nlim / 1000, N / 1000) + " kN",
                   platform::Pulsanti::Ok, platform::Icona::Critica, "ERRORE !");
  return false;
}

bool SezioneCAreagente::InEquilibrio(double N) const {
  return EntroPortata(RisultanteAssiale(EpsCsup, EpsCinf, N));
}

bool SezioneCAreagente::EntroPortata(double residuo) const {
  double portata = Contorno->Area * MaterialiCorrenti().SIGCU;
  for (int i = 1; i <= nBarre; ++i) portata += std::fabs(AreeBarre(i)) * Stato.Fyd[0];
  for (int i = 1; i <= nCavi; ++i) portata += std::fabs(AreeCavi(i)) * Stato.Fyd[1];
  return std::fabs(residuo) <= portata / 1000000;
}

bool SezioneCAreagente::EquilibrioTraslazione(double N, double& residuo) {
  const Materiali& materiali = MaterialiCorrenti();
  const double tol = ApprossimazioneRisultante;
  const double epsCu = materiali.epsCu, epsSu = materiali.EPSSU;

  // Start: concrete at eps_cu and the lowest steel at eps_su together.
  EpsCsup = static_cast<float>(epsCu);
  Tipo_Rottura = TipoRottura::CalcestruzzoEAcciaio;
  if (hUtile / hTotale < 0.000001 || nBarre + nCavi == 0) {
    // No steel to pivot on: a plane through the top fibre, nearly vertical.
    Tipo_Rottura = TipoRottura::SoloCalcestruzzo;
    EpsCinf = -10000;
  } else {
    EpsCinf = static_cast<float>(-epsSu - (hTotale - hUtile) * (epsSu + epsCu) / hUtile);
  }
  double x1 = EpsCsup - EpsCinf;
  const double r1 = residuo = RisultanteAssiale(EpsCsup, EpsCinf, N);
  if (std::fabs(r1) < tol) return true;

  // End: uniform elongation when the start plane compresses too much, uniform
  // shortening when it does not compress enough.
  const bool soloCls = Tipo_Rottura == TipoRottura::SoloCalcestruzzo;
  if (r1 >= 0) {
    if (!soloCls) Tipo_Rottura = TipoRottura::LatoAcciaio;
    EpsCsup = EpsCinf = static_cast<float>(-epsSu);
  } else {
    if (!soloCls) Tipo_Rottura = TipoRottura::LatoCalcestruzzo;
    EpsCsup = EpsCinf = static_cast<float>(materiali.EPSP);
  }
  double x2 = EpsCsup - EpsCinf;
  const double r2 = residuo = RisultanteAssiale(EpsCsup, EpsCinf, N);
  if (std::fabs(r2) < tol) return true;

  if (r1 * r2 <= 0) {
    bool trovata = false;
    // A root found is the last plane tried: its residual is kept.
    Matematica::RadiceRegulaFalsi(*this, x1, x2, tol, N, &trovata);
    residuo = residuoPiano_;
    return trovata;
  }
  std::string testo = "ERRORE! Il procedimento non converge.";
  if (Stato.Precompresso) testo += "\r\nProbabile compressione eccessiva.";
  platform::MsgBox(testo);
  return false;
}

double SezioneCAreagente::yEquazione(double& x, const std::optional<double>& N) {
  VariaEps(x);
  residuoPiano_ = RisultanteAssiale(EpsCsup, EpsCinf, N.value_or(0));
  return residuoPiano_;
}

void SezioneCAreagente::VariaEps(double x) {
  const Materiali& materiali = MaterialiCorrenti();
  const double epsCu = materiali.epsCu;
  const double h = hTotale, d = hUtile;
  // Pivot at the lowest steel, which holds -epsS.
  auto pernoAcciaio = [&](double epsS) {
    const double k = x / h;
    const double sup = -epsS + k * d;
    EpsCsup = static_cast<float>(sup);
    EpsCinf = static_cast<float>(sup - k * h);
  };
  // Pivot at the top fibre, at eps_cu.
  auto pernoCls = [&] {
    EpsCsup = static_cast<float>(epsCu);
    EpsCinf = static_cast<float>(epsCu - x);
  };
  switch (Tipo_Rottura) {
    case TipoRottura::LatoCalcestruzzo:
    case TipoRottura::TuttaCompressa:
      if (x >= epsCu) {
        Tipo_Rottura = TipoRottura::LatoCalcestruzzo;
        pernoCls();
      } else {
        Tipo_Rottura = TipoRottura::TuttaCompressa;
        VariaEpsTuttoCompresso(x, EpsCsup, EpsCinf);
      }
      break;
    case TipoRottura::SoloCalcestruzzo:
      if (x >= epsCu)
        pernoCls();
      else
        VariaEpsTuttoCompresso(x, EpsCsup, EpsCinf);
      break;
    case TipoRottura::LatoAcciaio:
      pernoAcciaio(materiali.EPSSU);
      break;
    case TipoRottura::SnervamentoAcciaio:
      pernoAcciaio(Stato.EpsYdSezione[0]);
      break;
    default: {
      const std::string valore =
          (Tipo_Rottura >= 0 ? " " : "") + std::to_string(Tipo_Rottura);
      platform::MsgBox("Tipo di rottura = " + valore + " non previsto !" + "ERRORE !");
    }
  }
}

void SezioneCAreagente::VariaEpsTuttoCompresso(double x, float& epsSup, float& epsInf) const {
  const Materiali& materiali = MaterialiCorrenti();
  const double sup = materiali.EPSP + (1 - materiali.EPSP / materiali.epsCu) * x;
  epsSup = static_cast<float>(sup);
  epsInf = static_cast<float>(sup - x);
}
