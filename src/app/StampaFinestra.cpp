#include "app/StampaFinestra.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "platform/MsgBox.h"

namespace Generale {

void StampaFinestra(QWidget& finestra) {
  if (QPrinterInfo::defaultPrinter().isNull()) {
    platform::MsgBox("Stampante non presente o non disponibile.", platform::Pulsanti::Ok,
                     platform::Icona::Informazione);
    return;
  }
  const QPixmap immagine = finestra.grab();
  QPrinter stampante(QPrinter::HighResolution);
  QPainter pittore;
  if (!pittore.begin(&stampante)) {
    platform::MsgBox("Errore generico della stampante.", platform::Pulsanti::Ok,
                     platform::Icona::Informazione);
    return;
  }
  // The window as large as the page allows, its proportions kept.
  const QRect pagina = pittore.viewport();
  const QSize misura = immagine.size().scaled(pagina.size(), Qt::KeepAspectRatio);
  pittore.drawPixmap(QRect(pagina.topLeft(), misura), immagine);
  pittore.end();
}

}  // namespace Generale
