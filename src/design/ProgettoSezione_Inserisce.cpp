// The designed section copied into the main window for its verification.
#include <cmath>

#include <QApplication>

#include "app/Main.h"
#include "design/ProgettoSezione.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

void ProgettoSezione::cmdInsDati_Click(int Index) {
  auto* main = dynamic_cast<Main*>(Finestre::Aperte.Main);
  if (!main) return;
  // Inputs that do not read would copy the last run under other data.
  if (!modello_.LeggiDati()) return;
  const ModelloProgetto& m = modello_;
  // "Effettivi": the rounded section with the bars chosen; "Minimi": the
  // section as designed.
  const bool effettivi = Index == 0;
  Matrice<double>& figura = Stato.MatriceFigure;
  if (!figura.Dimensionata() || figura.Ub1() < 1 || figura.Ub2() < 2) figura.ReDim(1, 1, 1, 2);
  figura(1, 1) = effettivi ? m.BaseArrotondata : m.BaseSezione;
  figura(1, 2) = effettivi ? m.AltezzaArrotondata : m.AltezzaSezione;
  // A row per row of bars where the drawing puts them, or the two areas
  // at the bars' distance of the design.
  std::vector<ModelloProgetto::Strato> strati;
  if (effettivi) {
    strati = modello_.StratiEffettivi();
  } else {
    const float c = m.AltezzaArrotondata - m.AltezzaUtileArrotondata;
    const bool tesaSotto = m.SegnoMomento == 1;
    strati = {{tesaSotto ? m.AsCompressa : m.AsTesa, c},
              {tesaSotto ? m.AsTesa : m.AsCompressa, m.AltezzaUtileArrotondata}};
  }
  const int n = static_cast<int>(strati.size());
  Matrice<double>& barre = Stato.MatriceBarre;
  barre.ReDim(1, n, 1, 2);
  for (int i = 1; i <= n; ++i) {
    barre(i, 1) = static_cast<int>(strati[static_cast<std::size_t>(i - 1)].Area);
    // To a tenth of a millimetre, the digits of the grid.
    barre(i, 2) = std::round(10.0 * strati[static_cast<std::size_t>(i - 1)].Distanza) / 10;
  }

  main->ScriveFigure();
  for (int i = 0; i < 2; ++i)
    main->Controllo("F_Mxsd", i).SetText(form_.Controllo("F_Mxsd", i).Text());
  main->Controllo("txtRigheGriglia", 1).SetText(std::to_string(n));
  main->ScriveBarreSub(n);
  const int tipo = Stato.TipoVerificaProgetto == 1 ? 1 : m.SegnoMomento == 1 ? 0 : 2;
  main->Controllo("OpTipoVerifica", tipo).SetValue(1);
  main->activateWindow();
  static_cast<Finestre::FinestraMain*>(main)->Fuoco("btnCalcola");
}
