#include "seismic/Normative3274.h"

#include <algorithm>
#include <cmath>

#include "analysis/TestoSingolo.h"
#include "model/Formato.h"
#include "model/Formattazione.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Colori.h"
#include "seismic/Eurocod8.h"
#include "seismic/Quoziente.h"
#include "seismic/StatoSismica.h"

namespace Normative3274 {
namespace {

using Sismica::Quoziente;
using Sismica::Stato;
using VariabiliPubbliche::FormattaValore;

const char* const ClausolaStaffe = "NTC #7.4.6.2.2";

bool ClasseA() { return Stato.DuttilitaMedia != 1; }

// The stirrups of any column, outside the critical zones too: a pitch of at
// most 12 times the smallest bar and 250 mm, and the least diameter.
void ControlloStaffeGenerali(Prescrizioni& lista) {
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  const int fiMin = p.fiBarrePilastroMin();
  const float passoMax = fiMin > 0 ? std::min(12.0f * fiMin, 250.0f) : 250.0f;
  if (p.StaffePassoCentrale() > passoMax)
    lista.push_back("Il passo delle staffe nella zona centrale deve essere <= " +
                    FormattaValore(passoMax) + " mm - NTC #4.1.6.1.2.");
  ControlloDiametroStaffe(lista, "NTC #4.1.6.1.2");
}

}  // namespace

void ControlloDiametroStaffe(Prescrizioni& lista, const std::string& clausola) {
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  const float diametroMin = std::max(6.0f, p.fiBarrePilastroMax() / 4.0f);
  if (p.StaffeDiametroMinimo() < diametroMin)
    lista.push_back("Il diametro delle staffe deve essere >= " + FormattaValore(diametroMin) +
                    " mm - " + clausola + ".");
}

void ColoraControllo(platform::Control& casella, double limite, bool superiore,
                     std::optional<double> valore) {
  const double v = valore ? *valore : Generale::ValNumero(casella.Text());
  const bool fuori = superiore ? v > limite : v < limite;
  casella.SetForeColor(platform::QBColor(fuori ? 12 : 0));
}

void ControlloRapportoArmatura(Prescrizioni& lista, platform::Form& finestra,
                               const std::string& clausola) {
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  const float ro = p.Ro();
  platform::Control& casella = finestra.Controllo("TxtRo", p.Circolare() ? 1 : 0);
  casella.SetText(Formattazione::FormattaNumero(3, 9, ro));
  // Four significant digits however small: 0,000113 is not 0.
  const std::string testo =
      "Il rapporto geometrico di armatura _r_ = " + Formattazione::FormattaNumero(4, 10, ro);
  // The limits in the separator of the value.
  if (ro < 0.01)
    lista.push_back(testo + " deve essere >= " + FormattaValore(0.01, true) + " - " + clausola + ".");
  if (ro > 0.04)
    lista.push_back(testo + " deve essere <= " + FormattaValore(0.04, true) + " - " + clausola + ".");
  ColoraControllo(casella, ro > 0.04 ? 0.04 : 0.01, ro > 0.04, ro);
}

void ControlloGeometricoNtc(Prescrizioni& lista, platform::Form& finestra) {
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  const float b = p.bSezione();
  const float h = p.hSezione();
  const float l = static_cast<float>(p.LunghezzaPilastro());
  const float hcr = p.hCritica();
  if (Eurocod8::ControlloDatiNulli(lista, l, hcr, b, h)) return;

  if (b < 250)
    lista.push_back(p.Circolare() ? "Il diametro deve essere >= 250 mm - NTC #7.4.6.1.2"
                                  : "La base b deve essere >= 250 mm - NTC #7.4.6.1.2");
  if (!p.Circolare()) {
    if (h < 250) lista.push_back("L'altezza h deve essere >= 250 mm - NTC #7.4.6.1.2");
    if (h / b >= 4 || b / h >= 4)
      lista.push_back("Il pilastro deve essere verificato come parete (h/b > 4) - NTC #7.4.3.1");
  }

  // A squat column is critical over its whole length.
  const float hc = std::max(b, h);
  const float lcr = l > 3 * hc ? std::max({hc, l / 6, 450.0f}) : l / 2;
  if (hcr < lcr)
    lista.push_back("H critica deve essere >= " + FormattaValore(lcr) + " mm - NTC #7.4.6.1.2");
  for (int i : {10, 12}) ColoraControllo(finestra.Controllo("PilastroTxt", i), lcr, false, hcr);

  if (p.InterasseMaxBarre() > 250)
    lista.push_back("L'interasse tra le barre deve essere <= 250 mm - NTC #7.4.6.2.2");

  ControlloRapportoArmatura(lista, finestra, "NTC #7.4.6.2.2");

  if (p.Circolare()) ControlloStaffeNtc(lista, finestra);
  Prescrizioni staffe;
  ControlloStaffeNtc(staffe, finestra);
  if (!p.Circolare() && !staffe.empty()) lista.push_back("Prescrizioni staffe non rispettate.");
}

void ControlloStaffeNtc(Prescrizioni& lista, platform::Form& finestra) {
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  const float m = std::min(p.bSezione(), p.hSezione());
  const float fi = static_cast<float>(p.fiBarrePilastro());
  const float passoMax =
      ClasseA() ? std::min({m / 3, 125.0f, 6 * fi}) : std::min({m / 2, 175.0f, 8 * fi});
  if (Eurocod8::ControlloPassoDiametroStaffe(lista, finestra, 6, ClausolaStaffe, passoMax,
                                             ClausolaStaffe))
    return;
  ControlloStaffeGenerali(lista);
  Eurocod8::ControlloBarreLegate(lista, ClasseA() ? 300.0f : 400.0f, ClausolaStaffe);

  float hs = 0;
  float bs = 0;
  float ax = 0;
  float ay = 0;
  p.DistanzeBracciEsterni(hs, bs);
  p.StaffeAreaComplessivaBracci(ax, ay);
  const float omegaCritica = ClasseA() ? 0.12f : 0.08f;
  const float omegaCentrale = 0.08f;
  auto& valori = Stato.ValoriStaffe;
  valori(1) = ax;
  valori(2) = ay;
  valori(3) = hs;
  valori(4) = bs;
  valori(5) = omegaCritica;
  valori(6) = omegaCentrale;

  const float s = p.StaffePassoCritico();
  const float sc = p.StaffePassoCentrale();
  const double acciaioSuCls =
      Quoziente(VariabiliPubbliche::Stato.Fyd[0], VariabiliPubbliche::Stato.Fcd);
  const float omegaX =
      static_cast<float>(Quoziente(ax, static_cast<double>(s) * hs) * acciaioSuCls);
  const float omegaY =
      static_cast<float>(Quoziente(ay, static_cast<double>(s) * bs) * acciaioSuCls);
  const float omegaXc = omegaX * s / sc;
  const float omegaYc = omegaY * s / sc;

  float omegaCentraleWd = 0;
  const float omegaWd = Eurocod8::RapportoMeccanicoStaffe(omegaCentraleWd);
  Eurocod8::OmegaRichiesto(false, omegaWd, s);
  Eurocod8::OmegaRichiesto(true, omegaWd, s);
  finestra.Controllo("txtOmegaWd", 0).SetText(Formattazione::Formato(omegaWd, "0.0000"));
  finestra.Controllo("txtOmegaWd", 1).SetText(Formattazione::Formato(omegaCentraleWd, "0.0000"));

  if (p.Circolare()) {
    ControlloOmegaSt(lista, omegaX, omegaCritica, "critica", s, "X",
                     finestra.Controllo("txtOmegaWd", 2));
    ControlloOmegaSt(lista, omegaXc, omegaCentrale, "centrale", sc, "X",
                     finestra.Controllo("lblInvisibile"));
    return;
  }
  const struct {
    float omega;
    float minimo;
    const char* zona;
    float passo;
    const char* direzione;
  } zone[] = {{omegaX, omegaCritica, "critica", s, "X"},
              {omegaY, omegaCritica, "critica", s, "Y"},
              {omegaXc, omegaCentrale, "centrale", sc, "X"},
              {omegaYc, omegaCentrale, "centrale", sc, "Y"}};
  for (int i = 0; i < 4; ++i)
    ControlloOmegaSt(lista, zone[i].omega, zone[i].minimo, zone[i].zona, zone[i].passo,
                     zone[i].direzione, finestra.Controllo("TxtOmegaSt", i));
}

void ControlloOmegaSt(Prescrizioni& lista, float omega, float omegaMin, const std::string& zona,
                      float passo, const std::string& direzione, platform::Control& casella) {
  casella.SetText(Formattazione::Formato(omega, "0.0000"));
  if (omega < omegaMin) {
    const float passoRichiesto = passo * omega / omegaMin;
    std::string testo = "Nella zona " + zona + " Omega_st";
    if (!Stato.PilastroCorrente.Circolare()) testo += " in direzione " + direzione;
    testo += " deve essere >= " + TestoSingolo(omegaMin) + " (passo < " +
             Formattazione::TestoNumero(std::floor(passoRichiesto)) + " mm)" +
             " - NTC #7.4.6.2.2.";
    lista.push_back(testo);
  }
  ColoraControllo(casella, omegaMin, false, omega);
}

float TaglioCapacitaNtc(float lunghezza, double m1, double m2, TestiTaglio& testi) {
  float v = 0;
  TaglioCapacita(std::fabs(m1), std::fabs(m2), lunghezza, v, ClasseA() ? 1.3f : 1.1f, testi);
  return v;
}

// A cantilever has no top moment.
void TaglioCapacita(double m1, double m2, float lunghezza, float& v, float gammaRd,
                    TestiTaglio& testi) {
  const bool mensola = Stato.PilastroMensola;
  if (mensola) m2 = 0;
  v = static_cast<float>(Quoziente((m1 + m2) * gammaRd, lunghezza));
  testi.Resistenti = mensola ? "resistente di" : "resistenti di";
  testi.Momenti = FormattaValore(m1 / 1000000) + " kNm " +
                  (mensola ? std::string("(Sezione di base)")
                           : "(Sez. Inf.) e " + FormattaValore(m2 / 1000000) + " kNm (Sez. Sup.)") +
                  " con _Gamma_Rd = " + TestoSingolo(gammaRd) + ".";
}

}  // namespace Normative3274
