// Options of the design and the reading of the window's inputs.
#include <algorithm>
#include <cmath>

#include "design/ModelloProgetto.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/Intervalli.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::LunghezzaInMm;
using VariabiliPubbliche::Stato;

namespace {

double Numero(platform::Form& f, const char* nome, int indice = platform::SenzaIndice) {
  return Generale::ValNumero(f.Controllo(nome, indice).Text());
}

// A count or a diameter; 0, which no check lets pass, when out of all measure.
int Intero(platform::Form& f, const char* nome, int indice = platform::SenzaIndice) {
  const double x = Numero(f, nome, indice);
  return std::fabs(x) < 1E6 ? static_cast<int>(std::lround(x)) : 0;
}

// A diameter as the window's lists write it: " 8", "16".
std::string TestoDiametro(int d) { return (d < 10 ? " " : "") + std::to_string(d); }

void Seleziona(platform::Form& f, const char* nome, int scelta, int n) {
  for (int i = 0; i < n; ++i) f.Controllo(nome, i).SetValue(i == scelta ? 1 : 0);
}

int Segno(double x) { return (x > 0) - (x < 0); }

// An action box holds a number, or nothing (no action).
bool AzioneLeggibile(platform::Form& f, const char* nome, int indice) {
  return Generale::NumeroCasella(f.Controllo(nome, indice).Text()).has_value();
}

// A value beyond its range is refused with a box that names it, a length
// in the unit of the window's boxes.
bool FuoriIntervallo(Intervalli::Grandezza g, double valore, const char* nome) {
  const std::string motivo =
      Intervalli::FuoriIntervallo(g, valore, nome, Intervalli::Lunghezze::Mostrate);
  if (motivo.empty()) return false;
  platform::MsgBox(motivo, platform::Pulsanti::Ok, platform::Icona::Critica);
  return true;
}

}  // namespace

double ModelloProgetto::EpsYd() { return Stato.Fyd[0] / Stato.ModuloEs; }

void ModelloProgetto::OpzioniInizializza() {
  if (!Stato.OpzioniProgetto) {
    Stato.DiametroMinimo = 16;
    Stato.DiametroMassimo = 20;
    Stato.DiametroStaffe = 8;
    Stato.TipoVerificaProgetto = Stato.TipoVerifica == 1 ? 1 : 0;
    Stato.NumeroBracci = 4;
    Stato.DiametroReggistaffe = 12;
    Stato.DiametriAutomatici = 1;
    for (int i = 0; i < 3; ++i) {
      const std::size_t k = static_cast<std::size_t>(i);
      Stato.RigheFiAttive[k] = Stato.RigheFiCAttive[k] = i == 0 ? 1 : 0;
      Stato.RigheFiNumero[k] = Stato.RigheFiCNumero[k] = 0;
      Stato.RigheFiDiametro[k] = Stato.RigheFiCDiametro[k] = Stato.DiametroMinimo + 2 * i;
    }
    Stato.DimensioneFissa = 0;
    Stato.OpzioniProgetto = true;
  }
  platform::Form& f = finestra_;
  Seleziona(f, "OpTipoVerifica", Stato.TipoVerificaProgetto, 2);
  f.Controllo("DiaMin").SetText(TestoDiametro(Stato.DiametroMinimo));
  f.Controllo("DiaMax").SetText(std::to_string(Stato.DiametroMassimo));
  f.Controllo("ComboStaffe").SetText(TestoDiametro(Stato.DiametroStaffe));
  f.Controllo("ComboBracci").SetText(std::to_string(Stato.NumeroBracci) + " ");
  f.Controllo("ComboReggi").SetText(TestoDiametro(Stato.DiametroReggistaffe));
  f.Controllo("chkAutoDiametri").SetValue(Stato.DiametriAutomatici);
  AutoDiametriSetta(Stato.DiametriAutomatici != 0);
  for (int i = 0; i < 3; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    f.Controllo("chkFi", i).SetValue(Stato.RigheFiAttive[k]);
    f.Controllo("txtNfi", i).SetText(std::to_string(Stato.RigheFiNumero[k]));
    f.Controllo("comboFi", i).SetText(TestoDiametro(Stato.RigheFiDiametro[k]));
    f.Controllo("chkFiC", i).SetValue(Stato.RigheFiCAttive[k]);
    f.Controllo("txtNfiC", i).SetText(std::to_string(Stato.RigheFiCNumero[k]));
    f.Controllo("comboFiC", i).SetText(TestoDiametro(Stato.RigheFiCDiametro[k]));
  }
  f.Controllo("chkNoStaffe").SetValue(Stato.SenzaStaffe ? 1 : 0);
  Seleziona(f, "OptionFissa", Stato.DimensioneFissa, 3);
  // A strain never set starts where concrete and steel fail together.
  if (!(Stato.EpsSProgetto > 0)) {
    ProgettaSLUini();
    Stato.EpsSProgetto = static_cast<float>(RapportiLimite[0] * EpsYd());
  }
  Stato.EpsSProgetto = std::min(Stato.EpsSProgetto, static_cast<float>(Stato.EpsSu));
  DeformazioneMostra();
  f.Controllo("chkGancio135").SetValue(Stato.GancioStaffe);
}

