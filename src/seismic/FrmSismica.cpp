#include "seismic/FrmSismica.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/FiguraSezione.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "app/Generale.h"
#include "app/Messaggi.h"
#include "analysis/Correnti.h"
#include "app/TastieraFinestra.h"
#include "model/Formato.h"
#include "model/Formattazione.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/qt/SchermoQt.h"
#include "seismic/FileSismica.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

namespace {

using platform::Nominato;

FrmSismica* Istanza = nullptr;

QString Q(const char* testo) { return QString::fromUtf8(testo); }

// Unit labels shown beside the length boxes.
constexpr int EtichetteUnita[] = {1, 3, 9, 11, 14, 18, 21, 22, 23, 24, 28, 30, 35};

std::string Numero(double x) { return Formattazione::TestoNumero(x); }

// A labelled list of bar diameters, typed into or chosen from.
void ListaDiametri(QGridLayout* griglia, int riga, const QString& testo, int indice) {
  griglia->addWidget(new QLabel(testo), riga, 0);
  auto* lista = Nominato(new QComboBox, "ComboBarrePil", indice);
  lista->setEditable(true);
  griglia->addWidget(lista, riga, 1);
}

}  // namespace

FrmSismica& FrmSismica::Mostra() {
  if (!Istanza) {
    Istanza = new FrmSismica;
    Istanza->DatiMostrati([] { Istanza->Form_Load(); });
  }
  Istanza->show();
  Istanza->raise();
  Istanza->activateWindow();
  if (auto* titolo = Istanza->findChild<QLineEdit*>("txtTitolo")) titolo->setFocus();
  return *Istanza;
}

FrmSismica* FrmSismica::Aperta() { return Istanza; }

FrmSismica::FrmSismica() : form_(*this, "FrmSismica") {
  setObjectName("FrmSismica");
  setAttribute(Qt::WA_DeleteOnClose);
  CreaControlli();
  CollegaStaffe();
  tastiera_ = new Generale::TastieraFinestra(*this);
  CollegaInput();
  Finestre::Aperte.FrmSismica = this;
  Finestre::Aperte.Sismica = this;
}

FrmSismica::~FrmSismica() {
  if (Istanza == this) Istanza = nullptr;
  if (Finestre::Aperte.FrmSismica == this) Finestre::Aperte.FrmSismica = nullptr;
  if (Finestre::Aperte.Sismica == this) Finestre::Aperte.Sismica = nullptr;
}

platform::Control& FrmSismica::Controllo(const std::string& nome, int indice) {
  return form_.Controllo(nome, indice);
}

void FrmSismica::Testo(const std::string& nome, int indice, const std::string& testo) {
  Controllo(nome, indice).SetText(testo);
}

void FrmSismica::Casella(QGridLayout* griglia, int riga, int indice, const QString& testo,
                         int etichetta) {
  griglia->addWidget(new QLabel(testo), riga, 0);
  griglia->addWidget(Nominato(new QLineEdit, "PilastroTxt", indice), riga, 1);
  if (etichetta >= 0) griglia->addWidget(Nominato(new QLabel, "PilastroLbl", etichetta), riga, 2);
}

// The end-section buttons of a shape frame, from index primo.
void FrmSismica::PulsantiSezione(QGridLayout* griglia, int riga, int primo) {
  const char* const testi[] = {"Sez. Superiore", "Sez. Inferiore"};
  for (int k = 0; k <= 1; ++k) {
    auto* pulsante = Nominato(new QPushButton(testi[k]), "CmdSezionePil", primo + k);
    connect(pulsante, &QPushButton::clicked, this, [this, primo, k] { CmdSezionePil_Click(primo + k); });
    griglia->addWidget(pulsante, riga, k);
  }
}

