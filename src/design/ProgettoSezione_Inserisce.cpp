// The designed section copied into the main window for its verification.
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
  // section and areas as designed.
  const bool effettivi = Index == 0;
  const double d = Cifre(m.AltezzaUtileArrotondata);
  Matrice<double>& figura = Stato.MatriceFigure;
  if (!figura.Dimensionata() || figura.Ub1() < 1 || figura.Ub2() < 2) figura.ReDim(1, 1, 1, 2);
  figura(1, 1) = Cifre(effettivi ? m.BaseArrotondata : m.BaseSezione);
  figura(1, 2) = Cifre(effettivi ? m.AltezzaArrotondata : m.AltezzaSezione);
  const double tesa = static_cast<int>(effettivi ? m.AsTesaEffettiva : m.AsTesa);
  const double compressa = static_cast<int>(effettivi ? m.AsCompressaEffettiva : m.AsCompressa);
  Matrice<double>& barre = Stato.MatriceBarre;
  barre.ReDim(1, 2, 1, 2);
  barre(2, 1) = m.SegnoMomento == 1 ? tesa : compressa;
  barre(1, 1) = m.SegnoMomento == 1 ? compressa : tesa;
  barre(2, 2) = d;
  barre(1, 2) = Cifre(m.AltezzaArrotondata) - d;

  main->ScriveFigure();
  // The moments designed, written as the main window writes its own.
  for (std::size_t i = 0; i < 2; ++i)
    main->Controllo("F_Mxsd", static_cast<int>(i))
        .SetText(Formattazione::TestoNumero(Stato.OpzioniAzioniProgetto[i] * m.AzioneMx[i] / 1e6));
  main->Controllo("txtRigheGriglia", 1).SetText("2");
  main->ScriveBarreSub(2);
  const int tipo = Stato.TipoVerificaProgetto == 1 ? 1 : m.SegnoMomento == 1 ? 0 : 2;
  main->Controllo("OpTipoVerifica", tipo).SetValue(1);
  main->activateWindow();
  static_cast<Finestre::FinestraMain*>(main)->Fuoco("btnCalcola");
}
