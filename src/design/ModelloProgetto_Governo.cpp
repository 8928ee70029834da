// The limits that make a section larger than the strain asked needs: the
// least width or depth, and the room the bars take side by side.
#include <algorithm>
#include <string>

#include "analysis/SezioneCAreagente.h"
#include "design/ModelloProgetto.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

void ModelloProgetto::MinimaSegnala(double minimo) {
  const double x = IncognitaAltezza ? AltezzaSezione : BaseSezione;
  const std::string misura = " (" + LunghezzaTesto(x) + ")";
  if (IncognitaAltezza)
    governo_ = "Governa l'altezza minima, tre volte la distanza delle barre dal bordo" + misura;
  else if (x <= minimo * (1 + 1E-6))
    governo_ = std::string("Governa la base minima che contiene ") +
               (Stato.NumeroBracci > 0 ? "i reggistaffe" : "le barre") + " in un solo strato" +
               misura;
  else
    governo_ =
        "Governa la base minima in cui le barre presenti raggiungono la deformazione richiesta" +
        misura;
}

bool ModelloProgetto::DimensioneArrotondata() const {
  switch (Stato.DimensioneFissa) {
    case 0:
      return Stato.PassoArrotondamento[1] > 0 && BaseArrotondata > BaseSezione;
    case 1:
      return Stato.PassoArrotondamento[0] > 0 && AltezzaArrotondata > AltezzaSezione;
    default:
      return false;
  }
}

bool ModelloProgetto::DeformazioneSezioneMostrata() {
  if (Stato.TipoVerificaProgetto != 0) return false;
  bool piuFile = false;
  std::vector<Strato> strati = StratiEffettivi(&piuFile);
  // The strain asked stays where the section shown is the one sized at it.
  if (governo_.empty() && !DimensioneArrotondata() && !piuFile) return false;
  // The trial rectangle is compressed on top: a beam under a negative
  // moment, tension bars on top, is turned over.
  if (SegnoMomento != 1)
    for (Strato& s : strati) s.Distanza = AltezzaArrotondata - s.Distanza;
  SezioneCAreagente sezione;
  SezCARettCrea(sezione, BaseArrotondata, AltezzaArrotondata, strati, Stato.RapportoN);
  MomentoUltimoProva(sezione);
  EpsSDelProgetto = sezione.Eps_s_max;
  return piuFile;
}

void ModelloProgetto::GovernoScrive(bool piuFile) {
  const bool altezza = Stato.DimensioneFissa == 1;
  const std::string mostrata = LunghezzaTesto(altezza ? AltezzaArrotondata : BaseArrotondata);
  std::string testo = governo_;
  if (DimensioneArrotondata())
    testo = governo_.empty() ? std::string(altezza ? "Governa l'altezza" : "Governa la base") +
                                   " arrotondata (" + mostrata + ")"
                             : governo_ + ", arrotondata a " + mostrata;
  if (piuFile)
    testo = testo.empty() ? "Governano le barre, in più strati"
                          : testo + ", con le barre in più strati";
  const bool slu = Stato.TipoVerificaProgetto == 0;
  const std::string propria = Formattazione::Formato(EpsSDelProgetto / EpsYd(), "0.00");
  const std::string chiesta = Formattazione::Formato(Stato.EpsSProgetto / EpsYd(), "0.00");
  // The rounding alone is told only for the strain it changed.
  if (testo.empty() || (governo_.empty() && !piuFile && (!slu || propria == chiesta))) return;
  // A strain the same at the digits shown is no other strain.
  if (slu && propria != chiesta)
    testo += ": la deformazione dell'armatura tesa è εs/εyd = " + propria + " anziché " + chiesta;
  OsservazioniScrive(testo + ".");
}

std::string ModelloProgetto::LunghezzaTesto(double mm) {
  return VariabiliPubbliche::FormattaValore(VariabiliPubbliche::LunghezzaDaMm(mm), true) + " " +
         Stato.UnitaLunghezza;
}

float ModelloProgetto::LarghezzaBarre() {
  return std::max(LarghezzaUnaFila(true), LarghezzaUnaFila(false));
}

bool ModelloProgetto::ArmaturaBase(float b) {
  // A width of the rounding step, when there is one.
  const float passo = Stato.PassoArrotondamento[1];
  BaseSezione = passo > 0 ? Arrotonda(b, passo) : b;
  IncognitaAltezza = false;
  DimensioniArrotondate();
  return ArmaturaSezioneFissa() && ArmaturaCalcola();
}

bool ModelloProgetto::BaseAllargaAlleBarre() {
  const float flessione = BaseSezione;
  // In one row as drawn, the least clear spacing kept.
  auto stanno = [this] {
    bool piuFile = false;
    StratiEffettivi(&piuFile);
    return !piuFile;
  };
  if (stanno()) return true;
  // Widened to the bars, or by a tenth, a few rounds: less steel in a wider
  // section may take fewer bars.
  for (int k = 0; k < 8 && !stanno(); ++k)
    if (!ArmaturaBase(std::max(LarghezzaBarre(), 1.1f * BaseSezione))) return false;
  if (!stanno()) {
    // Still more than one row: the rows are told with the strain.
    governo_ = "Governa la base allargata alle barre (" + LunghezzaTesto(BaseSezione) + ")";
    return true;
  }
  // The least width whose bars fit in it, to a tenth of a millimetre ...
  float stretta = flessione, larga = BaseSezione;
  while (larga - stretta > 0.1f) {
    const float media = (stretta + larga) / 2;
    if (!ArmaturaBase(media)) return false;
    (stanno() ? larga : stretta) = media;
  }
  if (!ArmaturaBase(larga)) return false;
  // ... and then just the width its bars take, if they are still those.
  const float barre = LarghezzaBarre();
  if (barre > flessione && barre < larga) {
    if (!ArmaturaBase(barre)) return false;
    if (!stanno() && !ArmaturaBase(larga)) return false;
  }
  governo_ = "Governano le barre, in un solo strato in una base di " + LunghezzaTesto(BaseSezione);
  return true;
}