void ModelloProgetto::AutoDiametriSetta(bool automatici) {
  platform::Form& f = finestra_;
  for (const char* nome : {"FrameFerri", "FraFi", "FraFiC"})
    f.Controllo(nome).SetEnabled(!automatici);
  for (int i = 0; i < 2; ++i) f.Controllo("lblfi", i).SetEnabled(!automatici);
  for (const char* nome : {"chkFi", "chkFiC", "comboFi", "comboFiC", "txtNfi", "txtNfiC"})
    for (int i = 0; i < 3; ++i) f.Controllo(nome, i).SetEnabled(!automatici);
  f.Controllo("DiaMin").SetEnabled(automatici);
  f.Controllo("DiaMax").SetEnabled(automatici);
  for (int i = 0; i < 6; ++i) f.Controllo("lblAutoDia", i).SetEnabled(automatici);
}

bool ModelloProgetto::LeggiDati() {
  // A value refused has said why in its own box; any other refusal, a box
  // that holds no number among them, is told here.
  platform::ContaMessaggi detti;
  try {
    const Generale::RifiutaNumeriNonValidi rifiuta;
    if (LeggiValori()) return true;
  } catch (const Generale::NumeroNonValido&) {
  }
  if (detti.Mostrati == 0)
    platform::MsgBox("Dati errati !", platform::Pulsanti::Ok, platform::Icona::Critica);
  return false;
}

