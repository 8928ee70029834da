#include "app/FrmPltSezione.h"

#include <QEvent>
#include <QMenuBar>
#include <QPainter>

#include "analysis/Correnti.h"
#include "drawing/PlottaSuDispositivo.h"
#include "platform/Stampante.h"
#include "platform/qt/FileDialogQt.h"
#include "platform/qt/PrintDialogQt.h"
#include "platform/qt/StampanteQt.h"

// The drawing area under the menu bar.
class FrmPltSezione::Disegno : public QWidget {
 public:
  explicit Disegno(FrmPltSezione& finestra) : QWidget(&finestra), finestra_(finestra) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    finestra_.PlottaInOggetto("VIDEO");
    QPainter(this).drawImage(0, 0, finestra_.Immagine());
  }

 private:
  FrmPltSezione& finestra_;
};

FrmPltSezione::FrmPltSezione(QWidget* genitore) : QMainWindow(genitore) {
  setObjectName("FrmPltSezione");
  setWindowTitle("Sezione C.A.");
  setAttribute(Qt::WA_DeleteOnClose);
  QFont carattere = font();
  carattere.setFamily("Arial");
  setFont(carattere);
  disegno_ = new Disegno(*this);
  setCentralWidget(disegno_);
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("Mnufile");
  const char* voci[] = {"&Stampa", "&Esporta DXF", "&Disegna in Autocad", nullptr, "&Chiudi"};
  for (int i = 0; i < 5; ++i) {
    QAction* voce = voci[i] ? file->addAction(voci[i]) : file->addSeparator();
    voce->setObjectName(QString("MnufileItem_%1").arg(i));
    if (voci[i]) connect(voce, &QAction::triggered, this, [this, i] { MnufileItem_Click(i); });
  }
  resize(600, 450);
}

FrmPltSezione::~FrmPltSezione() = default;

void FrmPltSezione::PlottaInOggetto(const std::string& dispositivo) {
  SezioneCA& sezione = Sezione ? *Sezione : *VariabiliPubbliche::SezioneCorrente();
  if (dispositivo == "VIDEO") {
    // From the default scale and a white picture of the area's size.
    immagine_.Ridimensiona(disegno_->width(), disegno_->height());
    immagine_.Scale();
    sezione.PlottaSezione(dispositivo, &immagine_);
  } else {
    sezione.PlottaSezione(dispositivo, nullptr);
  }
  if (ChiamataDaSismica && PlottaStaffeSismica) PlottaStaffeSismica(dispositivo);
}

void FrmPltSezione::MnufileItem_Click(int Index) {
  platform::FileDialogQt fileQt;
  // The print dialog sets up the printer the program draws on.
  auto* stampante = dynamic_cast<platform::StampanteQt*>(platform::Stampante());
  QPrinter senzaStampante;
  platform::PrintDialogQt stampaQt(stampante ? stampante->Printer() : senzaStampante);
  Grafica::PlottaSuDispositivo(static_cast<short>(Index), NomeFileProgetto, *this,
                               dialogoFile_ ? *dialogoFile_ : fileQt,
                               dialogoStampa_ ? *dialogoStampa_ : stampaQt);
}

void FrmPltSezione::resizeEvent(QResizeEvent* evento) {
  QMainWindow::resizeEvent(evento);
  disegno_->update();
}

// Coming back to the window draws the section as it is now.
void FrmPltSezione::changeEvent(QEvent* evento) {
  QMainWindow::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange && isActiveWindow()) disegno_->update();
}
