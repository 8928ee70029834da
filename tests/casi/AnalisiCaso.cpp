// The analyses of the case files and the results they read back from their
// windows: the chart's points and series, the boxes and labels written.
#include "AnalisiCaso.h"

#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>

#include "analysis/Correnti.h"
#include "doppi/FinestreRisultatiProva.h"
#include "doppi/SezioneProva.h"
#include "drawing/NumeroCella.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

// The number of a chart cell; NaN for a text that holds none, so that the
// case reports the result as not finite.
double NumeroGrafico(const platform::Chart& g, int r, int colonna) {
  const std::string testo = g.Testo(r, colonna);
  return NumeroCella::Numerico(testo) ? NumeroCella::Valore(testo)
                                      : std::numeric_limits<double>::quiet_NaN();
}

// Point r of the series in columns (colonna, colonna + 1) of the chart.
std::pair<double, double> PuntoGrafico(const platform::Chart& g, int colonna, int r) {
  return {NumeroGrafico(g, r, colonna), NumeroGrafico(g, r, colonna + 1)};
}

// The x column of the series whose legend is legenda; 0 when there is none.
int SerieConLegenda(const platform::Chart& g, const std::string& legenda) {
  for (int k = 1; 2 * k <= g.ColumnCount(); ++k)
    if (g.SeriesCollection(2 * k - 1).LegendText == legenda) return 2 * k - 1;
  return 0;
}

// A label's number, when it holds one.
void NumeroEtichetta(RisultatiCaso& r, const std::string& campo, const std::string& testo) {
  if (NumeroCella::Numerico(testo)) r.numeri[campo] = NumeroCella::Valore(testo);
}

// The window's box takes a 16-bit whole number.
short Divisioni(const Caso& caso, double predefinite) {
  const double n = caso.Numero("divisions", predefinite);
  if (n != std::trunc(n) || n < std::numeric_limits<short>::min() ||
      n > std::numeric_limits<short>::max())
    throw std::invalid_argument("'divisions' vuole un intero fra -32768 e 32767");
  return static_cast<short>(n);
}

bool Ultimo(RisultatiCaso& r) {
  if (VariabiliPubbliche::TipoVerificaSlu()) return true;
  r.errore = "l'analisi vuole 'verification' SLU+ o SLU-";
  return false;
}

void DominioMN(const Caso& caso, SezioneCA& sezione, RisultatiCaso& r) {
  if (!Ultimo(r)) return;
  DominioMNProva finestra;
  short nP = Divisioni(caso, 1);
  const bool eseguita = sezione.CalcolaDominioMN(nP, finestra, "Dominio");
  r.numeri["eseguita"] = eseguita ? 1 : 0;
  // A refused domain has no points to read.
  if (!eseguita) return;
  const platform::Chart& g = finestra.grafico;
  const int n = finestra.griglia.Rows() - 1;
  r.numeri["points"] = n;
  for (int i = 1; i <= n; ++i) {
    const auto [N, M] = PuntoGrafico(g, 1, i);
    r.numeri["point." + std::to_string(i) + ".N"] = N * 1000;
    r.numeri["point." + std::to_string(i) + ".M"] = M * 1000000;
  }
}

void DominioMxMy(const Caso& caso, SezioneCA& sezione, RisultatiCaso& r) {
  if (!Ultimo(r)) return;
  DominioMxMyProva finestra;
  short n = Divisioni(caso, 12);
  const auto MxEd = static_cast<float>(caso.Numero("MxEd", 0) / 1000000);
  const auto MyEd = static_cast<float>(caso.Numero("MyEd", 0) / 1000000);
  const bool eseguita = sezione.CalcolaDominioMxMy(n, finestra, "Dominio", MxEd, MyEd);
  r.numeri["eseguita"] = eseguita ? 1 : 0;
  if (!eseguita) return;
  r.numeri["divisions"] = n;
  const platform::Chart& g = finestra.grafico;
  const int punti = finestra.griglia.Rows() - 1;
  r.numeri["points"] = punti;
  for (int i = 1; i <= punti; ++i) {
    const auto [Mx, My] = PuntoGrafico(g, 1, i);
    r.numeri["point." + std::to_string(i) + ".Mx"] = Mx * 1000000;
    r.numeri["point." + std::to_string(i) + ".My"] = My * 1000000;
  }
  r.numeri["angle"] = Stato.AngoloFlessione;
  r.numeri["MxRd"] = sezione.MomentoUltimoX;
  r.numeri["MyRd"] = sezione.MomentoUltimoY;
  const std::string rapporto = finestra.Controllo("txtRapporto").Text();
  r.testi["txtRapporto"] = rapporto;
  NumeroEtichetta(r, "ratio", rapporto);
}