bool ModelloProgetto::LeggiValori() {
  if (!LeggiOpzioni()) return false;
  platform::Form& f = finestra_;
  Stato.CopriferroProgetto = static_cast<float>(LunghezzaInMm(Numero(f, "txtPro", 0)));
  Stato.DiametroStaffe = Intero(f, "ComboStaffe");
  Stato.NumeroBracci = Intero(f, "ComboBracci");
  Stato.DiametroReggistaffe = Intero(f, "ComboReggi");
  AltezzaSezione = static_cast<float>(LunghezzaInMm(Numero(f, "txtSez", 0)));
  // The width designed is shown with its design only: without one the
  // search starts from the width before.
  if (Stato.DimensioneFissa != 0 || !f.Controllo("txtSez", 1).Text().empty())
    BaseSezione = static_cast<float>(LunghezzaInMm(Numero(f, "txtSez", 1)));
  // No stirrups of no diameter, no negative holders. A cover of 0 and a
  // depth too small are taken (the depth is raised to three covers); a fixed
  // width must be a width.
  if (Stato.DiametroReggistaffe < 0 || (!Stato.SenzaStaffe && Stato.DiametroStaffe <= 0))
    return false;
  using Intervalli::Grandezza;
  const float massima = static_cast<float>(Intervalli::Di(Grandezza::Lunghezza).massimo);
  const bool baseFissa = Stato.DimensioneFissa != 0;
  if ((Stato.CopriferroProgetto != 0 &&
       FuoriIntervallo(Grandezza::Lunghezza, Stato.CopriferroProgetto, "c")) ||
      (baseFissa && FuoriIntervallo(Grandezza::Lunghezza, BaseSezione, "B")) ||
      CopriferroRifiutato(baseFissa ? BaseSezione : massima))
    return false;
  // The width a search starts from.
  if (!(BaseSezione > 0)) BaseSezione = 1;

  const std::optional<float> distanza = DistanzaFerriCalcola();
  if (!distanza) return false;
  DistanzaFerri = *distanza;
  // Typed, or raised to hold the bars.
  if (!(AltezzaSezione <= massima) && FuoriIntervallo(Grandezza::Lunghezza, AltezzaSezione, "H"))
    return false;
  AltezzaUtile = AltezzaSezione - DistanzaFerri;

  Stato.RapportoAsCompressa = static_cast<float>(Numero(f, "txtPro", 1) / 100);
  if (Stato.RapportoAsCompressa < 0) return false;
  // Refused: the design waits for a ratio below 100 %.
  if (Stato.RapportoAsCompressa >= 1) {
    if (!ValoreInDigitazione)
      platform::MsgBox("A's/As deve essere < 100", platform::Pulsanti::Ok,
                       platform::Icona::Informazione);
    return false;
  }
  for (int i = 0; i < 2; ++i)
    Stato.PassoArrotondamento[static_cast<std::size_t>(i)] =
        static_cast<float>(LunghezzaInMm(Numero(f, "TextArrotonda", i)));
  Stato.GancioStaffe = f.Controllo("chkGancio135").Value();

  Stato.CotTeta = static_cast<float>(Numero(f, "txtCotTeta"));
  // The box shows the ratio the last shear design used; only a value typed
  // over it is the user's.
  if (f.Controllo("txtRol").Text() != rolMostrato_)
    Stato.RoL = static_cast<float>(Numero(f, "txtRol") / 100);
  if (Stato.RoL < 0) return false;
  if (!(Stato.CotTeta >= 1)) {
    Stato.CotTeta = 1;
    f.Controllo("txtCotTeta").SetText("1");
  } else if (Stato.CotTeta > 2.5f) {
    Stato.CotTeta = 2.5f;
    f.Controllo("txtCotTeta").SetText(Formattazione::TestoNumero(2.5));
  }
  Stato.MinimizzaStaffe = f.Controllo("chkCotTeta").Value();
  // The strain asked, read by the design itself.
  return Generale::NumeroCasella(f.Controllo("txtEpsS").Text()).has_value();
}

