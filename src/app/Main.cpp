#include "app/Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/FiguraSezione.h"
#include "app/FileImpostazioni.h"
#include "app/FileMateriali.h"
#include "app/Generale.h"
#include "app/GuardiaRisultati.h"
#include "app/frmAvvisi.h"
#include "app/TastieraFinestra.h"
#include "drawing/MsFlex.h"
#include "model/Finestre.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/FlexGridQt.h"
#include "seismic/StatoSismica.h"

using VariabiliPubbliche::Stato;

Main::Main() : form_(*this, "Main") {
  setObjectName("Main");
  CreaControlli();
  CreaMenu();
  CollegaSismica();
  CreaToolbar();
  tastiera_ = new Generale::TastieraFinestra(*this);
  CollegaControlli();
  CollegaCaselleMateriali();
  CollegaInvio();
  CollegaGuardia();
  Finestre::Aperte.Main = this;
}

Main::~Main() {
  // Controls closing with the window change nothing that is shown any more.
  delete guardia_;
  guardia_ = nullptr;
  // The editors and boxes lose their focus while the children go, after
  // this window is no Main any more: their handlers must not reach it.
  for (platform::CasellaTestoQt* editor : editor_) {
    editor->KeyDown = nullptr;
    editor->GotFocus = nullptr;
    editor->LostFocus = nullptr;
  }
  for (const QMetaObject::Connection& lasciata : caselleMateriali_) disconnect(lasciata);
  if (Finestre::Aperte.Main == this) Finestre::Aperte.Main = nullptr;
}

platform::Control& Main::Controllo(const std::string& nome, int indice) {
  return form_.Controllo(nome, indice);
}

platform::FlexGrid& Main::FlexGrid(int g) { return griglie_.at(static_cast<size_t>(g))->Griglia(); }

platform::CasellaTesto& Main::TxtEdit(int g) { return *editor_.at(static_cast<size_t>(g)); }

QWidget* Main::Widget(const std::string& nome, int indice) const {
  return findChild<QWidget*>(QString::fromStdString(platform::NomeOggetto(nome, indice)));
}

void Main::Fuoco(const std::string& nome, int indice) {
  QWidget* w = Widget(nome, indice);
  if (w && w->isVisible() && w->isEnabled()) w->setFocus(Qt::OtherFocusReason);
}

void Main::Form_Load() {
  Generale::InizializzaGenerale(Controllo("txtNonCancellare"));
  CreaFrmAvvisi(this);
  StatoIniziale();
  cmbCaviCarica();
  FileImpostazioni::FileIniLeggeScrive("L");
  InizializzaGriglie();
  move(0, 0);
  show();
  FinestraIniziale();
  VariabiliPubbliche::AggiornaMenuNormativa3(*this);
  NormativaItem_Click(Stato.Normativa);
  if (ApriFileRigaComando()) Fuoco("btnCalcola");
  RegistraProgetto();
}

void Main::StatoIniziale() {
  Stato.NormativaSismica = 0;
  FormCaption = QApplication::applicationName().toStdString() + " - File: ";
  setWindowTitle(QString::fromStdString(FormCaption));
  Stato.VisRettangoli = 0;
  Stato.VisAssi = 1;
  Stato.NumeroVerticiCerchio = 52;
}

void Main::FinestraIniziale() {
  Sismica::ValoriDefault();
  AggiornaForm();
  ScriveMaterialiInForm();
  Stato.TipoSezione = 0;
  Controllo("OpTipoSezione", 0).SetValue(1);
  OpTipoSezione_Click(0);
  Controllo("OpPuntoN", Stato.PuntoApplicazioneN).SetValue(1);
  OpPuntoN_Click(Stato.PuntoApplicazioneN);
  Fuoco("txtTitolo");
}

void Main::Form_Activate() { VariabiliPubbliche::AggiornaMenuNormativa3(*this); }

bool Main::event(QEvent* evento) {
  if (evento->type() == QEvent::WindowActivate) Form_Activate();
  return QMainWindow::event(evento);
}

void Main::closeEvent(QCloseEvent* evento) {
  evento->accept();
  if (chiusura_) return;
  if (!ConfermaAbbandono()) {
    evento->ignore();
    return;
  }
  chiusura_ = true;
  Generale::ChiudiProgramma();
}

