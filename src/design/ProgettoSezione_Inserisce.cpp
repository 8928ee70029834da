// The designed section copied into the main window for its verification.
#include <cmath>

#include <QApplication>

#include "analysis/TestoSingolo.h"
#include "app/Main.h"
#include "design/ProgettoSezione.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

// A Single as the main window writes one: its seven significant digits, not
// the binary tail a double would show.
double Cifre(float x) { return Generale::ValNumero(TestoSingolo(x)); }

}  // namespace

void ProgettoSezione::cmdInsDati_Click(int Index) {
  auto* main = dynamic_cast<Main*>(Finestre::Aperte.Main);
  // Only the design of the inputs on screen is copied.
  if (!main || !progettoInVista_) return;
  const ModelloProgetto& m = modello_;
  // "Effettivi": the rounded section with the bars chosen; "Minimi": the
  // section as designed.
  const bool effettivi = Index == 0;
  Matrice<double>& figura = Stato.MatriceFigure;
  if (!figura.Dimensionata() || figura.Ub1() < 1 || figura.Ub2() < 2) figura.ReDim(1, 1, 1, 2);
  figura(1, 1) = Cifre(effettivi ? m.BaseArrotondata : m.BaseSezione);
  figura(1, 2) = Cifre(effettivi ? m.AltezzaArrotondata : m.AltezzaSezione);
  // A row per row of bars where the drawing puts them, or the two areas
  // at the bars' distance of the design.
  std::vector<ModelloProgetto::Strato> strati;
  if (effettivi) {
    strati = modello_.StratiEffettivi();
  } else {
    // c' from both faces of the section copied, the unrounded one.
    const float c = m.DistanzaFerri, d = m.AltezzaSezione - c;
    const bool tesaSotto = m.SegnoMomento == 1;
    strati = {{tesaSotto ? m.AsCompressa : m.AsTesa, c},
              {tesaSotto ? m.AsTesa : m.AsCompressa, d}};
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
  // The moments designed, written as the main window writes its own.
  for (std::size_t i = 0; i < 2; ++i)
    main->Controllo("F_Mxsd", static_cast<int>(i))
        .SetText(Formattazione::TestoNumero(Stato.OpzioniAzioniProgetto[i] * m.AzioneMx[i] / 1e6));
  main->Controllo("txtRigheGriglia", 1).SetText(std::to_string(n));
  main->ScriveBarreSub(n);
  const int tipo = Stato.TipoVerificaProgetto == 1 ? 1 : m.SegnoMomento == 1 ? 0 : 2;
  main->Controllo("OpTipoVerifica", tipo).SetValue(1);
  main->activateWindow();
  static_cast<Finestre::FinestraMain*>(main)->Fuoco("btnCalcola");
}