bool ModelloProgetto::LeggiOpzioni() {
  platform::Form& f = finestra_;
  Stato.TipoVerificaProgetto = f.Controllo("OpTipoVerifica", 0).Value() != 0 ? 0 : 1;
  for (int i = 0; i < 2; ++i)
    if (!AzioneLeggibile(f, "F_Mxsd", i) || !AzioneLeggibile(f, "F_Vsd", i)) return false;
  for (int i = 0; i < 2; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    const double momento = Numero(f, "F_Mxsd", i);
    const double taglio = Numero(f, "F_Vsd", i) * 1000;
    if (FuoriIntervallo(Intervalli::Grandezza::Momento, momento * 1000000, "M") ||
        FuoriIntervallo(Intervalli::Grandezza::Forza, taglio, "V"))
      return false;
    AzioneMx[k] = std::fabs(momento) * 1000000;
    // A shear of either sign asks for the same stirrups.
    Stato.AzioneV[k] = static_cast<float>(std::fabs(taglio));
    Stato.OpzioniAzioniProgetto[k] = Segno(momento);
  }
  SegnoMomento = Stato.OpzioniAzioniProgetto[static_cast<std::size_t>(Stato.TipoVerificaProgetto)];
  Stato.DiametriAutomatici = f.Controllo("chkAutoDiametri").Value();

  const bool sottoTeso = SegnoMomento == 1;
  if (!LeggiOpzioniSub(DiametriTesi, BarreFisseTese, sottoTeso ? "Fi" : "FiC") ||
      !LeggiOpzioniSub(DiametriCompressi, BarreFisseCompresse, sottoTeso ? "FiC" : "Fi"))
    return false;
  if (DiametriTesi.empty() || DiametriCompressi.empty()) {
    platform::MsgBox("Deve essere selezionato almeno un diametro per l'armatura tesa e compressa",
                     platform::Pulsanti::Ok, platform::Icona::Critica);
    return false;
  }
  if (DiametriTesi.size() <= 3 && DiametriCompressi.size() <= 3) return true;
  platform::MsgBox("Numero massimo diametri = 3", platform::Pulsanti::Ok,
                   platform::Icona::Informazione);
  // No bars of an earlier run stand for this one.
  if (DiametriTesi.size() > 3)
    CombinazioniAzzera(CombinazioniTese, CombinazioneTesa, AsTesaEffettiva);
  if (DiametriCompressi.size() > 3)
    CombinazioniAzzera(CombinazioniCompresse, CombinazioneCompressa, AsCompressaEffettiva);
  return false;
}

bool ModelloProgetto::LeggiOpzioniSub(std::vector<int>& diametri, std::vector<float>& fisse,
                                      const std::string& righe) {
  platform::Form& f = finestra_;
  diametri.clear();
  if (f.Controllo("chkAutoDiametri").Value() == 1) {
    // Four are enough to tell a range the bar choice refuses.
    for (int d = Intero(f, "DiaMin"); d <= Intero(f, "DiaMax") && diametri.size() < 4; d += 2) {
      if (d <= 0) return false;
      diametri.push_back(d);
    }
    return true;
  }
  std::vector<int> numeri;
  for (int i = 0; i < 3; ++i) {
    if (f.Controllo("chk" + righe, i).Value() != 1) continue;
    const int d = Intero(f, ("combo" + righe).c_str(), i);
    if (d <= 0) return false;
    // txtNfi, txtNfiC: bars counted, not rounded to a count.
    const std::string conta = f.Controllo("txtNf" + righe.substr(1), i).Text();
    const std::string motivo = Intervalli::NumeroBarreFuori(
        conta, "N° barre ø" + std::to_string(d) + " dell'armatura " +
                   (righe == "Fi" ? "inferiore" : "superiore"),
        MaxBarreFisse);
    if (!motivo.empty()) {
      platform::MsgBox(motivo, platform::Pulsanti::Ok, platform::Icona::Critica);
      return false;
    }
    const int n = *Intervalli::Conteggio(conta, MaxBarreFisse);
    diametri.push_back(d);
    numeri.push_back(n);
  }
  fisse.assign(diametri.size() + 1, 0);
  for (std::size_t j = 0; j < diametri.size(); ++j) {
    fisse[j + 1] = static_cast<float>(numeri[j]);
    fisse[0] += numeri[j] * VariabiliPubbliche::AreaBarra(diametri[j]);
  }
  return true;
}

int ModelloProgetto::DiametroMassimoBarre() const {
  int dMax = Stato.DiametroReggistaffe;
  for (const auto* zona : {&DiametriTesi, &DiametriCompressi})
    for (int d : *zona) dMax = std::max(dMax, d);
  return dMax;
}

