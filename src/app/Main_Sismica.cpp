#include <QAction>

#include "analysis/Correnti.h"
#include "app/Main.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/FrmSismica.h"

void Main::CollegaSismica() {
  auto* comando = findChild<QAction*>("MnuSismica");
  if (!comando) return;
  connect(comando, &QAction::triggered, this, [this] { MnuSismica_Click(); });
}

void Main::MnuSismica_Click() {
  try {
    if (QWidget* disegno = FrmPltSezione(); disegno && disegno->isVisible()) disegno->close();
    // The materials typed here, confirmed or not, are those the checks read;
    // one a calculation refuses keeps the window closed, named.
    if (!LeggeORifiuta(true, [this] { return LeggeMateriali() && MaterialiValidi(); })) return;
    const double es = VariabiliPubbliche::Stato.ModuloEs;
    VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(es);
    MostraFinestra(FrmSismica::Mostra);
  } catch (const std::exception&) {
    MessaggioErroreDati();
  }
}
