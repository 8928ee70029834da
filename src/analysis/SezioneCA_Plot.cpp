#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/Correnti.h"
#include "analysis/SezioneCA.h"
#include "drawing/Grafica_Disegno.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Operazioni.h"
#include "model/Finestre.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Stampante.h"
#include "platform/Surface.h"

namespace {

using VariabiliPubbliche::Stato;

// Colour numbers of the outline and of the bars: the seismic window's choice
// when it is there (grey while it is the active window).
int ColoreContorno() {
  if (Finestre::ServiziSismica* sismica = Finestre::Aperte.Sismica)
    return sismica->ColorePlottaSezione();
  return Stato.RisultatiPresenti ? 5 : 7;
}

int ColoreFerri() {
  if (Finestre::ServiziSismica* sismica = Finestre::Aperte.Sismica)
    return sismica->ColorePlottaSub();
  return 7;
}

// Strain i of a result, when the last solution left one.
bool HaElemento(const Vettore<double>& v, int i) { return i >= v.Lb() && i <= v.Ub(); }

Vettore<double> Angoli(const std::array<float, 4>& angoli) {
  Vettore<double> v(1, 4);
  for (int i = 1; i <= 4; ++i) v(i) = angoli[static_cast<size_t>(i - 1)];
  return v;
}

// The line a*x + b*y + c = 0 between its two crossings with the window, when
// it has exactly two; true when drawn.
bool LineaNellaFinestra(double a, double b, double c, const Vettore<double>& xAngoli,
                        const Vettore<double>& yAngoli) {
  Vettore<double> xi, yi;
  Vettore<int> lati;
  int m = 0;
  Grafica::IntersezioneRettaPoligono(a, b, c, xAngoli, yAngoli, xi, yi, 4, lati, m);
  if (m != 2) return false;
  Grafica::PlottaLinea(xi(1), yi(1), xi(2), yi(2), 1);
  return true;
}

}  // namespace

short SezioneCA::TensioneBarraSegno(float sigma) { return sigma < 0 ? -1 : 1; }

bool SezioneCA::PltInizializza(double xMin, double xMax, double yMin, double yMax, double offset) {
  if (DispositivoPlt == "STAMPANTE") {
    if (platform::Surface* stampante = platform::Stampante()) {
      stampante->SetFontName("Times New Roman");
      stampante->SetFontSize(8);
    }
  }
  if (DispositivoPlt == "VIDEO" || DispositivoPlt == "STAMPANTE")
    PltSezione.EstremiFinestra(0.1f, 0.1f, 0.8f, 0.9f);
  else
    PltSezione.EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
  return PltSezione.Inizializza(xMin, xMax, yMin, yMax, DispositivoPlt, OggettoPlt, 1, true,
                                offset);
}

void SezioneCA::PlottaSezione(const std::string& dispositivo, platform::Oggetto* oggetto) {
  DispositivoPlt = dispositivo;
  OggettoPlt = oggetto;
  if (TipoPlottaggio == "CON-STAFFE") {
    PlottaSezioneStaffe();
    return;
  }

  // Extent of the outline, the bar circles and the moment point.
  double xMin, xMax, yMin, yMax;
  Contorno->MaxMin(xMin, xMax, yMin, yMax);
  for (int i = 1; i <= nBarre; ++i) {
    const double r = RaggioFerro(i, AreeBarre);
    xMin = std::min(xMin, xBarre(i) - r);
    yMin = std::min(yMin, yBarre(i) - r);
    xMax = std::max(xMax, xBarre(i) + r);
    yMax = std::max(yMax, yBarre(i) + r);
  }
  xMin = std::min<double>(xMin, xPtoCalcoloM);
  yMin = std::min<double>(yMin, yPtoCalcoloM);
  xMax = std::max<double>(xMax, xPtoCalcoloM);
  yMax = std::max<double>(yMax, yPtoCalcoloM);

  // Nothing can be drawn on a surface without area.
  if (!PltInizializza(xMin, xMax, yMin, yMax, 0)) return;
  hTesto = static_cast<float>((yMax - yMin) / 40);
  const Vettore<double> xAngoli = Angoli(PltSezione.xFinestraPlt());
  const Vettore<double> yAngoli = Angoli(PltSezione.yFinestraPlt());

  if (Stato.VisAssi) {
    Grafica::ImpostaColore(3);
    Grafica::ImpostaSpessoreLinea(2);
    LineaNellaFinestra(0, 1, 0, xAngoli, yAngoli);
    LineaNellaFinestra(1, 0, 0, xAngoli, yAngoli);
  }
  if (!Stato.SoloBarre) {
    Grafica::ImpostaColore(ColoreContorno());
    Grafica::ImpostaSpessoreLinea(2);
    Grafica::PlottaPoligonale(static_cast<short>(Contorno->nVertici()), Contorno->CoordX(),
                              Contorno->CoordY(), 1);
  }
  PlottaFerriECavi();

  // Cross and "N" at the moment point, sized on the window.
  const double marcatore = std::max((xAngoli(3) - xAngoli(1)) / 50, (yAngoli(1) - yAngoli(2)) / 50);
  Grafica::ImpostaColore(7);
  Grafica::PlottaCroce(xPtoCalcoloM, yPtoCalcoloM, marcatore, 1);
  Grafica::PlottaTesto(xPtoCalcoloM + marcatore, yPtoCalcoloM, hTesto, "N", 1);

  if (!Stato.RisultatiPresenti) return;
  Grafica::ImpostaColore(1);
  Grafica::ImpostaSpessoreLinea(1);
  // Neutral axes only on the screen.
  if (Stato.PlottaggioVideo) PlottaAssiNeutri(xAngoli, yAngoli);
  if (Stato.VisTensioniBarre)
    PltTensioniBarre(hTesto, nBarre, xBarre, yBarre, EpsFerri, nCavi, xCavi, yCavi,
                     DeformazioniTotaliCavi(nCavi, EpsCavi));
  if (SezioneParzializzata == 2) {
    if (SezioneInteraCarico->Contorno->nVertici() >= 1)
      PlottaSezioneReagente(*SezioneInteraCarico, marcatore, hTesto, 1);
    if (SezioneInteraCaricoInverso->Contorno->nVertici() >= 1)
      PlottaSezioneReagente(*SezioneInteraCaricoInverso, marcatore, hTesto, 5);
  } else {
    PlottaSezioneReagente(*SezioneReagenteI, marcatore, hTesto, 1);
  }
  if (Stato.VisRettangoli) PlottaRettangolini();
}