bool ModelloProgetto::CopriferroRifiutato(float lato) const {
  const int barra = DiametroMassimoBarre();
  const float staffe = Stato.SenzaStaffe ? 0.0f : static_cast<float>(Stato.DiametroStaffe);
  // Bar axes at cover + stirrup + d/2 from the faces, short of lato/2 - d:
  // a width under 2 stirrups + 3 d fits no cover, and is named itself.
  const double minimo = 2.0 * staffe + 3.0 * barra;
  const std::string motivo =
      lato > minimo ? Intervalli::CopriferroFuori(Stato.CopriferroProgetto,
                                                  static_cast<double>(lato) - 2.0 * staffe - barra, barra)
                    : Intervalli::LatoSenzaCopriferro(lato, minimo, "B");
  if (motivo.empty()) return false;
  platform::MsgBox(motivo, platform::Pulsanti::Ok, platform::Icona::Critica);
  return true;
}

bool ModelloProgetto::DimensioniRifiutate() const {
  using Intervalli::Grandezza;
  return FuoriIntervallo(Grandezza::Lunghezza, BaseArrotondata, "B") ||
         FuoriIntervallo(Grandezza::Lunghezza, AltezzaArrotondata, "H") ||
         CopriferroRifiutato(BaseArrotondata);
}

std::optional<float> ModelloProgetto::DistanzaFerriCalcola() {
  const int dMax = DiametroMassimoBarre();
  float c = dMax / 2.0f + Stato.CopriferroProgetto;
  if (!Stato.SenzaStaffe) c += static_cast<float>(Stato.DiametroStaffe);
  // Nothing is designed for a nil moment: the depth waits for one, and only
  // the nil moment is told.
  const bool momento = AzioneMx[Stato.TipoVerificaProgetto == 0 ? 0 : 1] != 0;
  if (3 * c > AltezzaSezione && momento) {
    if (ValoreInDigitazione) return std::nullopt;
    AltezzaSezione = Arrotonda(3.0 * c, Stato.PassoArrotondamento[0]);
    finestra_.Controllo("txtSez", 0)
        .SetText(
            VariabiliPubbliche::FormattaValore(VariabiliPubbliche::LunghezzaDaMm(AltezzaSezione)));
    platform::MsgBox("L'altezza della sezione, troppo piccola, viene aumentata",
                     platform::Pulsanti::Ok, platform::Icona::Esclamazione);
  }
  return c;
}

void ModelloProgetto::DeformazioneMostra() {
  epsSMostrata_.clear();
  DeformazioneMostra(Stato.EpsSProgetto);
}

void ModelloProgetto::DeformazioneProgettoMostra() {
  const bool propria = Stato.TipoVerificaProgetto == 0 && EpsSDelProgetto > 0 &&
                       Formattazione::Formato(EpsSDelProgetto / EpsYd(), "0.00") !=
                           Formattazione::Formato(Stato.EpsSProgetto / EpsYd(), "0.00");
  if (!propria) return DeformazioneMostra();
  DeformazioneMostra(EpsSDelProgetto);
  epsSMostrata_ = finestra_.Controllo("txtEpsS").Text();
}

void ModelloProgetto::DeformazioneMostra(double epsS) {
  platform::Form& f = finestra_;
  f.Controllo("txtEpsS").SetText(Formattazione::Formato(epsS / EpsYd(), "0.00"));
  SliderDaEpsS();
  const double xSuD = Stato.EpsCu / (epsS + Stato.EpsCu);
  f.Controllo("txtxSud", 0).SetText(Formattazione::Formato(xSuD, "0.000"));
  f.Controllo("txtxSud", 1)
      .SetText(Formattazione::Formato(VariabiliPubbliche::DeltaRidistribuzione(xSuD), "0.000"));
}

void ModelloProgetto::SliderDaEpsS() {
  const double fattore = Generale::ValNumero(finestra_.Controllo("txtEpsS").Text());
  const double decimi = Generale::ValNumero(Formattazione::Formato(fattore, "00.0")) * 10;
  finestra_.Controllo("Slider1").SetValue(static_cast<int>(std::lround(decimi)));
}
