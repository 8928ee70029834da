#include <QAction>

#include "analysis/Correnti.h"
#include "app/Main.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/FrmSismica.h"

void Main::CollegaSismica() {
  auto* comando = findChild<QAction*>("MnuSismica");
  if (!comando) return;
  connect(comando, &QAction::triggered, this, [this] {
    // The materials typed here, confirmed or not, are those the checks read.
    CaricaMateriali();
    const double es = VariabiliPubbliche::Stato.ModuloEs;
    VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(es);
    FrmSismica::Mostra();
  });
}
