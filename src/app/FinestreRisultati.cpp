#include "app/FinestreRisultati.h"

#include <optional>

#include <QEvent>
#include <QPointer>
#include <QPushButton>

#include "analysis/Correnti.h"
#include "app/DominioMN.h"
#include "app/DominioMxMy.h"
#include "app/FrmCarSez.h"
#include "app/FrmPltSezione.h"
#include "app/MomCurv.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Twips.h"

namespace FinestreRisultati {
namespace {

QPointer<DominioMN> dominioMN;
QPointer<DominioMxMy> dominioMxMy;
QPointer<MomCurv> momCurv[2];
QPointer<FrmPltSezione> pltSezione;
QPointer<FrmCarSez> carSez;

template <class Finestra, class... Argomenti>
Finestra& Istanza(QPointer<Finestra>& istanza, Argomenti... argomenti) {
  if (!istanza) istanza = new Finestra(argomenti...);
  return *istanza;
}

std::string TestoMain(const char* nome, int indice = platform::SenzaIndice) {
  platform::Form* main = Finestre::Aperte.Main;
  return main ? main->Controllo(nome, indice).Text() : std::string();
}

// Shown first at the screen's top left corner, the chart in view at the grid's
// place; shown again, it stays where the user moved it.
void MostraInAlto(FinestraGrafico& finestra, int sinistra) {
  if (!finestra.isVisible()) finestra.move(platform::PixelDaTwips(sinistra), 0);
  finestra.show();
  finestra.MostraGrafico(true);
}

// Laid over the picture, frame included, so that the controls beside the
// picture stay in sight. The window's own frame is known only some time after
// it is shown: the picture's window has the same one.
void SopraFigura(FrmPltSezione& finestra, const QWidget& figura) {
  const QWidget& cornice = *figura.window();
  const QRect fuori = cornice.frameGeometry(), dentro = cornice.geometry();
  const QMargins bordi(dentro.left() - fuori.left(), dentro.top() - fuori.top(),
                       fuori.right() - dentro.right(), fuori.bottom() - dentro.bottom());
  finestra.setGeometry(QRect(figura.mapToGlobal(QPoint(0, 0)), figura.size()).marginsRemoved(bordi));
}

// The main window's picture the drawing window lies over; none when the
// window was placed elsewhere.
QPointer<QWidget> figuraSeguita;

class SegueFigura : public QObject {
 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    const bool spostata = evento->type() == QEvent::Resize || evento->type() == QEvent::Move;
    if (spostata && oggetto == figuraSeguita && pltSezione && pltSezione->isVisible())
      SopraFigura(*pltSezione, *figuraSeguita);
    return false;
  }
};

}  // namespace

DominioMN* DominioMNAperto() { return dominioMN; }
DominioMxMy* DominioMxMyAperto() { return dominioMxMy; }
MomCurv* MomCurvAperto(bool solo) { return momCurv[solo ? 1 : 0]; }
FrmPltSezione* FrmPltSezioneAperto() { return pltSezione; }
FrmCarSez* FrmCarSezAperto() { return carSez; }

void SvuotaAperte() {
  for (FinestraGrafico* finestra : std::initializer_list<FinestraGrafico*>{
           dominioMN, dominioMxMy, momCurv[0], momCurv[1]})
    if (finestra) finestra->Svuota();
  // The report is built once: it goes with the inputs it was built from.
  if (carSez) carSez->close();
  // What the emptied windows mirror of the main window, as it is now.
  SeguonoMain();
}

void SvuotaColonnaModello() {
  if (momCurv[0]) momCurv[0]->Svuota();
}

void SeguonoMain() {
  for (MomCurv* finestra : momCurv)
    if (finestra) finestra->IngressiDaMain();
  if (dominioMN) dominioMN->AzioniDaMain();
  if (dominioMxMy) dominioMxMy->CoppiaDaMain();
}

void ChiudiDomini() {
  delete dominioMN;
  delete dominioMxMy;
}

