// The Mx-My interaction domain at the axial force of the first action set:
// one ultimate run per neutral-axis angle of the full turn, the crossing of
// the acting moment's direction with the domain, refined to about a degree,
// and the resisting moments and the ratio there.
#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/DirezioneMomento.h"
#include "analysis/SezioneCA.h"
#include "analysis/TestoSingolo.h"
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "drawing/MsChartBas.h"
#include "model/Finestre.h"
#include "model/Formattazione.h"
#include "model/Intervalli.h"
#include "model/Matematica.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::Stato;

bool SezioneCA::CalcolaDominioMxMy(short& n, Finestre::FinestraDominio& finestra,
                                   const std::string& titolo, float MxEd, float MyEd) {
  // The acting couple, kNm, in the range of every moment.
  std::string coppia;
  for (const auto& [m, nome] : {std::pair{MxEd, "MxEd"}, std::pair{MyEd, "MyEd"}})
    if (coppia.empty())
      coppia = Intervalli::FuoriIntervallo(Intervalli::Grandezza::Momento, m * 1e6, nome);
  if (RifiutaDatiNonValidi(coppia)) {
    EsitoSlu = EsitoCalcoloSlu::DatiNonValidi;
    return false;
  }
  const int fallite = Poligono::CaratteristicheFallite();
  if (n < MinDivisioniMxMy) n = MinDivisioniMxMy;
  if (n > MaxDivisioniMxMy) {
    n = MaxDivisioniMxMy;
    platform::MsgBox("Numero di divisioni ridotto a " + std::to_string(MaxDivisioniMxMy));
  }
  const int nPunti = n + 1;
  Vettore<float> Teta(1, nPunti), Mx(1, nPunti), My(1, nPunti);
  const float passo = 360.0f / static_cast<float>(n);
  // The sweep and its refinement give only moments; the last run, at the
  // angle found, leaves the compressed part to be shown.
  for (int i = 1; i <= nPunti; ++i) {
    CalcolaTramok1(Teta(i), false);
    if (EsitoSlu != EsitoCalcoloSlu::Riuscito) {
      AvvisoDominioMxMyMancato();
      return false;
    }
    Mx(i) = static_cast<float>(MomentoUltimoX);
    My(i) = static_cast<float>(MomentoUltimoY);
    if (i < nPunti) Teta(i + 1) = Teta(i) + passo;
  }

  // Acting moments of zero have no direction: the angle in force stays.
  const bool senzaAzioni = MxEd == 0 && MyEd == 0;
  float angolo = Stato.AngoloFlessione;
  ForchettaMxMy forchetta;
  if (!senzaAzioni &&
      !CalcolaDominioMxMyRapporto(MxEd, MyEd, Mx, My, nPunti, Teta, angolo, forchetta)) {
    AvvisoDominioMxMyMancato();
    return false;
  }
  CalcolaTramok1(angolo);
  if (EsitoSlu != EsitoCalcoloSlu::Riuscito) {
    AvvisoDominioMxMyMancato();
    return false;
  }
  // A property that could not be computed has said so in its box.
  if (Poligono::CaratteristicheFallite() != fallite) return false;
  const float MxRd = static_cast<float>(MomentoUltimoX / 1000000);
  const float MyRd = static_cast<float>(MomentoUltimoY / 1000000);
  const float resistente = MxRd * MxRd + MyRd * MyRd;
  // The couple found must lie on the acting direction, within the bracket
  // the angle was resolved to; a zero couple is told below.
  if (!senzaAzioni && resistente != 0 &&
      !RaggioIncontraSegmento(MxEd, MyEd, MomentoUltimoX, MomentoUltimoY, forchetta.mx,
                              forchetta.my, forchetta.zero)) {
    EsitoSlu = EsitoCalcoloSlu::NonConvergente;
    platform::MsgBox("Equilibrio non trovato nella direzione del momento sollecitante.",
                     platform::Pulsanti::Ok, platform::Icona::Critica);
    return false;
  }
  if (!senzaAzioni) {
    Stato.AngoloFlessione = angolo;
    if (platform::Form* main = Finestre::Aperte.Main)
      main->Controllo("F_Angolo").SetText(TestoSingolo(angolo));
  }
  finestra.Controllo("F_MxRd").SetText(FormattaValore(MxRd));
  finestra.Controllo("F_MyRd").SetText(FormattaValore(MyRd));
  std::string rapporto = FormattaValore(0);
  if (!senzaAzioni && resistente == 0) {
    platform::MsgBox("Momento resistente nullo: rapporto non calcolabile", platform::Pulsanti::Ok,
                     platform::Icona::Critica);
    rapporto = "-";
  } else if (!senzaAzioni) {
    rapporto = FormattaValore(std::sqrt((MxEd * MxEd + MyEd * MyEd) / resistente));
  }
  finestra.Controllo("txtRapporto").SetText(rapporto);
  MostraDominioMxMy(nPunti, finestra, Teta, Mx, My, titolo, MxEd, MyEd);
  return true;
}