QGroupBox* FrmSismica::CreaRettangolare() {
  auto* frame = Nominato(new QGroupBox("Pilastro Rettangolare"), "PilastroFrm", 0);
  auto* g = new QGridLayout(frame);
  Casella(g, 0, 0, "Base Pilastro", 1);
  Casella(g, 1, 1, "Altezza Pilastro", 3);
  Casella(g, 2, 2, "Numero barre lungo la base", -1);
  Casella(g, 3, 3, "Numero barre lungo l'altezza", -1);
  ListaDiametri(g, 4, "Diametro barre", 0);
  Casella(g, 5, 4, "Copriferro, calcolato nel baricentro dell'armatura verticale", 9);
  Casella(g, 6, 9, "Lunghezza Pilastro", 11);
  Casella(g, 7, 10, "Lunghezza Critica Pilastro", 14);
  PulsantiSezione(g, 8, 0);
  g->addWidget(Nominato(new QPushButton("Staffe"), "StaffePilDef"), 9, 0);
  return frame;
}

QGroupBox* FrmSismica::CreaCircolare() {
  auto* frame = Nominato(new QGroupBox("Pilastro Circolare"), "PilastroFrm", 1);
  auto* g = new QGridLayout(frame);
  Casella(g, 0, 6, "Raggio Pilastro", 18);
  Casella(g, 1, 7, "Numero barre longitudinali", -1);
  ListaDiametri(g, 2, "Diametro barre", 1);
  Casella(g, 3, 8, "Copriferro, calcolato nel baricentro dell'armatura verticale", 21);
  Casella(g, 4, 11, "Lunghezza Pilastro", 22);
  Casella(g, 5, 12, "Lunghezza Critica Pilastro", 23);
  ListaDiametri(g, 6, "Diametro Staffe/Spirale", 2);
  Casella(g, 7, 5, "Passo staffe zona critica", 24);
  Casella(g, 8, 15, "Passo staffe zona centrale", 28);
  auto* spirale = Nominato(new QCheckBox("Spirale"), "ChkSpirale");
  connect(spirale, &QCheckBox::toggled, this, [this] { ChkSpirale_Click(); });
  g->addWidget(spirale, 9, 0);
  PulsantiSezione(g, 10, 2);
  frame->hide();
  return frame;
}

QGroupBox* FrmSismica::CreaAzioni() {
  auto* frame = new QGroupBox("Sollecitazioni (kN, m)");
  auto* g = new QGridLayout(frame);
  g->addWidget(Nominato(new QLabel("Forza assiale di progetto (+ compressione)"), "lblSolSinistra"),
               0, 0);
  g->addWidget(Nominato(new QLineEdit, "F_N"), 0, 1, 1, 2);
  g->addWidget(new QLabel("Mx (+ comprime y positive)"), 1, 1);
  g->addWidget(new QLabel("My"), 1, 2);
  g->addWidget(new QLabel("Sez. Superiore"), 2, 0);
  g->addWidget(new QLabel("Sez. Inferiore"), 3, 0);
  for (int i = 0; i <= 1; ++i) {
    g->addWidget(Nominato(new QLineEdit, "F_MSupsd", i), 2, i + 1);
    g->addWidget(Nominato(new QLineEdit, "F_MInfsd", i), 3, i + 1);
  }
  return frame;
}