void SezioneCA::PlottaFerriECavi() const {
  Grafica::ImpostaSpessoreLinea(2);
  Grafica::ImpostaColore(ColoreFerri());
  PlottaFerri(nBarre, xBarre, yBarre, AreeBarre, EpsFerri, 0);
  if (Stato.Precompresso) {
    Grafica::ImpostaColore(1);
    PlottaFerri(nCavi, xCavi, yCavi, AreeCavi, DeformazioniTotaliCavi(nCavi, EpsCavi), 1);
  }
}

void SezioneCA::PlottaFerri(int n, const Vettore<float>& x, const Vettore<float>& y,
                            const Vettore<float>& aree, const Vettore<double>& eps,
                            int tipo) const {
  for (int i = 1; i <= n; ++i) {
    if (Stato.RisultatiPresenti && HaElemento(eps, i)) {
      const double sigma = VariabiliPubbliche::MaterialiCorrenti().SigmaAcciaio(eps(i), tipo, 0);
      Grafica::ImpostaColoreSegno(TensioneBarraSegno(static_cast<float>(sigma)));
    }
    Grafica::PlottaCerchio(x(i), y(i), RaggioFerro(i, aree), 1);
  }
}

void SezioneCA::PlottaSezioneReagente(const SezioneCAreagente& reagente, double marcatore,
                                      double altezzaTesto, int colore) const {
  if (!Stato.SoloBarre && SezioneParzializzata != -1) {
    const ::Poligono& p = *reagente.Contorno;
    Grafica::ImpostaColore(colore);
    Grafica::ImpostaSpessoreLinea(2);
    Grafica::PlottaPoligonale(static_cast<short>(p.nVertici()), p.CoordX(), p.CoordY(), 1);
    Grafica::ImpostaSpessoreLinea(1);
    Grafica::TratteggiaPoligono(p.nVertici(), p.CoordX(), p.CoordY(), 45, 20);
    reagente.PltTensioniCls(altezzaTesto);
  }
  // The ellipse of the allowable-stress solution, whatever was drawn above.
  if (Stato.TipoVerifica == 1) {
    Grafica::ImpostaSpessoreLinea(1);
    SezioneReagenteI->PlottaEllisse(marcatore, altezzaTesto);
  }
}

void SezioneCA::PlottaAssiNeutri(const Vettore<double>& xAngoli,
                                 const Vettore<double>& yAngoli) const {
  const int primo = Stato.VisAssiNeutri ? 1 : nAsseNeutro;
  for (int k = nAsseNeutro; k >= primo && k >= 1; --k) {
    // Only the lines the solution wrote.
    if (!HaElemento(aAssiNeutri, k) || !HaElemento(bAssiNeutri, k) || !HaElemento(cAssiNeutri, k))
      continue;
    Grafica::ImpostaSpessoreLinea(1);
    Vettore<double> xi, yi;
    Vettore<int> lati;
    int m = 0;
    Grafica::IntersezioneRettaPoligono(aAssiNeutri(k), bAssiNeutri(k), cAssiNeutri(k), xAngoli,
                                       yAngoli, xi, yi, 4, lati, m);
    if (m != 2) continue;
    if (k == nAsseNeutro) Grafica::ImpostaSpessoreLinea(2);
    Grafica::PlottaLinea(xi(1), yi(1), xi(2), yi(2), 1);
  }
}

void SezioneCA::PlottaRettangolini() const {
  // The strips were cut in the neutral-axis frame: the inverse array brings
  // them back to the section's axes.
  SezioneReagenteSlu->Contorno->PlottaRettangolini(MatriceSluInversa);
}

void SezioneCA::PltTensioniBarre(double altezzaTesto, int nB, const Vettore<float>& xB,
                                 const Vettore<float>& yB, const Vettore<double>& epsB, int nC,
                                 const Vettore<float>& xC, const Vettore<float>& yC,
                                 const Vettore<double>& epsC) const {
  Grafica::ImpostaSpessoreLinea(1);
  ScriveTensioniFerri(altezzaTesto, nB, xB, yB, epsB, 0);
  ScriveTensioniFerri(altezzaTesto, nC, xC, yC, epsC, 1);
}

void SezioneCA::ScriveTensioniFerri(double altezzaTesto, int n, const Vettore<float>& x,
                                    const Vettore<float>& y, const Vettore<double>& eps,
                                    int tipo) const {
  Grafica::ImpostaSpessoreLinea(1);
  for (int i = 1; i <= n && HaElemento(eps, i); ++i) {
    const double sigma = VariabiliPubbliche::MaterialiCorrenti().SigmaAcciaio(eps(i), tipo, 0);
    Grafica::ImpostaColoreSegno(sigma);
    Grafica::PlottaTesto(x(i), y(i), altezzaTesto, VariabiliPubbliche::FormattaValore(sigma, false),
                         1);
  }
}
