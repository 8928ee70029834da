// The column's end section handed to the main window's grids, and the
// colours of section drawings while this window is in front.
#include <QApplication>

#include "app/Main.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/FrmSismica.h"

namespace {

constexpr int InvioTasto = 13;

// Row count into txtRigheGriglia(g), sized as the user's Enter sizes it.
Main* GrigliaMain(int g, int n) {
  auto* main = dynamic_cast<Main*>(Finestre::Aperte.Main);
  if (!main) return nullptr;
  main->Controllo("txtRigheGriglia", g).SetText(std::to_string(n));
  main->txtRigheGriglia_KeyPress(g, InvioTasto);
  return main;
}

std::string Lunghezza(double mm) {
  return VariabiliPubbliche::FormattaValore(VariabiliPubbliche::LunghezzaDaMm(mm), true);
}

}  // namespace

void FrmSismica::EsportaVerticiInMain(int n, const Vettore<double>& x, const Vettore<double>& y) {
  Main* main = GrigliaMain(0, n);
  if (!main) return;
  for (int i = 1; i <= n; ++i) {
    main->FlexGrid(0).SetTextMatrix(i, 1, Lunghezza(x(i)));
    main->FlexGrid(0).SetTextMatrix(i, 2, Lunghezza(y(i)));
  }
  main->ChiudiEditori(false);
}

void FrmSismica::EsportaBarreInMain(int n, const Vettore<float>& x, const Vettore<float>& y,
                                    const Vettore<float>& aree) {
  Main* main = GrigliaMain(1, n);
  if (!main || n <= 0) return;
  for (int i = 1; i <= n; ++i) {
    main->FlexGrid(1).SetTextMatrix(
        i, 1, VariabiliPubbliche::FormattaValore(VariabiliPubbliche::AreaDaMm2(aree(i)), true));
    main->FlexGrid(1).SetTextMatrix(i, 2, Lunghezza(x(i)));
    main->FlexGrid(1).SetTextMatrix(i, 3, Lunghezza(y(i)));
  }
  main->ChiudiEditori(false);
}

bool FrmSismica::FrmSismicaAttiva() {
  QWidget* attiva = QApplication::activeWindow();
  return attiva && attiva->objectName() == "FrmSismica";
}

short FrmSismica::ColorePlottaSezione() {
  if (FrmSismicaAttiva()) return 8;
  return VariabiliPubbliche::Stato.RisultatiPresenti ? 5 : 7;
}

short FrmSismica::ColorePlottaSub() { return FrmSismicaAttiva() ? 8 : 7; }
