// The detailing drawing of a designed rectangular beam: outline, bars,
// stirrups, a labelled leader for each bar group, the title block and the
// stirrups drawn apart, all in the frame of the designed b1 x h1 rectangle
// and fitted whole on the device.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/SezioneCA.h"
#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Ingombro.h"
#include "drawing/GraficaStato.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

constexpr double PassoEtichette = 60;

// Groups that get a label in one zone.
int GruppiEtichettati(const std::vector<Barra>& ferri, const std::vector<Barra>& reggi) {
  return static_cast<int>(ferri.size() + (Stato.SenzaStaffe ? 0 : reggi.size()));
}

}  // namespace

void SezioneCA::SezFerroInserisci(double x, double y, double d) {
  Grafica::ImpostaColore(1);
  Grafica::PlottaCerchio(x, y, d / 2, 1);
}

std::string SezioneCA::EtichettaGruppo(const Barra& gruppo) {
  const std::string barre = std::to_string(gruppo.nBarre) + "Ø" +
                            std::to_string(static_cast<long>(std::lround(gruppo.Diametro)));
  if (gruppo.iPosizione > 0) return " P." + std::to_string(gruppo.iPosizione) + " " + barre;
  return "  " + barre;
}

std::vector<std::string> SezioneCA::TestiTitoloProgetto() const {
  std::vector<std::string> righe{Stato.TitoloSezione};
  if (!FinestraProgetto) return righe;
  platform::Form& f = *FinestraProgetto;
  // The method the design window shows, whatever another window chose since.
  const int metodo = f.Controllo("OpTipoVerifica", 0).Value() != 0 ? 0 : 1;
  righe.push_back((metodo == 0 ? "Msd=" : "M=") + f.Controllo("F_Mxsd", metodo).Text() +
                  " kNm   " + (metodo == 0 ? "Vsd=" : "V=") + f.Controllo("F_Vsd", metodo).Text() +
                  " kN");
  righe.push_back("B=" + f.Controllo("txtSez", 1).Text() + "   H=" +
                  f.Controllo("txtSez", 0).Text() + " " + Stato.UnitaLunghezza);
  righe.push_back("Incidenza acciaio " + f.Controllo("txtIncidenzaAcciaio").Text() + " " +
                  f.Controllo("lblIncidenzaAcciaio").Caption());
  return righe;
}

void SezioneCA::ScriveTitoloProgetto(double x, double y0, double t) const {
  Grafica::ImpostaColore(1);
  double y = y0 + 5 * t;
  for (const std::string& riga : TestiTitoloProgetto()) {
    if (!riga.empty()) Grafica::PlottaTesto(x, y, t, riga, 1);
    y -= 2 * t;
  }
}

void SezioneCA::PlottaGruppoFerri(const Barra& gruppo, const std::string& zona, double y,
                                  const std::vector<double>* rientri) {
  const std::vector<FerroTrave> ferri = FerriGruppo(gruppo, zona, rientri);
  for (const FerroTrave& f : ferri) SezFerroInserisci(f.x, f.y, f.Diametro);

  const double xEtichetta = b1 / 2.0 + 3 * hTesto;
  if (!ferri.empty()) {
    // From the group's right-hand bar at 60 degrees to the label's height,
    // then across to the label.
    const double yFerro = ferri.back().y, xFerro = ferri.back().x;
    const double xGomito =
        std::min(xFerro + std::fabs(y - yFerro) / std::tan(std::numbers::pi / 3), xEtichetta);
    Grafica::ImpostaColore(8);
    Grafica::PlottaLinea(xFerro, yFerro, xGomito, y, 1);
    Grafica::PlottaLinea(xGomito, y, xEtichetta, y, 1);
  }
  Grafica::ImpostaColore(1);
  Grafica::PlottaTesto(xEtichetta, y, hTesto, EtichettaGruppo(gruppo), 1);
}