void Main::cmbCaviCarica() {
  FileMateriali::FileMaterialiLeggeScrive("L");
  VariabiliPubbliche::AggiornaAcciaiNormativa();
}

void Main::CmbCavi_Click() {
  const int i = findChild<QComboBox*>("CmbCavi")->currentIndex() + 1;
  const Vettore<VariabiliPubbliche::RigaAcciaio>& tabella = Stato.TabellaAcciai;
  // A partial factor or a modulus of 0 from a file would give no value.
  if (i < tabella.Lb() || i > tabella.Ub() || Stato.GammaS <= 0 || Stato.ModuloEs <= 0) return;
  const VariabiliPubbliche::RigaAcciaio& riga = tabella(i);
  Controllo("F_nome_acc", 1).SetText(riga.Designazione);
  Stato.Fyd[1] = riga.Fyk / Stato.GammaS;
  Controllo("F_fyd", 1).SetText(VariabiliPubbliche::FormattaValore(Stato.Fyd[1]));
  Controllo("txtSigAdm_S", 1).SetText(VariabiliPubbliche::FormattaValore(riga.TensioneAmmissibile));
  Stato.EpsYdSezione[1] = Stato.Fyd[1] / Stato.ModuloEs;
  Controllo("F_eps_syd", 1).SetText(VariabiliPubbliche::FormattaValore(Stato.EpsYdSezione[1] * 1000));
}

void Main::fckControlla() {
  if (Stato.AlfaCC <= 0) return;
  const double fck = Stato.GammaC * Stato.Fcd / Stato.AlfaCC;
  // Two decimals, as a Double: 25.01 stays 25.01 in the file.
  Stato.Fck = Generale::ValNumero(Formattazione::Formato(fck, "0.00"));
}

void Main::AggiornaForm() {
  fckControlla();
  Controllo("cmdDXF").SetVisible(false);
  figura_->MostraSchizzo(Stato.TipoSezione);
  Controllo("OpTipoSezione", Stato.TipoSezione).SetValue(1);
  Controllo("OpTipoFlessione", Stato.TipoFlessione).SetValue(1);
  Controllo("OpTipoVerifica", Stato.TipoVerifica).SetValue(1);
  InizializzaGriglie();
  Controllo("txtTitolo").SetText("");
  const std::string& u = Stato.UnitaLunghezza;
  Controllo("lbl_h_utile", 1).SetCaption(u);
  Controllo("lbl_L0", 2).SetCaption(u);
  Controllo("OpPuntoN", 2).SetCaption("Coord.[" + u + "]");
  SoloBarreControlli();
  if (Stato.GammaAzioni == 0) Stato.GammaAzioni = 1.5f;
  ToolTipAzioniDaSLU();
  Controllo("mnuVisTensioni").SetChecked(Stato.VisTensioniBarre != 0);
  Controllo("mnuVisTensioniCls").SetChecked(Stato.VisTensioniCls != 0);
  Controllo("mnuVisRettang").SetChecked(Stato.VisRettangoli != 0);
  Controllo("mnuVisAssi").SetChecked(Stato.VisAssi != 0);
  Controllo("mnuVisAssiNeutri").SetChecked(Stato.VisAssiNeutri != 0);
  Controllo("mnu_Progetto").SetEnabled(Stato.TipoSezione == 0);
}

void Main::FlexGridZoom_Click(int Index) {
  platform::FlexGridQt* vista = griglie_.at(static_cast<size_t>(Index));
  platform::FlexGrid& g = vista->Griglia();
  // The grid's top in the window, in twips, whatever its parent.
  const int sopra = platform::TwipsDaPixel(vista->mapTo(this, QPoint(0, 0)).y());
  const int altezza = platform::TwipsDaPixel(height()) - sopra + g.Top();
  platform::FlexGrid* griglie[] = {&FlexGrid(0), &FlexGrid(1), &FlexGrid(2)};
  MsFlex::ZoomGriglia(griglie, Index, altezza);
  const bool ingrandita = MsFlex::Stato.GrigliaIngrandita.at(static_cast<size_t>(Index));
  if (ingrandita) {
    vista->setFixedHeight(platform::PixelDaTwips(g.Height()));
  } else {
    vista->setMinimumHeight(AltezzaMinimaGriglia);
    vista->setMaximumHeight(AltezzaMassimaGriglia);
  }
}