// The curve of a moment-curvature window: points, the ultimate one and the
// points its vertical lines mark; curvatures as 1/r, 1/mm.
void LeggiCurva(MomCurvProva& finestra, SezioneCA& sezione, RisultatiCaso& r,
                const std::vector<std::pair<std::string, std::string>>& segni) {
  const platform::Chart& g = finestra.grafico;
  if (g.ColumnCount() == 0) return;
  const double H = SezioneProva::ReagenteSlu(sezione)->hTotale;
  const int n = g.RowCount();
  const int nCurva = finestra.griglia.Rows();  // the grid leaves the origin out
  r.numeri["points"] = nCurva;
  for (int i = 1; i <= nCurva; ++i) {
    const auto [x, M] = PuntoGrafico(g, 1, i);
    r.numeri["point." + std::to_string(i) + ".curvature"] = x / 1000 / H;
    r.numeri["point." + std::to_string(i) + ".M"] = M * 1000000;
  }
  const auto [xu, Mu] = PuntoGrafico(g, 1, nCurva);
  r.numeri["ultimate.curvature"] = xu / 1000 / H;
  r.numeri["ultimate.M"] = Mu * 1000000;
  for (const auto& [legenda, campo] : segni) {
    const int k = SerieConLegenda(g, legenda);
    if (k == 0) continue;
    const auto [x, M] = PuntoGrafico(g, k, n);
    r.numeri[campo + ".curvature"] = x / 1000 / H;
    r.numeri[campo + ".M"] = M * 1000000;
  }
  for (const char* etichetta : {"lblMomCurv", "lblE2", "lblMuFi", "M_M2max", "MRd"})
    r.testi[etichetta] = finestra.Controllo(etichetta).Caption();
}

void MomentoCurvatura(const Caso& caso, SezioneCA& sezione, RisultatiCaso& r) {
  if (!Ultimo(r)) return;
  MomCurvProva finestra("MomCurvSolo");
  short n = Divisioni(caso, 20);
  sezione.CalcolaColonnaModello_solo(n, finestra);
  LeggiCurva(finestra, sezione, r, {{"Eps,syd", "yield"}, {"Eps,c2", "epsc2"}});
  NumeroEtichetta(r, "MRd", finestra.Controllo("MRd").Caption());
  NumeroEtichetta(r, "M1", finestra.Controllo("lblE2").Caption());
  NumeroEtichetta(r, "ductility", finestra.Controllo("lblMuFi").Caption());
}

void ColonnaModello(const Caso& caso, SezioneCA& sezione, RisultatiCaso& r) {
  if (!Ultimo(r)) return;
  MomCurvProva finestra("MomCurv");
  short n = Divisioni(caso, 20);
  Stato.LunghezzaL0 = static_cast<float>(caso.Numero("l0", 0));
  sezione.CalcolaColonnaModello(n, finestra);
  LeggiCurva(finestra, sezione, r, {{"Snerv.", "yield"}});
  const platform::Chart& g = finestra.grafico;
  if (const int k = SerieConLegenda(g, "max M1Rd")) {
    const double M2 = PuntoGrafico(g, k, 1).second * 1000000;
    r.numeri["M2"] = M2;
    r.numeri["M1Rd"] = PuntoGrafico(g, k, g.RowCount()).second * 1000000 - M2;
  }
  NumeroEtichetta(r, "e2", finestra.Controllo("lblE2").Caption());
  NumeroEtichetta(r, "ductility", finestra.Controllo("lblMuFi").Caption());
}

}  // namespace

const AnalisiCaso* TrovaAnalisi(const std::string& nome) {
  static const std::map<std::string, AnalisiCaso> analisi{
      {"MN", {true, {"divisions"}, DominioMN}},
      {"MxMy", {false, {"divisions", "MxEd", "MyEd"}, DominioMxMy}},
      {"MomCurv", {false, {"divisions"}, MomentoCurvatura}},
      {"ColonnaModello", {false, {"divisions", "l0"}, ColonnaModello}},
  };
  const auto trovata = analisi.find(nome);
  return trovata == analisi.end() ? nullptr : &trovata->second;
}
