// The moment-curvature diagram with its two characteristic points, the top
// fibre at eps_c2 and the yield of the bars; the moment at the ultimate
// curvature and the ductility from the first of the two points.
#include <string>
#include <utility>
#include <vector>

#include "analysis/GraficoMomentoCurvatura.h"
#include "analysis/SezioneCA.h"
#include "model/Finestre.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"

using GraficoMomentoCurvatura::ScriveCella;
using VariabiliPubbliche::FormattaValore;
using VariabiliPubbliche::Stato;

void SezioneCA::CalcolaColonnaModello_solo(short& n,
                                           Finestre::FinestraMomentoCurvatura& finestra) {
  PuntiMomentoCurvatura c;
  if (!CalcolaPuntiMomentoCurvatura(n, true, c)) return;
  const int nPunti = c.nPunti;
  const float MRd = c.Momento(nPunti);
  finestra.Controllo("lblMomCurv").SetCaption(GraficoMomentoCurvatura::TestoAltezza(c.H));
  finestra.Controllo("MRd").SetCaption(FormattaValore(MRd / 1000000));

  // The first characteristic point along the curve, -1 for none.
  int j = -1;
  if (c.EpsC2Trovato && (!c.Snervato || c.CurvH(c.iEpsC2) < c.CurvH(c.iSnerv)))
    j = c.iEpsC2;
  else if (c.Snervato)
    j = c.iSnerv;
  std::string e2 = "-", duttilita = "-";
  if (j >= 0) {
    const float M1 = c.Momento(j);
    e2 = FormattaValore(M1 / 1000000);
    if (c.CurvH(j) > 0 && MRd != 0) duttilita = FormattaValore(c.CurvH(nPunti) / c.CurvH(j) * M1 / MRd);
  }
  finestra.Controllo("lblE2").SetCaption(e2);
  finestra.Controllo("lblMuFi").SetCaption(duttilita);

  platform::Chart& g = finestra.Graph1();
  GraficoMomentoCurvatura::CaricaCurva(g, c, Stato.TitoloSezione);
  struct Linea {
    int i;
    const char* legenda;
    platform::Colore colore;
  };
  std::vector<Linea> linee;
  if (c.EpsC2Trovato) linee.push_back({c.iEpsC2, "Eps,c2", platform::ColoreRgb(255, 0, 255)});
  if (c.Snervato) linee.push_back({c.iSnerv, "Eps,syd", platform::ColoreRgb(0, 0, 255)});
  if (linee.size() == 2 && c.CurvH(linee[1].i) < c.CurvH(linee[0].i)) std::swap(linee[0], linee[1]);
  int k = 2;
  for (const Linea& l : linee) {
    GraficoMomentoCurvatura::CaricaSegmento(g, k, c.CurvH(l.i), 0, c.CurvH(l.i), c.Momento(l.i),
                                            l.legenda);
    g.SeriesCollection(2 * k - 1).Pen.VtColor = l.colore;
    ++k;
  }

  platform::FlexGrid& griglia = finestra.Grid1();
  griglia.SetFormatString(">Curv. · H [‰]|>M [kN m]|>eps Cls [‰]|>eps Acc [‰]|>N Cls [kN]");
  VariabiliPubbliche::DimensionaGriglia(griglia, 4, nPunti, 0.85);
  for (int i = 1; i <= nPunti; ++i) {
    ScriveCella(griglia, i, 0, Formattazione::Formato(c.CurvH(i) * 1000, "##0.000"));
    ScriveCella(griglia, i, 1, Formattazione::Formato(c.Momento(i) / 1000000, "##,###.00"));
    ScriveCella(griglia, i, 2, Formattazione::Formato(c.EpsCls(i) * 1000, "##0.000"));
    griglia.SetCellFontBold(c.EpsC2Trovato && i == c.iEpsC2);
    ScriveCella(griglia, i, 3, Formattazione::Formato(c.EpsAcc(i) * 1000, "##0.000"));
    griglia.SetCellFontBold(c.Snervato && i == c.iSnerv);
    ScriveCella(griglia, i, 4, Formattazione::Formato(c.NCls(i) / 1000, "##,###.00"));
  }
  GraficoMomentoCurvatura::InCima(griglia);
}
