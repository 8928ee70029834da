// The designed beam as drawn: its rectangle, stirrups and bar groups, and
// the rows its bars stand in.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/SezioneCA.h"
#include "design/ModelloProgetto.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

// Diameter j with the count j of the combination and, with manual
// diameters, the fixed count j; groups without bars are left out.
void GruppiBarreCrea(const ModelloProgetto& m, std::vector<Barra>& gruppi,
                     const std::vector<int>& diametri, const Combinazione& combinazione,
                     const std::vector<float>& fisse, const std::string& tipo) {
  gruppi.clear();
  for (std::size_t i = 1; i <= diametri.size() && i < combinazione.size(); ++i) {
    Barra b;
    b.Diametro = static_cast<float>(diametri[i - 1]);
    b.nBarre = static_cast<short>(combinazione[i] + m.BarreFisseNumero(static_cast<int>(i), fisse));
    b.Tipo = tipo;
    if (b.nBarre > 0) gruppi.push_back(b);
  }
}

// One holder group: a bar per stirrup leg.
void GruppoReggiCrea(std::vector<Barra>& gruppi, const std::string& tipo) {
  Barra b;
  b.Diametro = static_cast<float>(Stato.DiametroReggistaffe);
  b.nBarre = static_cast<short>(Stato.NumeroBracci);
  b.Tipo = tipo;
  gruppi.assign(1, b);
}

}  // namespace

void ModelloProgetto::TraveCompone() {
  Stato.DetrazioneStaffa = 2 * Stato.CopriferroProgetto + static_cast<float>(Stato.DiametroStaffe);
  SezioneCA& trave = *Trave;
  trave.b1 = BaseArrotondata;
  trave.h1 = AltezzaArrotondata;
  if (!Stato.SenzaStaffe) {
    Staffe& s = trave.StaffeCamp();
    s.Diametro = static_cast<float>(Stato.DiametroStaffe);
    s.NumeroBraccia = Stato.NumeroBracci;
    s.TipoAmin = CodiceStaffa(Stato.NumeroBracci);
    s.PassoEffAmin = PassoStaffe;
    s.GancioChiuso = Stato.GancioStaffe;
  }
  // With a positive moment the tension bars are the bottom ones.
  const bool tesaSotto = SegnoMomento == 1;
  GruppiBarreCrea(*this, trave.CollInf, tesaSotto ? DiametriTesi : DiametriCompressi,
                  tesaSotto ? CombinazioneTesa : CombinazioneCompressa,
                  tesaSotto ? BarreFisseTese : BarreFisseCompresse, "FERRI-INF");
  GruppiBarreCrea(*this, trave.CollSup, tesaSotto ? DiametriCompressi : DiametriTesi,
                  tesaSotto ? CombinazioneCompressa : CombinazioneTesa,
                  tesaSotto ? BarreFisseCompresse : BarreFisseTese, "FERRI-SUP");
  GruppoReggiCrea(trave.CollReggiSup, "REGGI-SUP");
  GruppoReggiCrea(trave.CollReggiInf, "REGGI-INF");
}

std::vector<ModelloProgetto::Strato> ModelloProgetto::StratiEffettivi(bool* piuFile) {
  TraveCompone();
  Trave->PosizioniTrave();
  std::vector<Strato> strati;
  if (piuFile) *piuFile = false;
  for (const SezioneCA::FerroTrave& f : Trave->FerriTrave()) {
    if (piuFile && f.Rientro > 0) *piuFile = true;
    const float distanza = static_cast<float>(AltezzaArrotondata - f.y);
    const float area = VariabiliPubbliche::AreaBarra(f.Diametro);
    auto stesso = [distanza](const Strato& s) { return std::fabs(s.Distanza - distanza) < 1E-3f; };
    const auto s = std::find_if(strati.begin(), strati.end(), stesso);
    if (s == strati.end())
      strati.push_back({area, distanza});
    else
      s->Area += area;
  }
  std::sort(strati.begin(), strati.end(),
            [](const Strato& a, const Strato& b) { return a.Distanza < b.Distanza; });
  return strati;
}

bool ModelloProgetto::InBase(float b, const std::function<bool()>& prova) {
  const float arrotondata = BaseArrotondata;
  BaseArrotondata = b;
  TraveCompone();
  Trave->PosizioniTrave();
  const bool vero = prova();
  BaseArrotondata = arrotondata;
  TraveCompone();
  Trave->PosizioniTrave();
  return vero;
}

bool ModelloProgetto::UnaFila(float b, bool inferiore) {
  return InBase(b, [this, inferiore] { return !Trave->PiuFile(inferiore); });
}

float ModelloProgetto::LarghezzaMinima(float da, const std::function<bool()>& prova) {
  // Wider, by a quarter at a time, until it holds, then halved back to the
  // first width that holds.
  float larga = da, stretta = da;
  for (int k = 0; larga > 0 && k < 40 && !InBase(larga, prova); ++k) {
    stretta = larga;
    larga *= 1.25f;
  }
  while (larga - stretta > 0.01f) {
    const float media = (stretta + larga) / 2;
    (InBase(media, prova) ? larga : stretta) = media;
  }
  return larga;
}

float ModelloProgetto::LarghezzaUnaFila(bool inferiore) {
  const bool tesa = inferiore == (SegnoMomento == 1);
  // Side by side is the least.
  const float affiancate =
      tesa ? LarghezzaZona(DiametriTesi, CombinazioneTesa, BarreFisseTese)
           : LarghezzaZona(DiametriCompressi, CombinazioneCompressa, BarreFisseCompresse);
  return LarghezzaMinima(affiancate, [this, inferiore] { return !Trave->PiuFile(inferiore); });
}

float ModelloProgetto::LarghezzaReggi() {
  return LarghezzaMinima(BaseArrotondata, [this] { return Trave->ReggiDistanziati(); });
}