QGroupBox* FrmSismica::CreaStaffe() {
  auto* frame = Nominato(new QGroupBox("Staffe"), "frmStaffe");
  auto* g = new QGridLayout(frame);
  g->addWidget(new QLabel("Passo zona centrale"), 0, 0);
  g->addWidget(Nominato(new QLineEdit, "PilastroTxt", 13), 0, 1);
  g->addWidget(Nominato(new QLabel, "PilastroLbl", 30), 0, 2);
  g->addWidget(new QLabel("Passo zona critica"), 1, 0);
  g->addWidget(Nominato(new QLineEdit, "PilastroTxt", 14), 1, 1);
  g->addWidget(Nominato(new QLabel, "PilastroLbl", 35), 1, 2);
  const char* const comandi[] = {"&Ok", "&Annulla", "Agg. Esterna", "Elimina", "Agg. Generica",
                                 "Agg. Interna"};
  auto* riga = new QHBoxLayout;
  for (int i = 0; i <= 5; ++i) riga->addWidget(Nominato(new QPushButton(comandi[i]), "cmdStaffe", i));
  g->addLayout(riga, 2, 0, 1, 3);
  g->addWidget(Nominato(new QPushButton("Controllo Prescriz. Staffe"), "cmdControlloPilStaffe"), 3, 0);
  auto* errore = Nominato(new QLabel, "lblErroreSt");
  // A long fault wraps under the buttons rather than widening the window.
  errore->setWordWrap(true);
  errore->hide();
  g->addWidget(errore, 3, 1, 1, 2);
  g->addWidget(CreaGrigliaStaffe(), 4, 0, 1, 3);
  auto* aiuti = new QHBoxLayout;
  aiuti->addWidget(Aiuto("HelpOmegaSt", 0,
                         "NTC #7.4.6.2.2 eq. (7.4.28) - Quantitativo minimo di staffe",
                         [this] { HelpOmegaSt_Click(0); }));
  aiuti->addWidget(Aiuto("HelpOmegaSt", 1,
                         "EC8 #5.4.3.2.2(8) - Rappoto volumetrico meccanico staffe confinanti",
                         [this] { HelpOmegaSt_Click(1); }));
  aiuti->addWidget(Aiuto("HelpOmegaSt", 2,
                         "Staffe minime della normativa sismica in uso: "
                         "NTC #7.4.6.2.2 o EC8 #5.4.3.2.2(8)",
                         [this] { HelpOmegaSt_Click(2); }));
  aiuti->addStretch();
  g->addLayout(aiuti, 5, 0, 1, 3);
  return frame;
}