void SezioneCA::AvvisoDominioMxMyMancato() const {
  // The other failures have told the user within the run.
  if (EsitoSlu == EsitoCalcoloSlu::EquilibrioImpossibile)
    MessaggioEquilibrioImpossibile(SollecitazioneN[0]);
}

bool SezioneCA::CalcolaDominioMxMyRapporto(float MxEd, float MyEd, const Vettore<float>& Mx,
                                           const Vettore<float>& My, int nPunti,
                                           const Vettore<float>& Teta, float& angolo,
                                           ForchettaMxMy& forchetta) {
  Vettore<double> x(1, nPunti), y(1, nPunti);
  for (int i = 1; i <= nPunti; ++i) {
    x(i) = Mx(i);
    y(i) = My(i);
  }
  // Until a side is found, angle 0 alone; points within the domain's size /
  // 1E5 of a line are on it, as for the crossings below.
  angolo = Teta(1);
  forchetta = {x(1), y(1), Grafica::DimensioneRelativa(x, y, nPunti, 100000)};
  double a, b, c;
  if (!Grafica::RettaPerDuePunti({0, MxEd}, {0, MyEd}, {1, 1}, a, b, c, 1E-6)) return true;
  // Crossings closer than the domain's size / 1E6 are one.
  Grafica::ImpostaZeroMaxDimen(Grafica::DimensioneRelativa(x, y, nPunti, 1000000));
  Vettore<double> xi, yi;
  Vettore<int> lati;
  int ni = 0, eliminati = 0;
  Grafica::IntersezioneRettaPoligono(a, b, c, x, y, xi, yi, nPunti, lati, ni, &eliminati);
  if (ni == 0) return true;
  if (ni > 2)
    platform::MsgBox("ni = " + std::to_string(ni) +
                     " nella sub CalcolaDominioMxMyRapporto. Segnalare a Prof. Zendri");
  double xc, yc;
  int k;
  ScegliIntersezione(MxEd, MyEd, xi, yi, lati, ni, xc, yc, k);
  if (k >= nPunti) return true;
  return RaffinaAngoloDominioMxMy(Teta(k), Teta(k + 1), a, b, c, angolo, forchetta);
}

void SezioneCA::ScegliIntersezione(float MxEd, float MyEd, const Vettore<double>& xi,
                                   const Vettore<double>& yi, const Vettore<int>& lati, int ni,
                                   double& x, double& y, int& lato) {
  bool prima = true;
  if (ni >= 2)
    prima = std::fabs(MxEd) > std::fabs(MyEd) ? Matematica::StessoSegno(MxEd, xi(1))
                                              : Matematica::StessoSegno(MyEd, yi(1));
  const int j = prima ? 1 : 2;
  x = xi(j);
  y = yi(j);
  lato = lati(j);
}

bool SezioneCA::RaffinaAngoloDominioMxMy(float teta1, float teta2, double a, double b, double c,
                                         float& angolo, ForchettaMxMy& forchetta) {
  const float differenza = teta2 - teta1;
  // About one degree a step, at least one step however close the angles.
  const int nSub = std::max(1, static_cast<int>(std::nearbyint(std::fabs(differenza))));
  const float passo = differenza / static_cast<float>(nSub);
  const int n = nSub + 1;
  Vettore<float> angoli(1, n);
  Vettore<double> x(1, n), y(1, n);
  float t = teta1;
  for (int j = 1; j <= n; ++j) {
    angoli(j) = t;
    CalcolaTramok1(t, false);
    if (EsitoSlu != EsitoCalcoloSlu::Riuscito) return false;
    x(j) = static_cast<float>(MomentoUltimoX);
    y(j) = static_cast<float>(MomentoUltimoY);
    t += passo;
  }
  Vettore<double> xi, yi;
  Vettore<int> lati;
  int m = 0;
  Grafica::IntersezioniRettaPoligonale(a, b, c, x, y, xi, yi, n, lati, m, true);
  // The sub-segment crossed, its far end a sub-step on; with none, teta1 alone.
  const int j = m >= 1 ? lati(1) : 1;
  const int fine = m >= 1 && j < n ? j + 1 : j;
  angolo = angoli(j);
  forchetta.mx = x(fine);
  forchetta.my = y(fine);
  return true;
}

