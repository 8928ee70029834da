// Vertical stirrups for the design shear: by DM 1996 or by the NTC variable
// strut at the ultimate limit state, by allowable stresses otherwise.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "design/ModelloProgetto.h"
#include "model/Formattazione.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::LunghezzaDaMm;
using VariabiliPubbliche::Stato;

namespace {

// The shear modes: 0 DM 1996, 2 allowable stress, 3 NTC.
constexpr int ModoDm96 = 0;
constexpr int ModoTa = 2;
constexpr int ModoNtc = 3;

constexpr platform::Colore Verde = 0x80FF80;
constexpr platform::Colore Rosso = 0xFF0000;

std::string Lunghezza(double mm) { return Formattazione::TestoNumero(LunghezzaDaMm(mm)); }

}  // namespace

float ModelloProgetto::ArrotondaPassoStaffe(double s) {
  return static_cast<float>(10 * std::floor(s / 10));
}

float ModelloProgetto::VRdMaxEc2(double fcd, double b, double z, double cotTeta, double NEd,
                                 double Ac) {
  const double sigmaCp = NEd / Ac;
  double alfaC = 1;
  if (sigmaCp > 0) {
    if (sigmaCp <= 0.25 * fcd) {
      alfaC = 1 + sigmaCp / fcd;
    } else if (sigmaCp <= 0.5 * fcd) {
      alfaC = 1.25;
    } else {
      alfaC = 2.5 * (1 - sigmaCp / fcd);
      if (alfaC < 0) platform::MsgBox("Compressione troppo elevata per la verifica a taglio");
    }
  }
  // Vertical stirrups, concrete strength reduced to 0.5 fcd.
  return static_cast<float>(alfaC * b * z * 0.5 * fcd * cotTeta / (1 + cotTeta * cotTeta));
}

bool ModelloProgetto::RiduceCotTeta(double VEd, double fcd, double b, double z, double& cotTeta,
                                    double NEd, double Ac) {
  // The struts carry most at 45 degrees: VRd(c) = V1 2c / (1 + c^2).
  const double V1 = VRdMaxEc2(fcd, b, z, 1, NEd, Ac);
  if (VEd > V1) return false;
  double r1, r2;
  if (!Matematica::RadiciSecondoGrado(VEd, -2 * V1, VEd, r1, r2)) {
    platform::MsgBox("Errore in RiduceCotTeta");
    return false;
  }
  cotTeta = r1;
  return true;
}

float ModelloProgetto::TaglioCalcestruzzo(int modo, double b, double d) {
  Stato.RoL = std::min(Stato.RoL, 0.02f);
  // rho_l is the tension steel of the section drawn, at most 2 %; without
  // stirrups the value typed may lower it. The box shows the value used.
  double roL = std::min(AsTesaEffettiva / (b * d), 0.02);
  if (Stato.SenzaStaffe) roL = std::min(roL, static_cast<double>(Stato.RoL));
  rolMostrato_ = Formattazione::FormattaCifreSignificative(3, roL * 100);
  finestra_.Controllo("txtRol").SetText(rolMostrato_);
  const double fck = Stato.Fck;
  if (modo == ModoNtc) {
    const double k = std::min(1 + std::sqrt(200 / d), 2.0);
    const double v = 0.18 / Stato.GammaC * k * std::cbrt(100 * roL * fck);
    const double vMin = 0.035 * std::pow(k, 1.5) * std::sqrt(fck);
    return static_cast<float>(std::max(v, vMin) * b * d);
  }
  const double fctd = 0.7 * VariabiliPubbliche::Fctm() / Stato.GammaC;
  if (!Stato.SenzaStaffe) return static_cast<float>(0.60 * fctd * b * d);
  const double r = std::max(1.6 - AltezzaUtile / 1000.0, 1.0);
  return static_cast<float>(0.25 * fctd * r * (1 + 50 * roL) * b * d);
}