void FrmSismica::CreaControlli() {
  auto* titolo = new QHBoxLayout;
  titolo->addWidget(new QLabel("Titolo :"));
  titolo->addWidget(Nominato(new QLineEdit, "txtTitolo"), 1);

  auto* elemento = Nominato(new QGroupBox("Elemento"), "Frame1");
  auto* e = new QVBoxLayout(elemento);
  const char* const tipi[] = {"Pilastro", "Setto", "Pilastro mensola"};
  for (int i = 0; i <= 2; ++i) {
    auto* op = Nominato(new QRadioButton(tipi[i]), "OpTipoSezioneSismica", i);
    connect(op, &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) OpTipoSezioneSismica_Click(i);
    });
    e->addWidget(op);
  }
  auto* tipo = Nominato(new QGroupBox("Tipo Pilastro"), "frmTipoPilastro");
  auto* t = new QHBoxLayout(tipo);
  const char* const forme[] = {"Rettan.re", "Circolare"};
  for (int i = 0; i <= 1; ++i) {
    auto* op = Nominato(new QRadioButton(forme[i]), "OpTipoPilastro", i);
    connect(op, &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) OpTipoPilastro_Click(i);
    });
    t->addWidget(op);
  }
  auto* materiali = new QGroupBox("Materiali");
  auto* m = new QHBoxLayout(materiali);
  m->addWidget(Nominato(new QLineEdit, "F_nome_acc"));
  m->addWidget(Nominato(new QLineEdit, "F_nome_cls"));

  auto* piani = new QVBoxLayout;
  auto* primi = Nominato(new QCheckBox("Pilastro nei primi 2 piani"), "chkPianiInf", 0);
  primi->setToolTip("EC8 #5.5.3.2.2(13)P aumenta H critica");
  auto* base = Nominato(new QCheckBox("Pilastro di base"), "chkPianiInf", 1);
  base->setToolTip("EC8 #5.5.3.2.2(14) armatura sezione inferiore >= armatura sezione superiore");
  connect(primi, &QCheckBox::toggled, this, [this] { chkPianiInf_Click(0); });
  connect(base, &QCheckBox::toggled, this, [this] { chkPianiInf_Click(1); });
  piani->addWidget(primi);
  piani->addWidget(base);

  auto* dinamica = Nominato(new QGroupBox(Q("Duttilità")), "Frame6");
  auto* d = new QGridLayout(dinamica);
  const char* const dinamiche[] = {"Duttilità in termini di curvatura Sez. Inferiore",
                                   "Fattore di struttura di base",
                                   "Duttilità in termini di curvatura Sez. Superiore"};
  for (int i = 0; i <= 2; ++i) {
    d->addWidget(new QLabel(Q(dinamiche[i])), i, 0);
    d->addWidget(Nominato(new QLineEdit, "txtDinamica", i), i, 1);
  }
  d->addWidget(Aiuto("HelpMuFi", platform::SenzaIndice,
                     "Duttilità in termini di curvatura: EC8 #5.2.3.4(3) - NTC #7.4.4",
                     [this] { HelpMuFi_Click(); }),
               0, 2);

  auto* sinistra = new QVBoxLayout;
  sinistra->addLayout(titolo);
  sinistra->addWidget(elemento);
  sinistra->addWidget(tipo);
  sinistra->addWidget(CreaRettangolare());
  sinistra->addWidget(CreaCircolare());
  sinistra->addLayout(piani);
  sinistra->addWidget(CreaVerifiche());
  sinistra->addStretch();

  auto* sezione = Nominato(new QLabel, "LblSezione", 0);
  QFont grassetto = sezione->font();
  grassetto.setBold(true);
  sezione->setFont(grassetto);
  auto* copia = Nominato(new QPushButton("Copia Sezione"), "cmdCopiaSezione");
  connect(copia, &QPushButton::clicked, this, [this] { cmdCopiaSezione_Click(); });
  auto* destra = new QVBoxLayout;
  destra->addWidget(sezione);
  destra->addWidget(copia);
  destra->addWidget(CreaAzioni());
  destra->addWidget(dinamica);
  destra->addWidget(CreaPrescrizioni());
  destra->addWidget(materiali);
  // The stirrup editor right over the picture it draws into, so that the
  // numbered bars are in sight while their numbers are typed.
  destra->addWidget(CreaStaffe());
  figura_ = Nominato(new FiguraSezione, "Figura");
  figura_->setToolTip(Q("Fare click sull'immagine per aggiornarla"));
  // What is being typed in the stirrup grid is stored and drawn with the rest.
  figura_->Click = [this] {
    if (!StaffaCellaConferma()) Figura_Click();
  };
  // A drawing made before the layout gave the picture its size is redrawn.
  figura_->installEventFilter(this);
  destra->addWidget(figura_, 1);
  auto* plotta = Nominato(new QPushButton("Plotta"), "cmdPlotta");
  connect(plotta, &QPushButton::clicked, this, [this] { cmdPlotta_Click(); });
  destra->addWidget(plotta, 0, Qt::AlignRight);
  destra->addStretch();

  // Scrolled where the screen is smaller than the window's content.
  auto* contenuto = new QWidget;
  auto* colonne = new QHBoxLayout(contenuto);
  colonne->addLayout(sinistra, 1);
  colonne->addLayout(destra, 1);
  auto* tutto = new QVBoxLayout(this);
  tutto->setContentsMargins(0, 0, 0, 0);
  scorrimento_ = platform::Scorrevole(contenuto);
  tutto->addWidget(scorrimento_);
  CreaMenu();
}

void FrmSismica::Form_Load() {
  AggiornamentoInCorso = true;
  if (Stato.FattoreStrutturaQ0 == 0) Stato.FattoreStrutturaQ0 = 1.0;
  if (Stato.PeriodoT1 == 0) Stato.PeriodoT1 = 1.0;
  CaricaValoriFormSismica();
  ImportaMaterialiInFormSismica();
  resize(QSize(10600 / 15, 9180 / 15).expandedTo(sizeHint()));
  // The class, not a design strength: C20/25 is the weakest allowed.
  const auto& p = VariabiliPubbliche::Stato;
  if (p.Fck < 20 || p.Rck < 25)
    platform::MsgBox(Q("In zona sismica non è ammesso calcestruzzo di classe inferiore a C20/25")
                         .toStdString(),
                     platform::Pulsanti::Ok, platform::Icona::Informazione);
  AggiornamentoInCorso = false;
  MostraSezioneInferiore();
  ImpostaCaption();
  AggiornaUnitaSismica();
}

// The bottom end's own data shown before its button stores them, so that
// the other end's boxes are not stored into it.
void FrmSismica::MostraSezioneInferiore() {
  if (Stato.ElementoSetto != 0) return;
  RecuperaDatiPilastri(1);
  PremiSezioneCorrente();
}

