// Rounding, the texts of the results and the steel incidence.
#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/SezioneCA.h"
#include "design/ModelloProgetto.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::FormattaArea;
using VariabiliPubbliche::Stato;

namespace {

// The colours of the bottom-bar and top-bar displays.
constexpr platform::Colore ColoreInferiori = 0xFFC0C0;
constexpr platform::Colore ColoreSuperiori = 0xC0C0FF;

// Provided over required, less one, in per cent with its sign: "+4.3%".
std::string Eccedenza(double fornita, double richiesta) {
  const double percento = 100 * (fornita / richiesta - 1);
  const std::string testo = Formattazione::Formato(percento, "0.0");
  return (testo[0] == '-' ? "" : "+") + testo + "%";
}

}  // namespace

float ModelloProgetto::Arrotonda(double valore, double passo) {
  if (passo > 0) {
    double arrotondato = std::nearbyint(valore / passo) * passo;
    if (arrotondato < valore) arrotondato += passo;
    return static_cast<float>(arrotondato);
  }
  // Five significant digits; values above 1 keep all their integer digits.
  if (valore == 0 || !std::isfinite(valore)) return static_cast<float>(valore);
  const int intere = static_cast<int>(std::floor(std::log10(std::fabs(valore)) + 0.000001)) + 1;
  const int decimali = (std::fabs(valore) <= 1 || intere < 5) ? 5 - intere : 0;
  const double scala = std::pow(10.0, decimali);
  return static_cast<float>(std::round(valore * scala) / scala);
}

std::string ModelloProgetto::ArmaturaTesto(const std::vector<int>& diametri,
                                           const Combinazione& combinazione,
                                           const std::vector<float>& fisse) const {
  std::string testo;
  if (Stato.NumeroBracci > 0)
    testo = std::to_string(Stato.NumeroBracci) + "φ" + std::to_string(Stato.DiametroReggistaffe);
  for (std::size_t j = 1; j <= diametri.size(); ++j) {
    const int n = static_cast<int>(combinazione[j]) + BarreFisseNumero(static_cast<int>(j), fisse);
    if (n <= 0) continue;
    if (!testo.empty()) testo += "+";
    testo += std::to_string(n) + "φ" + std::to_string(diametri[j - 1]);
  }
  return testo;
}

int ModelloProgetto::CodiceStaffa(int bracci) {
  switch (bracci) {
    case 2:
      return 1;
    case 4:
      return 5;
    case 6:
      return 6;
    default:
      platform::MsgBox("N° di bracci delle staffe non previsto per il plottaggio");
      return 0;
  }
}

float ModelloProgetto::IncidenzaAcciaio(float AsEffettiva, float AsCompressaEff) {
  TraveCompone();
  double staffe = 0;  // kg per metre of beam
  if (!Stato.SenzaStaffe && PassoStaffe > 0 && StaffeValide)
    staffe = 1000 / PassoStaffe * Trave->StaffeCamp().Peso();
  const double longitudinali = (AsEffettiva + AsCompressaEff) * 7850.0 / 1000000;
  // Over the concrete of the section drawn, whose bars and stirrups these are.
  return static_cast<float>((staffe + longitudinali) /
                            (static_cast<double>(AltezzaArrotondata) * BaseArrotondata / 1000000));
}

void ModelloProgetto::OsservazioniScrive(const std::string& testo) {
  if (!Osservazioni.empty()) Osservazioni += "\r\n";
  Osservazioni += testo;
}

void ModelloProgetto::MessaggioNormativa(bool azzera) {
  if (azzera) {
    avvisoNormativa_ = false;
  } else if (Stato.Normativa == 0 && !avvisoNormativa_) {
    platform::MsgBox("Il progetto a taglio con il Metodo n viene eseguito secondo DM '96");
    avvisoNormativa_ = true;
  }
}

