#include "platform/qt/MsgBoxQt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>

#include "platform/qt/SchermoQt.h"

namespace platform {
namespace {

QMessageBox::StandardButtons Bottoni(Pulsanti pulsanti) {
  switch (pulsanti) {
    case Pulsanti::Ok: return QMessageBox::Ok;
    case Pulsanti::OkAnnulla: return QMessageBox::Ok | QMessageBox::Cancel;
    case Pulsanti::SiNo:
    case Pulsanti::SiNoPredefinitoNo: return QMessageBox::Yes | QMessageBox::No;
    case Pulsanti::SiNoAnnulla: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconaQt(Icona icona) {
  switch (icona) {
    case Icona::Nessuna: return QMessageBox::NoIcon;
    case Icona::Critica: return QMessageBox::Critical;
    case Icona::Domanda: return QMessageBox::Question;
    case Icona::Esclamazione: return QMessageBox::Warning;
    case Icona::Informazione: return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

// The window a box belongs to. Between a box closed and the next one the
// window manager may not yet have given the activation back: the window the
// last box stood over then owns the next. A box itself is never remembered as
// an owner (it is gone once answered), and a window hidden since is replaced by
// the visible window it belongs to, the program's main window at the last.
QWidget* Visibile(QWidget* finestra) {
  while (finestra && !finestra->isVisible() && finestra->parentWidget())
    finestra = finestra->parentWidget()->window();
  return finestra && finestra->isVisible() ? finestra : nullptr;
}

QWidget* Proprietaria() {
  static QPointer<QWidget> ultima;
  QWidget* attiva = QApplication::activeModalWidget();
  if (!attiva) attiva = QApplication::activeWindow();
  if (qobject_cast<QMessageBox*>(attiva) && attiva->isVisible()) return attiva;
  if (attiva && !qobject_cast<QMessageBox*>(attiva)) ultima = attiva;
  if (QWidget* w = Visibile(ultima)) return w;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->isWindow() && !qobject_cast<QDialog*>(w)) return w;
  return nullptr;
}

}  // namespace

std::unique_ptr<QMessageBox> CreaMessageBox(const std::string& testo, Pulsanti pulsanti,
                                            Icona icona, const std::string& titolo) {
  auto box = std::make_unique<QMessageBox>(Proprietaria());
  // Texts keep the carriage returns the program puts between lines.
  QString t = QString::fromStdString(testo);
  t.replace("\r\n", "\n").replace('\r', '\n');
  box->setText(t);
  box->setWindowTitle(titolo.empty() ? QApplication::applicationName()
                                     : QString::fromStdString(titolo));
  box->setIcon(IconaQt(icona));
  box->setStandardButtons(Bottoni(pulsanti));
  if (pulsanti == Pulsanti::SiNoPredefinitoNo) box->setDefaultButton(QMessageBox::No);
  // Qt sizes the box to its text and buttons, with too little room for a
  // title bar's icon and buttons: the row of buttons sets the width.
  if (auto* riga = box->findChild<QDialogButtonBox*>()) RigaPerIlTitolo(*box, *riga);
  return box;
}

Risposta RispostaDaPulsante(int pulsante, Pulsanti pulsanti) {
  switch (pulsante) {
    case QMessageBox::Ok: return Risposta::Ok;
    case QMessageBox::Yes: return Risposta::Si;
    case QMessageBox::No: return Risposta::No;
    case QMessageBox::Cancel: return Risposta::Annulla;
    default: return RispostaPredefinita(pulsanti);  // closed without a button
  }
}

Risposta MsgBoxQt::Mostra(const std::string& testo, Pulsanti pulsanti, Icona icona,
                          const std::string& titolo) {
  auto box = CreaMessageBox(testo, pulsanti, icona, titolo);
  const int scelto = box->exec();
  return RispostaDaPulsante(scelto, pulsanti);
}

}  // namespace platform