void FrmSismica::CaricaValoriFormSismica() {
  Testo("txtTitolo", platform::SenzaIndice, Stato.TitoloSismica);
  for (int i = 0; i <= 2; ++i) {
    platform::Control& combo = Controllo("ComboBarrePil", i);
    combo.Clear();
    for (int d = i == 2 ? 6 : 12; d <= (i == 2 ? 22 : 36); d += 2) combo.AddItem(std::to_string(d));
  }
  Controllo("ComboBarrePil", 2).SetText("6");
  Controllo("chkPianiInf", 0).SetChecked(Stato.PilastroPrimiDuePiani != 0);
  Controllo("chkPianiInf", 1).SetChecked(Stato.PilastroDiBase);
  Controllo("ChkSpirale").SetChecked(Stato.PilastroCorrente.Spirale != 0);
  AzioniLeggeScrive(true);
  Controllo("OpTipoSezioneSismica", Stato.PilastroMensola ? 2 : 0).SetValue(1);
  Controllo("OpTipoPilastro", Stato.PilastroCorrente.Circolare() ? 1 : 0).SetValue(1);
  OpTipoPilastro_Click(Stato.PilastroCorrente.Circolare() ? 1 : 0);
  Controllo("LblSezione", 0).SetVisible(true);
  Testo("F_N", platform::SenzaIndice,
        VariabiliPubbliche::FormattaValore(Stato.NEdSismica / 1000, true));
  const bool media = Stato.DuttilitaMedia == 1;
  MnuVerificaitem_Click(VariabiliPubbliche::Stato.NormativaSismica == 1 ? (media ? 4 : 3)
                                                                         : (media ? 1 : 0));
  CaricaValoriFormSismicaSub(false);
  ControllaPrescrizioni();
}

void FrmSismica::CaricaValoriFormSismicaSub(bool conversione) {
  const bool prima = AggiornamentoInCorso;
  if (conversione) AggiornamentoInCorso = true;
  if (Stato.ElementoSetto == 0) RecuperaDatiPilastri(Stato.PilastroCorrente.SezioneInferiore);
  AggiornamentoInCorso = prima;
}

void FrmSismica::AggiornaUnitaSismica() {
  const std::string unita = "[" + VariabiliPubbliche::Stato.UnitaLunghezza + "]";
  for (int i : EtichetteUnita) Controllo("PilastroLbl", i).SetCaption(unita);
}

void FrmSismica::AzioniLeggeScrive(bool Scrive) {
  auto& M = Stato;
  if (Scrive) {
    Testo("F_N", platform::SenzaIndice, Numero(M.NEdSismica / 1000));
    for (int i = 0; i <= 1; ++i) {
      Testo("F_MSupsd", i, Numero(M.MEdSuperiore[i] / 1e6));
      Testo("F_MInfsd", i, Numero(M.MEdInferiore[i] / 1e6));
    }
    return;
  }
  // N and Nmm on the digits typed: 1,001 kN is 1001 N (1.001 x 1000 would be
  // 1000.9999999999999). A box that holds no number: NumeroNonValido.
  const Generale::RifiutaNumeriNonValidi rifiuta;
  const auto letto = [this](const char* nome, int indice, int potenza) {
    return Generale::DivisoPotenzaDieci(Generale::ValNumero(Controllo(nome, indice)), -potenza);
  };
  M.NEdSismica = letto("F_N", platform::SenzaIndice, 3);
  for (int i = 0; i <= 1; ++i) {
    M.MEdSuperiore[i] = letto("F_MSupsd", i, 6);
    M.MEdInferiore[i] = letto("F_MInfsd", i, 6);
  }
}

void FrmSismica::LeggeDinamica() {
  const Generale::RifiutaNumeriNonValidi rifiuta;
  // A value shown rounded (10.666 as 10,67) stays as held until one is typed.
  const auto letto = [this](int indice, double& valore) {
    if (findChild<QLineEdit*>(QString("txtDinamica_%1").arg(indice))->isModified())
      valore = Generale::ValNumero(Controllo("txtDinamica", indice));
  };
  letto(0, Stato.DuttilitaCurvaturaInf);
  letto(1, Stato.FattoreStrutturaQ0);
  // The top end's box is typed in too, and its checks use it.
  letto(2, Stato.DuttilitaCurvaturaSup);
}

