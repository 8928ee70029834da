#include <QAction>

#include "app/Main.h"
#include "seismic/FrmSismica.h"

void Main::CollegaSismica() {
  auto* comando = findChild<QAction*>("MnuSismica");
  if (!comando) return;
  comando->setProperty(platform::NonDisponibile, false);
  comando->setEnabled(true);
  connect(comando, &QAction::triggered, this, [] { FrmSismica::Mostra(); });
}
