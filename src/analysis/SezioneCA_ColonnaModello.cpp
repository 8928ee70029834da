// The model column: the second-order moment M2 = N (1/r) l0^2 / 10 along the
// moment-curvature curve, the largest first-order moment M - M2 the column can
// still take, the second-order eccentricity and the curvature ductility.
#include "analysis/GraficoMomentoCurvatura.h"
#include "analysis/SezioneCA.h"
#include "model/Finestre.h"
#include "model/Formato.h"
#include "model/Formattazione.h"
#include "model/Intervalli.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using GraficoMomentoCurvatura::ScriveCella;
using VariabiliPubbliche::Stato;

void SezioneCA::CalcolaColonnaModello(short& n, Finestre::FinestraMomentoCurvatura& finestra) {
  // The curve reads the main window, L0 with it: L0 is checked as read now,
  // and named in the unit of its box.
  PuntiMomentoCurvatura c;
  if (!CalcolaPuntiMomentoCurvatura(n, false, c)) return;
  const std::string fuori = Intervalli::FuoriIntervallo(Intervalli::Grandezza::LunghezzaLibera,
                                                        Stato.LunghezzaL0, "L0",
                                                        Intervalli::Lunghezze::Mostrate);
  if (!fuori.empty()) {
    MostraDatiNonValidi(fuori);
    return;
  }
  const int nPunti = c.nPunti;
  const double l0 = Stato.LunghezzaL0;
  Vettore<float> M2(0, nPunti);
  int iMax = 0;
  float M1Max = 0, MMax = 0, CurvMax = 0;
  for (int i = 1; i <= nPunti; ++i) {
    M2(i) = static_cast<float>(l0 * l0 * 0.1 * c.CurvH(i) / c.H * c.N);
    if (c.Momento(i) - M2(i) > M1Max) {
      iMax = i;
      MMax = c.Momento(i);
      M1Max = c.Momento(i) - M2(i);
      CurvMax = c.CurvH(i);
    }
  }
  // M - M2 not positive at any curvature: N is beyond the column's critical
  // load, no first-order moment is in equilibrium.
  if (iMax == 0) {
    platform::MsgBox("Equilibrio impossibile: M - M2 non è positivo per nessuna curvatura,\r\n"
                     "N supera il carico critico del pilastro modello.",
                     platform::Pulsanti::Ok, platform::Icona::Critica);
    return;
  }

  finestra.Controllo("lblMomCurv").SetCaption(GraficoMomentoCurvatura::TestoAltezza(c.H));
  finestra.Controllo("M_M2max").SetCaption(Formattazione::FormattaMaxCaratteri(3, 9, M1Max / 1000000));
  finestra.Controllo("lblE2").SetCaption(
      c.N == 0 ? "infinito" : Formattazione::FormattaMaxCaratteri(3, 9, M2(iMax) / c.N));
  const bool duttilita = c.Snervato && c.CurvH(c.iSnerv) > 0;
  finestra.Controllo("lblMuFi")
      .SetCaption(duttilita ? VariabiliPubbliche::FormattaValore(c.CurvH(nPunti) /
                                                                 c.CurvH(c.iSnerv))
                            : "0");

  platform::Chart& g = finestra.Graph1();
  GraficoMomentoCurvatura::CaricaCurva(g, c, Stato.TitoloSezione);
  GraficoMomentoCurvatura::CaricaSegmento(g, 2, c.CurvH(0), M2(0), c.CurvH(nPunti), M2(nPunti),
                                          "M2");
  GraficoMomentoCurvatura::CaricaSegmento(g, 3, CurvMax, M2(iMax), CurvMax, MMax, "max M1Rd");
  if (c.iSnerv > 0)
    GraficoMomentoCurvatura::CaricaSegmento(g, 4, c.CurvH(c.iSnerv), 0, c.CurvH(c.iSnerv),
                                            c.Momento(c.iSnerv), "Snerv.");

  platform::FlexGrid& griglia = finestra.Grid1();
  griglia.SetFormatString(
      ">Curv. · H [‰]|>M [kN m]|>M - M2 [kN m]|>eps Cls [‰]|>eps Acc [‰]|>N Cls [kN]");
  VariabiliPubbliche::DimensionaGriglia(griglia, 5, nPunti, 0.85);
  for (int i = 1; i <= nPunti; ++i) {
    ScriveCella(griglia, i, 0, Formattazione::Formato(c.CurvH(i) * 1000, "##0.000"));
    ScriveCella(griglia, i, 1, Formattazione::Formato(c.Momento(i) / 1000000, "##,###.00"));
    ScriveCella(griglia, i, 2,
                Formattazione::Formato((c.Momento(i) - M2(i)) / 1000000, "##,###.00"));
    ScriveCella(griglia, i, 3, Formattazione::Formato(c.EpsCls(i) * 1000, "##0.000"));
    ScriveCella(griglia, i, 4, Formattazione::Formato(c.EpsAcc(i) * 1000, "##0.000"));
    ScriveCella(griglia, i, 5, Formattazione::Formato(c.NCls(i) / 1000, "##,###.00"));
  }
  GraficoMomentoCurvatura::InCima(griglia);
}