bool FrmSismica::MemorizzaPerSalvare() {
  if (!ConfermaEditorStaffe()) return false;
  MemorizzaDatiSismica();
  return true;
}

void FrmSismica::ImportaMaterialiInFormSismica() {
  Testo("F_nome_acc", platform::SenzaIndice, VariabiliPubbliche::Stato.SiglaAcciaio[0]);
  Testo("F_nome_cls", platform::SenzaIndice, VariabiliPubbliche::Stato.SiglaCalcestruzzo);
}

bool FrmSismica::event(QEvent* evento) {
  if (evento->type() == QEvent::WindowActivate) ImportaMaterialiInFormSismica();
  return QWidget::event(evento);
}

void FrmSismica::MemorizzaDatiSismica() {
  VariabiliPubbliche::ScartaSezioneCorrente();
  Stato.TitoloSismica = Controllo("txtTitolo").Text();
  const Generale::RifiutaNumeriNonValidi rifiuta;
  if (Finestre::Aperte.Main)
    VariabiliPubbliche::Stato.NumeroRettangoli = static_cast<int>(
        Generale::ValNumero(Finestre::Aperte.Main->Controllo("F_nMaxRettangolini", 0)));
  AzioniLeggeScrive(false);
  LeggeDinamica();
  if (Stato.ElementoSetto == 0) {
    Stato.PilastroCorrente.MemorizzaDatiPilastri(*this);
    Stato.PilastroCorrente.CoordinatePilastro();
  }
}

void FrmSismica::DatiMostrati(const std::function<void()>& riempi) {
  Stato.BloccoFile.Apertura(Sismica::Testo, [this, &riempi] {
    riempi();
    // Stored as a save stores them; the main window's strips unreadable are
    // told by the command that reads them.
    try {
      MemorizzaDatiSismica();
    } catch (const Generale::NumeroNonValido&) {
    }
  });
}

bool FrmSismica::PilastroMemorizzato() {
  try {
    Stato.PilastroCorrente.MemorizzaDatiPilastri(*this);
    return true;
  } catch (const Generale::NumeroNonValido&) {
    DatiNonLetti();
    return false;
  }
}

void FrmSismica::DatiNonLetti() {
  SvuotaRisultati();
  Messaggi::MessaggioErroreDati();
}

void FrmSismica::StaffeControlliSetta(bool abilita) {
  for (int i : {0, 2, 4}) Controllo("cmdStaffe", i).SetEnabled(abilita);
  Controllo("cmdControlloPilStaffe").SetEnabled(abilita);
}

void FrmSismica::OpTipoPilastro_Click(int Index) {
  // The other type is shown all the same; a box of this one that holds no
  // number is told and not stored.
  if (!AggiornamentoInCorso) PilastroMemorizzato();
  Stato.PilastroCorrente.TipoPilastro = Index;
  MostraFramePilastro(Index);
  StaffeChiudi();
  if (AggiornamentoInCorso) return;
  RecuperaDatiPilastri(Stato.PilastroCorrente.SezioneInferiore);
  PremiSezioneCorrente();
}

void FrmSismica::CmdSezionePil_Click(int Index) {
  // The end shown stays while one of its boxes holds no number.
  if (!AggiornamentoInCorso && !PilastroMemorizzato()) return;
  const bool inferiore = Index % 2 == 1;
  RecuperaDatiPilastri(inferiore);
  MostraDinamica();
  if (Index >= 2) CopiaSezionePilastroCircolare();
  AbilitaDatiComuni(inferiore);
  Figura_Click();
  ControllaPrescrizioni();
}