std::string ModelloProgetto::SezioneInsufficiente(double VEd, double resistenza) const {
  // The struts' resistance grows with b d: the free dimension grows by
  // VEd / resistance, the depth through its effective part.
  const double b = BaseArrotondata, h = AltezzaArrotondata, d = AltezzaUtileArrotondata;
  const double fattore = VEd / resistenza;
  const std::string& unita = Stato.UnitaLunghezza;
  auto misura = [&unita](double mm) { return FormattaValore(LunghezzaDaMm(mm), true) + " " + unita; };
  const std::string base = misura(b), baseRichiesta = misura(b * fattore);
  const std::string altezza = misura(h), altezzaRichiesta = misura(h + d * (fattore - 1));
  switch (Stato.DimensioneFissa) {
    case 0:
      return "La base sufficiente a flessione (" + base + ") deve essere portata a " +
             baseRichiesta + " per la verifica a taglio.";
    case 1:
      return "L'altezza sufficiente a flessione (" + altezza + ") deve essere portata a " +
             altezzaRichiesta + " per la verifica a taglio.";
    default:
      return "La base (" + base + ") deve essere portata a " + baseRichiesta + ", o l'altezza (" +
             altezza + ") a " + altezzaRichiesta + ", per la verifica a taglio.";
  }
}

float ModelloProgetto::VerificaPuntoni(double VEd, float resistenza, double b, int modo, double z,
                                       double Ac) {
  if (VEd <= resistenza) {
    taglio_.lblTauForeColor = Verde;
    if (Stato.MinimizzaStaffe == 1)
      finestra_.Controllo("txtCotTeta").SetText(Formattazione::TestoNumero(2.5));
    return resistenza;
  }
  if (modo == ModoNtc && Stato.CotTeta > 1) {
    double cotTeta = Stato.CotTeta;
    if (RiduceCotTeta(VEd, Stato.Fcd, b, z, cotTeta, 0, Ac)) {
      const std::string testo = FormattaValore(cotTeta, true);
      Stato.CotTeta = static_cast<float>(Generale::ValNumero(testo));
      finestra_.Controllo("txtCotTeta").SetText(testo);
      taglio_.lblTauForeColor = Verde;
      OsservazioniScrive(
          "L'inclinazione delle bielle compresse è stata ridotta per soddisfare"
          " la verifica a taglio.");
      return VRdMaxEc2(Stato.Fcd, b, z, Stato.CotTeta, 0, Ac);
    }
    Stato.CotTeta = 1;
    finestra_.Controllo("txtCotTeta").SetText("1");
    resistenza = VRdMaxEc2(Stato.Fcd, b, z, 1, 0, Ac);
  }
  taglio_.lblTauForeColor = Rosso;
  OsservazioniScrive(SezioneInsufficiente(VEd, resistenza));
  return resistenza;
}

void ModelloProgetto::MessaggioStaffaturaMinima(double sRapporto, double& sMax, int modo) {
  if (!(sRapporto > sMax)) return;
  const int phi = Stato.DiametroStaffe;
  int phiMin = static_cast<int>(std::nearbyint(phi * std::sqrt(sMax / sRapporto)));
  if (!Matematica::NumeroPari(phiMin)) ++phiMin;
  if (phiMin >= phi) return;
  sMax = ArrotondaPassoStaffe(sMax);
  OsservazioniScrive(
      "Nel calcolo dell'armatura minima a taglio governa il passo massimo s=" + Lunghezza(sMax) +
      Stato.UnitaLunghezza + " rispetto al rapporto minimo di armatura" +
      (modo == ModoNtc ? " (NTC #4.1.6.1.1)" : "") +
      ". Il diametro della staffatura minima può quindi essere limitato a " +
      std::to_string(phiMin) + "mm.");
}

float ModelloProgetto::PassoStaffaturaMinima(int modo, double Asw) {
  const double d = AltezzaUtileArrotondata, b = BaseArrotondata;
  // At least three stirrups a metre, and not farther apart than 0.8 d.
  double sMax = std::min(1000.0 / 3, 0.8 * d);
  // Least stirrup area per mm of beam: DM 1996 0.10 (1 + 0.15 d/b) b cm2/m
  // with b in cm; NTC 1.5 b mm2/m.
  const double aMin = modo == ModoNtc ? 1.5 * b / 1000 : (1 + 0.15 * d / b) * 0.1 * b / 10 * 0.1;
  const double sRapporto = Asw / aMin;
  MessaggioStaffaturaMinima(sRapporto, sMax, modo);
  return static_cast<float>(sMax < sRapporto ? sMax : sRapporto);
}