DominioMN& MostraDominioMN(const std::string& titolo) {
  DominioMN& finestra = Istanza(dominioMN, nullptr);
  // Shown again, it takes the first action set as a first showing does.
  finestra.AzioniDaMain();
  finestra.Riempita();
  MostraInAlto(finestra, 0);
  finestra.TitoloTmp = titolo;
  short densita = 1;
  VariabiliPubbliche::SezioneCorrente()->CalcolaDominioMN(densita, finestra, titolo);
  return finestra;
}

DominioMxMy& MostraDominioMxMy(const std::string& titolo, const std::function<void()>& ricalcola,
                               bool* calcolato) {
  DominioMxMy& finestra = Istanza(dominioMxMy, nullptr);
  finestra.Riempita();
  MostraInAlto(finestra, 0);
  finestra.TitoloTmp = titolo;
  const std::string my = TestoMain("F_MySd", 0), mx = TestoMain("F_Mxsd", 0);
  finestra.F_MySd().setText(QString::fromStdString(my));
  finestra.F_Mxsd().setText(QString::fromStdString(mx));
  finestra.nPuntiInput = DominioMxMy::DirezioniIniziali;
  const bool esito = finestra.Calcola(static_cast<float>(Generale::ValNumero(mx)),
                                      static_cast<float>(Generale::ValNumero(my)));
  if (calcolato) *calcolato = esito;
  if (ricalcola) ricalcola();
  finestra.raise();
  finestra.activateWindow();
  finestra.cmdRidisegna().hide();
  finestra.cmdInfittisci().setFocus();
  return finestra;
}

MomCurv& MostraMomentoCurvatura(bool solo) {
  MomCurv& finestra = Istanza(momCurv[solo ? 1 : 0], solo, nullptr);
  MostraInAlto(finestra, 800);
  finestra.IngressiDaMain();
  finestra.Calcola();
  return finestra;
}

FrmPltSezione& AggiornaFrmPltSezione(QWidget& figura, int modo) {
  FrmPltSezione& finestra = Istanza(pltSezione, nullptr);
  finestra.ChiamataDaSismica = false;
  finestra.Sezione = nullptr;
  SopraFigura(finestra, figura);
  VariabiliPubbliche::Stato.PlottaggioVideo = modo != 0;
  finestra.show();
  // Placed again once shown: a first showing may move it.
  SopraFigura(finestra, figura);
  // The results shown beside the picture narrow its column: the window
  // follows the picture, and covers none of the boxes around it.
  static SegueFigura segue;
  if (figuraSeguita != &figura) {
    if (figuraSeguita) figuraSeguita->removeEventFilter(&segue);
    figura.installEventFilter(&segue);
    figuraSeguita = &figura;
  }
  // In front of the window it covers, also when it was already open.
  finestra.raise();
  finestra.centralWidget()->update();
  return finestra;
}

FrmPltSezione& MostraFrmPltSezione(int sinistra, int alto, int larghezza, int altezza,
                                   std::shared_ptr<SezioneCA> sezione) {
  FrmPltSezione& finestra = Istanza(pltSezione, nullptr);
  finestra.ChiamataDaSismica = false;
  figuraSeguita = nullptr;
  finestra.Sezione = std::move(sezione);
  finestra.setGeometry(platform::PixelDaTwips(sinistra), platform::PixelDaTwips(alto),
                       platform::PixelDaTwips(larghezza), platform::PixelDaTwips(altezza));
  finestra.show();
  finestra.raise();
  finestra.centralWidget()->update();
  return finestra;
}

FrmCarSez& MostraCarSez(int modo, std::function<bool()> verifica) {
  // Built anew, in the mode asked, where the open one stood.
  std::optional<QPoint> dove;
  if (carSez) {
    dove = carSez->pos();
    delete carSez;
  }
  FrmCarSez& finestra = Istanza(carSez, modo, std::move(verifica), nullptr);
  if (dove) finestra.move(*dove);
  finestra.show();
  finestra.raise();
  return finestra;
}

}  // namespace FinestreRisultati
