#include <QAction>

#include "app/Main.h"
#include "seismic/FrmSismica.h"

void Main::CollegaSismica() {
  auto* comando = findChild<QAction*>("MnuSismica");
  if (!comando) return;
  connect(comando, &QAction::triggered, this, [] { FrmSismica::Mostra(); });
}