void SezioneCA::MostraDominioMxMy(int nPunti, Finestre::FinestraDominio& finestra,
                                  const Vettore<float>& Teta, const Vettore<float>& Mx,
                                  const Vettore<float>& My, const std::string& titolo,
                                  float MxEd, float MyEd) const {
  Matrice<float> tabella(1, nPunti, 1, 3);
  Matrice<float> grafico(1, nPunti, 1, 2);
  for (int i = 1; i <= nPunti; ++i) {
    tabella(i, 1) = Teta(i);
    tabella(i, 2) = grafico(i, 1) = Mx(i) / 1000000;
    tabella(i, 3) = grafico(i, 2) = My(i) / 1000000;
  }
  std::string nEd;
  if (platform::Form* main = Finestre::Aperte.Main) nEd = main->Controllo("F_N", 0).Text();
  ScriveGrigliaGraficoMxMy(finestra, ">Punto|>Teta [°]|>Mx [kNm]|>My [kNm]", tabella, {4, 5, 5},
                           grafico, titolo + " - NEd = " + nEd + " kN");

  platform::Chart& g = finestra.Graph1();
  g.SeriesCollection(1).LegendText = "Mx-MyRd";
  Matrice<float> azione(1, 1, 1, 2);
  azione(1, 1) = MxEd;
  azione(1, 2) = MyEd;
  MsChartBas::CaricaDatiGrafico(g, azione, 2);
  MsChartBas::ImpostaStileSerieGrafico(3, g, 0, 0, 255, 9, 200);
  g.SeriesCollection(3).LegendText = "Mx-MyEd";
  Matrice<double> vettore(1, 2, 1, 2);
  vettore(2, 1) = MomentoUltimoX / 1000000;
  vettore(2, 2) = MomentoUltimoY / 1000000;
  MsChartBas::CaricaDatiGrafico(g, vettore, 3);
  g.SeriesCollection(5).LegendText = "Vettore";
  g.SeriesCollection(5).SeriesMarker.Show = false;
}

void SezioneCA::ScriveGrigliaGraficoMxMy(Finestre::FinestraDominio& finestra,
                                         const std::string& intestazione,
                                         const Matrice<float>& tabella,
                                         const std::vector<int>& cifre,
                                         const Matrice<float>& grafico,
                                         const std::string& titolo) {
  const int n = tabella.Righe();
  const int nColonne = static_cast<int>(cifre.size());
  platform::FlexGrid& griglia = finestra.GridMN();
  {
    const platform::FlexGrid::Blocco blocco(griglia);
    griglia.SetFormatString(intestazione);
    VariabiliPubbliche::DimensionaGriglia(griglia, nColonne, n, 0.5);
    const platform::FlexGrid::FormatoNumero migliaia = [](int cifre, double valore) {
      return Formattazione::FormattaMigliaia(cifre, valore);
    };
    // Row numbers are whole: their plain text is the integer's.
    const platform::FlexGrid::FormatoNumero intero = [](int, double valore) {
      return std::to_string(static_cast<long long>(valore));
    };
    // What the single-precision sums leave of a zero (an M of 6E-08 kNm
    // beside hundreds) is not a value: below 1E-5 of its column's largest,
    // it shows as 0.
    std::vector<double> rumore(static_cast<std::size_t>(nColonne) + 1);
    for (int j = 1; j <= nColonne; ++j)
      for (int i = 1; i <= n; ++i)
        rumore[static_cast<std::size_t>(j)] =
            std::max(rumore[static_cast<std::size_t>(j)], 1e-5 * std::fabs(tabella(i, j)));
    for (int i = 1; i <= n; ++i) {
      griglia.SetNumeroMatrix(i, 0, i, 0, intero);
      for (int j = 1; j <= nColonne; ++j) {
        const double v = tabella(i, j);
        griglia.SetNumeroMatrix(i, j, std::fabs(v) < rumore[static_cast<std::size_t>(j)] ? 0 : v,
                                cifre[static_cast<std::size_t>(j) - 1], migliaia);
      }
    }
  }

  platform::Chart& g = finestra.Graph1();
  g.SetUniformAxis(false);
  g.SetTitle(titolo);
  MsChartBas::CaricaDatiGrafico(g, grafico, 1);
  MsChartBas::ImpostaStileSerieGrafico(1, g, 255, 0, 0, 10, 100);
}