void ModelloProgetto::ProgettaTaglio() {
  taglio_ = {};
  int modo;
  double VEd;
  if (Stato.TipoVerificaProgetto != 0) {
    MessaggioNormativa(false);
    VEd = Stato.AzioneV[1];
    modo = ModoTa;
  } else {
    VEd = Stato.AzioneV[0];
    modo = Stato.Normativa == 1 ? ModoDm96 : ModoNtc;
  }
  const double b = BaseArrotondata, h = AltezzaArrotondata, d = AltezzaUtileArrotondata;
  if (!(b > 0 && d > 0)) throw std::domain_error("taglio");
  const double z = 0.9 * d;
  const double phi = Stato.DiametroStaffe;
  const double Asw = Stato.NumeroBracci * VariabiliPubbliche::AreaBarra(phi);
  TensioneTangenziale = static_cast<float>(VEd / (z * b));

  float puntoni;
  switch (modo) {
    case ModoDm96:
      // fcd = fck / gamma_c here, without the 0.85 of the stress block.
      puntoni = static_cast<float>(0.30 * Stato.Fck / Stato.GammaC * b * d);
      break;
    case ModoTa:
      puntoni = static_cast<float>(z * b * Stato.TauC1);
      break;
    default:
      puntoni = VRdMaxEc2(Stato.Fcd, b, z, Stato.CotTeta, 0, b * h);
  }
  puntoni = VerificaPuntoni(VEd, puntoni, b, modo, z, b * h);
  StaffeValide = taglio_.lblTauForeColor != Rosso;
  TaglioResistente =
      modo == ModoTa ? static_cast<float>(z * b * Stato.TauC0) : TaglioCalcestruzzo(modo, b, d);
  if (puntoni < TaglioResistente)
    platform::MsgBox("Risultato inaspettato: VRd2 < VRdc !", platform::Pulsanti::Ok,
                     platform::Icona::Informazione);
  if (Stato.SenzaStaffe) {
    if (VEd > TaglioResistente) {
      taglio_.lblTaglioResistenteForeColor = platform::QBColor(12);
      OsservazioniScrive(
          "Il taglio sollecitante supera il taglio resistente senza armatura a taglio:"
          " disporre le staffe.");
    }
    return;
  }

  // Below 1 cm the rounding would leave no spacing at all: the exact one then.
  auto passo = [this](double s) {
    const float arrotondato = ArrotondaPassoStaffe(s);
    if (arrotondato > 0) return arrotondato;
    OsservazioniScrive(
        "Passo delle staffe inferiore a 1 cm: aumentare il diametro o il numero dei bracci.");
    return static_cast<float>(s);
  };
  PassoStaffeMinimo = passo(PassoStaffaturaMinima(modo, Asw));
  const std::size_t tipo = static_cast<std::size_t>(Stato.TipoAcciaioProgetto);
  double acciaio;  // stirrup term per unit of z/s
  switch (modo) {
    case ModoDm96:
      acciaio = Asw * Stato.Fyd[tipo];
      break;
    case ModoTa:
      acciaio = Asw * Stato.SigmaSAmm[tipo];
      break;
    default:
      acciaio = Asw * Stato.Fyd[tipo] * Stato.CotTeta;
  }
  const double Vs = acciaio * z / PassoStaffeMinimo;
  double vMin, vW;  // carried by the minimum stirrups; left to the stirrups
  switch (modo) {
    case ModoDm96:
      vMin = std::min(Vs + TaglioResistente, 2 * Vs);
      vW = std::max(VEd - TaglioResistente, VEd / 2);
      break;
    case ModoTa:
      vMin = Stato.TauC0 * b * z;
      vW = VEd;
      break;
    default:
      vMin = std::max(static_cast<double>(TaglioResistente), Vs);
      vW = VEd;
  }
  // The section carries no more than its struts.
  vMin = std::min(vMin, static_cast<double>(puntoni));
  PassoStaffe =
      vMin < VEd ? std::min(passo(z * acciaio / vW), PassoStaffeMinimo) : PassoStaffeMinimo;

  taglio_.lblTau = FormattaValore(TensioneTangenziale);
  taglio_.lblTaglioResistente = "Staff. minima per VEd = " + FormattaValore(vMin / 1000) + " kN";
  const std::string diametro = "φ" + std::to_string(Stato.DiametroStaffe) + "/";
  taglio_.LabelStaffeMin = diametro + Lunghezza(PassoStaffeMinimo);
  taglio_.LabelStaffeCalc = diametro + Lunghezza(PassoStaffe);
  // Struts that fail: no spacing makes the section carry VEd.
  if (!StaffeValide) {
    taglio_.LabelStaffeCalc += " non valide";
    taglio_.LabelStaffeCalcForeColor = platform::QBColor(12);
  }
}
