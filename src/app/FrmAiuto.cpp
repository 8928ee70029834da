#include "app/FrmAiuto.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace {

QPointer<FrmAiuto> finestra;

// A page that is not there is said, naming it; the page in view stays.
bool PaginaPresente(const QUrl& pagina) {
  if (!pagina.isLocalFile() || QFileInfo(pagina.toLocalFile()).isFile()) return true;
  platform::MsgBox("Pagina della guida non trovata:\n" + pagina.toLocalFile().toStdString(),
                   platform::Pulsanti::Ok, platform::Icona::Esclamazione);
  return false;
}

// The browser follows a link only to a page that exists.
class PagineAiuto : public QTextBrowser {
 protected:
  void doSetSource(const QUrl& pagina, QTextDocument::ResourceType tipo) override {
    if (PaginaPresente(pagina)) QTextBrowser::doSetSource(pagina, tipo);
  }
};

}  // namespace

FrmAiuto::FrmAiuto(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("FrmAiuto");
  setWindowTitle("Aiuto");
  pagine_ = new PagineAiuto;
  pagine_->setObjectName("Pagine");

  auto* barra = new QToolBar;
  auto* indietro = barra->addAction("◀ Indietro", pagine_, &QTextBrowser::backward);
  indietro->setObjectName("Indietro");
  indietro->setShortcut(QKeySequence::Back);
  indietro->setEnabled(false);
  auto* avanti = barra->addAction("Avanti ▶", pagine_, &QTextBrowser::forward);
  avanti->setObjectName("Avanti");
  avanti->setShortcut(QKeySequence::Forward);
  avanti->setEnabled(false);
  barra->addAction("Indice", this, [] { Mostra(Indice); })->setObjectName("Indice");
  connect(pagine_, &QTextBrowser::backwardAvailable, indietro, &QAction::setEnabled);
  connect(pagine_, &QTextBrowser::forwardAvailable, avanti, &QAction::setEnabled);
  connect(pagine_, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle("Aiuto - " + pagine_->documentTitle()); });
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);

  auto* colonna = new QVBoxLayout(this);
  colonna->setContentsMargins(0, 0, 0, 0);
  colonna->setSpacing(0);
  colonna->addWidget(barra);
  colonna->addWidget(pagine_);

  // A reading width, and the height the screen leaves under a title bar.
  const QSize schermo = screen()->availableGeometry().size();
  resize(std::min(120 * fontMetrics().averageCharWidth(), schermo.width() * 9 / 10),
         std::min(48 * fontMetrics().height(), schermo.height() * 85 / 100));
}

void FrmAiuto::Mostra(const std::string& pagina) {
  const auto file = std::filesystem::path(VariabiliPubbliche::Stato.CartellaProgramma) / "Aiuto" /
                    pagina;
  const QUrl indirizzo = QUrl::fromLocalFile(QString::fromStdString(file.string()));
  if (!PaginaPresente(indirizzo)) return;
  if (!finestra) finestra = new FrmAiuto(dynamic_cast<QWidget*>(Finestre::Aperte.Main));
  finestra->pagine_->setSource(indirizzo);
  finestra->show();
  finestra->raise();
  finestra->activateWindow();
}

FrmAiuto* FrmAiuto::Aperta() { return finestra; }