void SezioneCA::PlottaGruppiFerri(const std::vector<Barra>& gruppi, const std::string& zona,
                                  double& y, double passo) {
  for (std::size_t i = 0; i < gruppi.size(); ++i) {
    PlottaGruppoFerri(gruppi[i], zona, y, RientriGruppo(gruppi, i, zona));
    y += passo;
  }
}

void SezioneCA::PlottaSezioneStaffe() {
  hTesto = 40;
  const bool staffe = !Stato.SenzaStaffe;
  Staffe& s = StaffeCamp();
  PosizioniTrave();
  s.hTesto = hTesto;

  // Every part of the drawing with its texts, so that the whole of it fits.
  const int nInf = GruppiEtichettati(CollInf, CollReggiInf);
  const int nSup = GruppiEtichettati(CollSup, CollReggiSup);
  const double yTitolo = h1 + PassoEtichette * (nSup + 2);
  const double xEtichette = b1 / 2.0 + 3 * hTesto;
  double xMin = -b1 / 2.0, xMax = b1 / 2.0 + 400;
  double yMin = -PassoEtichette * (nInf + 1), yMax = h1 + PassoEtichette * (nSup + 4);
  for (const std::vector<Barra>* gruppi : {&CollInf, &CollSup, &CollReggiInf, &CollReggiSup})
    for (const Barra& b : *gruppi)
      xMax = std::max(xMax, xEtichette + Grafica::LarghezzaTesto(EtichettaGruppo(b), hTesto));
  for (const std::string& riga : TestiTitoloProgetto())
    xMax = std::max(xMax, -b1 / 2.0 + Grafica::LarghezzaTesto(riga, hTesto));
  yMax = std::max(yMax, yTitolo + 6 * hTesto);
  const bool esploso = staffe && s.NumeroBraccia > 0;
  double yRiferimento = 0;
  if (esploso) {
    // The exploded stirrups start three text heights below the last bottom label.
    double x0, x1, y0, y1;
    s.IngombroEsploso(h1, 0, x0, x1, y0, y1);
    yRiferimento = -PassoEtichette * nInf - 3 * hTesto - y1;
    s.IngombroEsploso(h1, yRiferimento, x0, x1, y0, y1);
    xMin = std::min(xMin, x0);
    xMax = std::max(xMax, x1);
    yMin = std::min(yMin, y0);
  }
  if (!PltInizializza(xMin, xMax, yMin, yMax, 0)) return;
  // Texts at their drawing height on screen and paper as in the DXF file.
  const bool testoVideo = Grafica::Stato.TestoVideo;
  Grafica::ImpostaFlagTesto(true);
  Grafica::ImpostaStileTesto(1, "Arial", "Arial");
  Grafica::ImpostaFont(1);

  const Vettore<double> xc{-b1 / 2.0, b1 / 2.0, b1 / 2.0, -b1 / 2.0};
  const Vettore<double> yc{0, 0, h1, h1};
  Grafica::ImpostaColore(3);
  Grafica::ImpostaSpessoreLinea(2);
  Grafica::PlottaPoligonale(4, xc, yc, 1);
  Grafica::ImpostaSpessoreLinea(1);

  double y = -PassoEtichette;
  if (staffe) PlottaGruppiFerri(CollReggiInf, "INF", y, -PassoEtichette);
  PlottaGruppiFerri(CollInf, "INF", y, -PassoEtichette);
  y = h1 + PassoEtichette;
  if (staffe) PlottaGruppiFerri(CollReggiSup, "SUP", y, PassoEtichette);
  PlottaGruppiFerri(CollSup, "SUP", y, PassoEtichette);
  ScriveTitoloProgetto(-b1 / 2.0, yTitolo, hTesto);

  if (staffe) {
    s.InserisceStaffe(0, h1);
    if (esploso) s.InserisceEsploso(h1, 1, yRiferimento);
  }
  Grafica::ImpostaFlagTesto(testoVideo);
}