// The chosen end's button in yellow; for a rectangular column also the
// ductility box and the moment boxes of that end.
void FrmSismica::ColoraSezioneCorrente(int Index) {
  using platform::ColoreFacciaPulsante;
  using platform::ColoreGiallo;
  using platform::ColoreSfondoFinestra;
  const int primo = Index - Index % 2;
  Controllo("CmdSezionePil", Index).SetBackColor(ColoreGiallo);
  Controllo("CmdSezionePil", Index == primo ? primo + 1 : primo).SetBackColor(ColoreFacciaPulsante);
  if (Index >= 2) return;
  const bool superiore = Index == 0;
  Controllo("txtDinamica", 2).SetBackColor(superiore ? ColoreGiallo : ColoreFacciaPulsante);
  Controllo("txtDinamica", 0).SetBackColor(superiore ? ColoreFacciaPulsante : ColoreGiallo);
  for (int i = 0; i <= 1; ++i) {
    Controllo("F_MSupsd", i).SetBackColor(superiore ? ColoreGiallo : ColoreSfondoFinestra);
    Controllo("F_MInfsd", i).SetBackColor(superiore ? ColoreSfondoFinestra : ColoreGiallo);
  }
}

void FrmSismica::MostraSezione() {
  const bool inferiore = Stato.PilastroCorrente.SezioneInferiore;
  Controllo("LblSezione", 0).SetCaption(inferiore ? "SEZIONE INFERIORE" : "SEZIONE SUPERIORE");
  Controllo("btnDominioMNsismica").SetCaption(inferiore ? "V. Fles. Sez. Inf." : "V. Fles. Sez. Sup.");
  Controllo("cmdCopiaSezione")
      .SetCaption(inferiore ? "Copia Sezione Superiore" : "Copia Sezione Inferiore");
  for (int i = 0; i <= 3; ++i) Controllo("CmdSezionePil", i).SetEnabled((i % 2 == 1) != inferiore);
  ColoraSezioneCorrente((Stato.PilastroCorrente.Circolare() ? 2 : 0) + (inferiore ? 1 : 0));
}

// A rectangular column's bars and stirrups are replaced only on a Yes; a
// circular one asks only when its top end has fewer than four bars.
void FrmSismica::cmdCopiaSezione_Click() {
  if (!PilastroMemorizzato()) return;
  if (Stato.PilastroCorrente.Circolare()) {
    CopiaSezionePilastroCircolare();
  } else {
    const std::string altra =
        Stato.PilastroCorrente.SezioneInferiore ? "superiore ?" : "inferiore ?";
    if (platform::MsgBox("Sostituire barre e staffe con quelle della sezione " + altra,
                         platform::Pulsanti::SiNoPredefinitoNo, platform::Icona::Domanda) !=
        platform::Risposta::Si)
      return;
    CopiaSezionePilastroRettangolare();
  }
  Figura_Click();
  ControllaPrescrizioni();
}

void FrmSismica::chkPianiInf_Click(int Index) {
  if (Index == 0)
    Stato.PilastroPrimiDuePiani = Controllo("chkPianiInf", 0).Checked() ? -1 : 0;
  else
    Stato.PilastroDiBase = Controllo("chkPianiInf", 1).Checked();
  ControllaPrescrizioni();
}

void FrmSismica::ChkSpirale_Click() {
  if (AggiornamentoInCorso) return;
  Stato.PilastroCorrente.Spirale = Controllo("ChkSpirale").Checked() ? 1 : 0;
  ControllaPrescrizioni();
  Figura_Click();
}

// Closed, the window is gone: the next opening builds a new one.
void FrmSismica::closeEvent(QCloseEvent* evento) {
  Istanza = nullptr;
  if (FrmPltSezione* disegno = FinestreRisultati::FrmPltSezioneAperto()) disegno->close();
  if (FrmCoefficienti* coefficienti = FrmCoefficienti::Aperta()) coefficienti->close();
  if (Finestre::Aperte.FrmSismica == this) Finestre::Aperte.FrmSismica = nullptr;
  if (Finestre::Aperte.Sismica == this) Finestre::Aperte.Sismica = nullptr;
  if (Finestre::Aperte.Main) {
    if (auto* main = dynamic_cast<QWidget*>(Finestre::Aperte.Main)) {
      main->setWindowState(Qt::WindowNoState);
      main->show();
    }
  }
  evento->accept();
}