TestiRisultati ModelloProgetto::RisultatiTesti() {
  TestiRisultati t = taglio_;
  DimensioniArrotondate();
  const std::size_t tesa = SegnoMomento == 1 ? 0 : 1, compressa = 1 - tesa;
  t.LblArmatura[tesa] = ArmaturaTesto(DiametriTesi, CombinazioneTesa, BarreFisseTese);
  t.LblArmatura[compressa] =
      ArmaturaTesto(DiametriCompressi, CombinazioneCompressa, BarreFisseCompresse);
  t.txtAsMin[tesa] = FormattaArea(AsTesa);
  t.LblAsMin[tesa] = "As min";
  t.txtAs[tesa] = FormattaArea(AsTesaEffettiva);
  t.LblAs[tesa] = "As";
  t.txtAsPerc[tesa] = Eccedenza(AsTesaEffettiva, AsTesa);
  t.lblArea = Stato.UnitaLunghezza + "²";
  t.txtAsMin[compressa] = FormattaArea(AsCompressa);
  t.LblAsMin[compressa] = "A's min";
  t.LblAs[compressa] = "A's";
  t.txtAs[compressa] = FormattaArea(AsCompressaEffettiva);
  t.txtAsPerc[compressa] = AsCompressa > 0 ? Eccedenza(AsCompressaEffettiva, AsCompressa) : "-";
  t.txtAsSuAs1 = Formattazione::Formato(100 * AsCompressaEffettiva / AsTesaEffettiva, "0") + "%";
  t.LabelRo_s = Formattazione::Formato(
      100 * AsTesaEffettiva / (static_cast<double>(AltezzaUtileArrotondata) * BaseArrotondata),
      "0.00");
  t.LabelRo_sBackColor = SegnoMomento == 1 ? ColoreInferiori : ColoreSuperiori;
  if (Stato.SenzaStaffe)
    t.lblTaglioResistente =
        "Taglio Resistente = " + VariabiliPubbliche::FormattaValore(TaglioResistente / 1000) +
        " kN";
  else
    t.lblTaglio8 = "a " + std::to_string(Stato.NumeroBracci) + " bracci";
  t.txtIncidenzaAcciaio =
      Formattazione::Formato(IncidenzaAcciaio(AsTesaEffettiva, AsCompressaEffettiva), "0.0");
  const std::string avvisi = AvvisiCostruzione();
  t.txtOsservazioni = Osservazioni + (Osservazioni.empty() || avvisi.empty() ? "" : "\r\n") + avvisi;
  return t;
}

std::string ModelloProgetto::AvvisiCostruzione() {
  std::string avvisi;
  auto aggiungi = [&avvisi](const std::string& testo) {
    avvisi += (avvisi.empty() ? "" : "\r\n") + testo;
  };
  const double bh = static_cast<double>(BaseArrotondata) * AltezzaArrotondata;
  if (AsTesaEffettiva > 0.04 * bh)
    aggiungi("Armatura tesa pari al " + Formattazione::Formato(100 * AsTesaEffettiva / bh, "0.0") +
             "% di b·h, oltre il 4%: aumentare le dimensioni della sezione.");
  // Rounded up at the four digits shown: never a width under the least.
  auto base = [](float mm) {
    const double larghezza = VariabiliPubbliche::LunghezzaDaMm(mm);
    const double passo = std::pow(10.0, std::floor(std::log10(larghezza)) - 3);
    return " una base di " +
           VariabiliPubbliche::FormattaValore(Arrotonda(larghezza, passo), true) + " " +
           Stato.UnitaLunghezza + ".";
  };
  for (const bool inferiore : {SegnoMomento == 1, SegnoMomento != 1}) {
    if (UnaFila(BaseArrotondata, inferiore)) continue;
    const bool tenuto = Trave->InterferroTenuto(inferiore);
    aggiungi(std::string("Le barre ") + (inferiore ? "inferiori" : "superiori") +
             (tenuto ? " non stanno in un solo strato: con l'interferro minimo occorre"
                     : " non hanno l'interferro minimo neppure in più strati: occorre") +
             base(LarghezzaUnaFila(inferiore)));
  }
  if (!InBase(BaseArrotondata, [this] { return Trave->ReggiDistanziati(); }))
    aggiungi("I reggistaffe non hanno l'interferro minimo: occorre" + base(LarghezzaReggi()));
  return avvisi;
}

float ModelloProgetto::LarghezzaZona(const std::vector<int>& diametri,
                                     const Combinazione& combinazione,
                                     const std::vector<float>& fisse) const {
  // Holders and bars of the zone side by side inside the stirrups.
  int n = Stato.NumeroBracci;
  double somma = n * Stato.DiametroReggistaffe, fiMax = n > 0 ? Stato.DiametroReggistaffe : 0;
  for (std::size_t j = 1; j <= diametri.size(); ++j) {
    const int nj = static_cast<int>(combinazione[j]) + BarreFisseNumero(static_cast<int>(j), fisse);
    if (nj <= 0) continue;
    n += nj;
    somma += nj * diametri[j - 1];
    fiMax = std::max(fiMax, static_cast<double>(diametri[j - 1]));
  }
  return n > 0 ? LarghezzaStrato(n, somma, fiMax) : 0;
}
