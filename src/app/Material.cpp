// The materials window: its controls, their wiring, load and close.
#include "app/Material.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/FileMateriali.h"
#include "app/Messaggi.h"
#include "app/TabelleMateriali.h"
#include "app/TastieraFinestra.h"
#include "design/ProgettoSezione.h"
#include "model/GeneraleTesto.h"
#include "model/Intervalli.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Twips.h"
#include "platform/qt/FlexGridQt.h"

namespace {

using VariabiliPubbliche::Stato;

QPointer<Material> Istanza;

QString Q(const std::string& testo) { return QString::fromStdString(testo); }

// One piece of a symbol: text on the line or as a subscript, with the
// objectName of its label when the window rewrites it.
struct Pezzo {
  QString testo;
  bool pedice = false;
  const char* nome = nullptr;
};

QWidget* Simbolo(std::initializer_list<Pezzo> pezzi) {
  auto* contenitore = new QWidget;
  auto* riga = new QHBoxLayout(contenitore);
  riga->setContentsMargins(0, 0, 0, 0);
  riga->setSpacing(0);
  for (const Pezzo& pezzo : pezzi) {
    auto* etichetta = new QLabel(pezzo.testo);
    if (pezzo.nome) etichetta->setObjectName(pezzo.nome);
    if (pezzo.pedice) {
      QFont piccolo = etichetta->font();
      piccolo.setPointSizeF(piccolo.pointSizeF() * 0.75);
      etichetta->setFont(piccolo);
    }
    riga->addWidget(etichetta, 0, pezzo.pedice ? Qt::AlignBottom : Qt::AlignVCenter);
  }
  riga->addStretch();
  return contenitore;
}

// A letter with its subscript.
QWidget* Simbolo(const QString& lettera, const QString& pedice, const char* nomePedice = nullptr) {
  return Simbolo({{lettera}, {pedice, true, nomePedice}});
}

QLabel* Unita(const QString& testo) { return new QLabel(testo); }

QToolButton* Nota(const char* nome) {
  auto* nota = new QToolButton;
  nota->setObjectName(nome);
  nota->setText("?");
  nota->setAutoRaise(true);
  return nota;
}

const QString NMm2 = QStringLiteral("N/mm²");
const QString PerMille = QStringLiteral("‰");

// Symbol, box and what follows it (a unit or a note) in columns c to c + 2.
void Campo(QGridLayout& g, int r, int c, QWidget* simbolo, QLineEdit* casella,
           QWidget* dopo = nullptr) {
  g.addWidget(simbolo, r, c);
  g.addWidget(casella, r, c + 1);
  if (dopo) g.addWidget(dopo, r, c + 2);
}

}  // namespace

Material& Material::Mostra() {
  if (!Istanza) Istanza = new Material;
  Istanza->show();
  Istanza->raise();
  Istanza->activateWindow();
  return *Istanza;
}

Material* Material::Aperta() { return Istanza; }

Material::Material() : form_(*this, "Material") {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("Material");
  setWindowTitle("Materiali");
  CreaControlli();
  auto* tastiera = new Generale::TastieraFinestra(*this);
  for (QLineEdit* casella : {F_AlfaCC_, F_Es_, F_Es_su_Ec_, F_fccSufcd_, F_gamma_[0], F_gamma_[1],
                             F_eps_u_[0], F_eps_u_[1], F_eps_u_[2]})
    tastiera->SelezionaAlFuoco(*casella);
  Collega();
  Form_Load();
}

Material::~Material() = default;

QLineEdit* Material::Casella(const std::string& nome, int indice, bool verde) {
  auto* casella = new QLineEdit;
  casella->setObjectName(Q(platform::NomeOggetto(nome, indice)));
  casella->setAlignment(Qt::AlignRight);
  // Wide enough for the longest value shown, a modulus " 200,000", whatever
  // the buttons beside other boxes of its column take.
  casella->setMinimumWidth(casella->fontMetrics().horizontalAdvance(" 200.000,0") + 12);
  if (verde) {
    QPalette tavolozza = casella->palette();
    tavolozza.setColor(QPalette::Base, QColor(0, 255, 0));
    tavolozza.setColor(QPalette::Text, Qt::black);
    casella->setPalette(tavolozza);
  }
  return casella;
}

void Material::CreaControlli() {
  CreaMenu();
  auto* centro = new QWidget;
  auto* colonna = new QVBoxLayout(centro);
  auto* griglie = new QHBoxLayout;
  griglie->addWidget(CreaGriglia(0));
  griglie->addWidget(CreaGriglia(1));
  colonna->addLayout(griglie, 1);
  auto* pannelli = new QHBoxLayout;
  pannelli->addWidget(CreaPannelloAcciaio());
  pannelli->addWidget(CreaPannelloCalcestruzzo());
  colonna->addLayout(pannelli);
  auto* nota = new QLabel("In verde i dati che verranno usati nei calcoli");
  nota->setObjectName("Label1");
  colonna->addWidget(nota);
  colonna->addWidget(CreaPulsanti());
  setCentralWidget(centro);
  resize(platform::PixelDaTwips(9550), platform::PixelDaTwips(8600));
}

void Material::CreaMenu() {
  QMenu* menu = menuBar()->addMenu("Normativa");
  menu->setObjectName("NormativaMain");
  const char* voci[] = {"NTC 2018", "DM 1996", "NTC 2018 - Strutture esistenti"};
  for (int i = 0; i < 3; ++i) {
    QAction* voce = menu->addAction(voci[i]);
    voce->setObjectName(Q(platform::NomeOggetto("NormativaItem", i)));
    voce->setCheckable(true);
    connect(voce, &QAction::triggered, this, [this, i] { NormativaItem_Click(i); });
  }
}

QWidget* Material::CreaGriglia(int index) {
  auto* contenitore = new QWidget;
  auto* colonna = new QVBoxLayout(contenitore);
  colonna->setContentsMargins(0, 0, 0, 0);
  auto* griglia = new platform::FlexGridQt;
  griglia->setObjectName(Q(platform::NomeOggetto("MsFlex", index)));
  griglia->setMinimumSize(260, 150);
  griglie_[index] = griglia;
  platform::FlexGrid& modello = griglia->Griglia();
  if (index == 0) {
    modello.SetFormatString("    |<               Sigla|>    fyk|>     ftk|>sig.adm");
    for (int c = 1; c <= 4; ++c) modello.SetColWidth(c, c == 1 ? 1300 : 800);
  } else {
    modello.SetFormatString("    |<          Sigla|>           fck|>           Rck");
    for (int c = 1; c <= 3; ++c) modello.SetColWidth(c, c == 1 ? 1300 : 1000);
  }
  modello.SetColWidth(0, 300);
  colonna->addWidget(griglia, 1);
  auto* pulsanti = new QHBoxLayout;
  const char* aggiungi[] = {"Agg&iungi", "Aggi&ungi"};
  const char* elimina[] = {"&Elimina", "E&limina"};
  auto* nuovo = new QPushButton(aggiungi[index]);
  nuovo->setObjectName(Q(platform::NomeOggetto("Nuovo", index)));
  auto* togli = new QPushButton(elimina[index]);
  togli->setObjectName(Q(platform::NomeOggetto("Elimina", index)));
  connect(nuovo, &QPushButton::clicked, this, [this, index] { Nuovo_Click(index); });
  connect(togli, &QPushButton::clicked, this, [this, index] { Elimina_Click(index); });
  pulsanti->addWidget(nuovo);
  pulsanti->addWidget(togli);
  pulsanti->addStretch();
  colonna->addLayout(pulsanti);
  return contenitore;
}

void Material::RigheMateriale(QGridLayout& g, int index, QWidget* resistenza1,
                              QWidget* resistenza2) {
  F_sigla_[index] = Casella("F_sigla", index, true);
  F_sigla_[index]->setAlignment(Qt::AlignLeft);
  F_fck_[index] = Casella("F_fck", index, false);
  F_Rck_[index] = Casella("F_Rck", index, false);
  F_FC_[index] = Casella("F_FC", index, false);
  F_FC_[index]->setReadOnly(true);
  Campo(g, 0, 0, new QLabel("Sigla"), F_sigla_[index]);
  Campo(g, 0, 3, resistenza1, F_fck_[index], Unita(NMm2));
  Campo(g, 1, 3, resistenza2, F_Rck_[index], Unita(NMm2));
  auto* fc = new QLabel("FC");
  fc->setObjectName(Q(platform::NomeOggetto("Label34", index)));
  auto* lc = new QPushButton("LC=?");
  lc->setObjectName(Q(platform::NomeOggetto("CmdFC", index)));
  connect(lc, &QPushButton::clicked, this, [this, index] { CmdFC_Click(index); });
  Campo(g, 2, 0, fc, F_FC_[index], lc);
}

QWidget* Material::CreaPannelloAcciaio() {
  auto* pannello = new QGroupBox(" Acciaio ");
  auto* g = new QGridLayout(pannello);
  RigheMateriale(*g, 0, Simbolo("f", "yk", "Label6_0"), Simbolo("f", "tk", "Label6_1"));
  F_Rck_[0]->setReadOnly(true);
  F_gamma_[0] = Casella("F_gamma", 0, false);
  F_Es_ = Casella("F_Es", platform::SenzaIndice, true);
  F_Es_su_Ec_ = Casella("F_Es_su_Ec", platform::SenzaIndice, true);
  F_eps_u_[0] = Casella("F_eps_u", 0, true);
  F_fd_[0] = Casella("F_fd", 0, true);
  F_eps_syd_ = Casella("F_eps_syd", platform::SenzaIndice, false);
  txtSigAdm_[0] = Casella("txtSigAdm", 0, false);

  int r = 3;
  Campo(*g, r++, 0, Simbolo("γ", "s"), F_gamma_[0]);
  Campo(*g, r, 0, Simbolo("E", "s"), F_Es_, Unita(NMm2));
  Campo(*g, r++, 3, new QLabel("n"), F_Es_su_Ec_);
  Campo(*g, r++, 0, Simbolo("ε", "su"), F_eps_u_[0], Unita(PerMille));
  Campo(*g, r++, 0, Simbolo("f", "yd", "Label6_5"), F_fd_[0], Unita(NMm2));
  Campo(*g, r++, 0, Simbolo("ε", "syd", "Label6_6"), F_eps_syd_, Unita(PerMille));
  Campo(*g, r++, 0, Simbolo("σ", "s,adm"), txtSigAdm_[0], Unita(NMm2));
  g->setRowStretch(r, 1);
  return pannello;
}

QWidget* Material::CreaPannelloCalcestruzzo() {
  auto* pannello = new QGroupBox(" Calcestruzzo ");
  auto* g = new QGridLayout(pannello);
  RigheMateriale(*g, 1, Simbolo("f", "ck"), Simbolo("R", "ck"));
  F_gamma_[1] = Casella("F_gamma", 1, false);
  F_eps_u_[2] = Casella("F_eps_u", 2, true);
  F_eps_u_[1] = Casella("F_eps_u", 1, true);
  F_AlfaCC_ = Casella("F_AlfaCC", platform::SenzaIndice, false);
  F_fd_[1] = Casella("F_fd", 1, true);
  F_fccSufcd_ = Casella("F_fccSufcd", platform::SenzaIndice, true);
  for (int i = 1; i <= 3; ++i) txtSigAdm_[i] = Casella("txtSigAdm", i, false);
  F_fctm_ = Casella("F_fctm", platform::SenzaIndice, false);
  F_Ecm_ = Casella("F_Ecm", platform::SenzaIndice, false);
  F_fctm_->setReadOnly(true);
  F_Ecm_->setReadOnly(true);

  int r = 3;
  Campo(*g, r++, 0, Simbolo("γ", "c"), F_gamma_[1], Nota("Label3"));
  Campo(*g, r, 0, Simbolo("ε", "c2"), F_eps_u_[2], Unita(PerMille));
  Campo(*g, r++, 3, Simbolo("ε", "cu"), F_eps_u_[1], Unita(PerMille));
  Campo(*g, r, 0, Simbolo({{"α", false, "Label4_5"}, {"cc", true, "Label6_18"}}), F_AlfaCC_,
        Nota("Label5"));
  Campo(*g, r++, 3, Simbolo("f", "cd", "Label6_13"), F_fd_[1], Unita(NMm2));
  Campo(*g, r++, 0, Simbolo({{"f"}, {"cc", true}, {"/f"}, {"cd", true, "Label6_11"}}),
        F_fccSufcd_, Nota("Helpfcc"));
  Campo(*g, r++, 0, Simbolo("σ", "c,adm"), txtSigAdm_[1], Unita(NMm2));
  Campo(*g, r, 0, Simbolo("τ", "co"), txtSigAdm_[2], Unita(NMm2));
  Campo(*g, r++, 3, Simbolo("τ", "c1"), txtSigAdm_[3], Unita(NMm2));
  Campo(*g, r, 0, Simbolo("f", "ctm"), F_fctm_, Unita(NMm2));
  Campo(*g, r++, 3, Simbolo("E", "cm"), F_Ecm_, Unita(NMm2));
  g->setRowStretch(r, 1);
  return pannello;
}

QWidget* Material::CreaPulsanti() {
  auto* contenitore = new QWidget;
  auto* riga = new QHBoxLayout(contenitore);
  riga->setContentsMargins(0, 0, 0, 0);
  auto* salva = new QPushButton("&Salva materiali nel file TramokMateriali.txt");
  salva->setObjectName("Command1");
  auto* predefiniti = new QPushButton("Carica materiali di &default");
  predefiniti->setObjectName("MatDefault");
  auto* conferma = new QPushButton("Aggiorna &form verifica");
  conferma->setObjectName("F_esci_0");
  auto* annulla = new QPushButton("&Annulla");
  annulla->setObjectName("F_esci_1");
  connect(salva, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(predefiniti, &QPushButton::clicked, this, [this] { MatDefault_Click(); });
  connect(conferma, &QPushButton::clicked, this, [this] { F_esci_Click(0); });
  connect(annulla, &QPushButton::clicked, this, [this] { F_esci_Click(1); });
  for (QPushButton* pulsante : {salva, predefiniti, conferma, annulla}) riga->addWidget(pulsante);
  return contenitore;
}

void Material::Collega() {
  auto ricalcola = [this] { CalcolaValoriDerivati(); };
  for (int i = 0; i < 2; ++i)
    for (QLineEdit* casella : {F_sigla_[i], F_fck_[i], F_Rck_[i], F_gamma_[i]})
      connect(casella, &QLineEdit::textChanged, this, ricalcola);
  for (QLineEdit* casella : F_eps_u_) connect(casella, &QLineEdit::textChanged, this, ricalcola);
  connect(F_Es_, &QLineEdit::textChanged, this, ricalcola);
  connect(F_AlfaCC_, &QLineEdit::textChanged, this, [this] {
    const double alfa = Generale::ValNumero(F_AlfaCC_->text().toStdString());
    if (Intervalli::Dentro(Intervalli::Grandezza::AlfaCC, alfa)) Stato.AlfaCC = alfa;
    CalcolaValoriDerivati();
  });

  // Every box the state takes a number from; the strains in per mille.
  using G = Intervalli::Grandezza;
  Controlla(F_fck_[0], G::Fyk);
  Controlla(F_fck_[1], G::Fck);
  Controlla(F_Rck_[1], G::Rck);
  Controlla(F_gamma_[0], G::GammaS);
  Controlla(F_gamma_[1], G::GammaC);
  Controlla(F_Es_, G::ModuloEs);
  Controlla(F_Es_su_Ec_, G::RapportoN);
  Controlla(F_eps_u_[0], G::EpsSu, 0.001);
  Controlla(F_eps_u_[1], G::EpsCu, 0.001);
  Controlla(F_eps_u_[2], G::EpsC2, 0.001);
  Controlla(F_fd_[0], G::FydBarre);
  Controlla(F_fd_[1], G::Fcd);
  Controlla(F_AlfaCC_, G::AlfaCC);
  Controlla(F_fccSufcd_, G::RapportoFccFcd);
  Controlla(txtSigAdm_[0], G::SigmaSAmm);
  Controlla(txtSigAdm_[1], G::SigmaCAmm);
  Controlla(txtSigAdm_[2], G::TauC, 1, "τco");
  Controlla(txtSigAdm_[3], G::TauC, 1, "τc1");

  for (int i = 0; i < 2; ++i) griglie_[i]->Click = [this, i] { MSFlex_Click(i); };
  connect(findChild<QToolButton*>("Label3"), &QToolButton::clicked, this, &Messaggi::MessaggioGammaC);
  connect(findChild<QToolButton*>("Label5"), &QToolButton::clicked, this, &Messaggi::MessaggioAlfaCC);
  connect(findChild<QToolButton*>("Helpfcc"), &QToolButton::clicked, this,
          &Messaggi::MessaggioFccFcd);
}

void Material::Ricarica() {
  // Not a window closed and not yet gone.
  if (!Istanza || !Istanza->isVisible()) return;
  Istanza->allApertura_ = StatoMateriali();
  Istanza->scartate_ = false;
  // The grades of the state now in force are chosen afresh: one missing
  // from the code's table leaves its material's boxes empty, as at opening.
  Istanza->CaricamentoInCorso = true;
  for (QLineEdit* casella : {Istanza->F_sigla_[0], Istanza->F_sigla_[1], Istanza->F_fck_[0],
                             Istanza->F_fck_[1], Istanza->F_Rck_[0], Istanza->F_Rck_[1],
                             Istanza->F_fd_[0], Istanza->F_fd_[1], Istanza->F_eps_syd_,
                             Istanza->F_fctm_, Istanza->F_Ecm_})
    casella->clear();
  for (QLineEdit* casella : Istanza->txtSigAdm_) casella->clear();
  for (int i = 0; i < 2; ++i)
    for (int r = 1; r < Istanza->MsFlex(i).Rows(); ++r) Istanza->MsFlex(i).SetTextMatrix(r, 0, "");
  Istanza->Carica();
}

void Material::ScartaModifiche() {
  if (!Istanza || !Istanza->isVisible() || Istanza->scartate_) return;
  Istanza->modifiche_.emplace();
  Istanza->RestituisceStato();
  Istanza->scartate_ = true;
}

void Material::RiprendeModifiche() {
  if (!Istanza || !Istanza->modifiche_) return;
  const int scelta = Stato.Normativa;
  Istanza->modifiche_->Ripristina();
  Istanza->modifiche_.reset();
  Istanza->scartate_ = false;
  if (Stato.Normativa != scelta) NormativaSeguita();
}

Material::InVigore::InVigore() {
  if (!Istanza || !Istanza->isVisible() || Istanza->scartate_) return;
  finestra_.emplace();
  // The tendon list stays: the tables come back before it is used.
  Istanza->allApertura_.Ripristina(false);
}

Material::InVigore::~InVigore() {
  if (finestra_) finestra_->Ripristina(false);
}

void Material::RestituisceStato() {
  const int scelta = Stato.Normativa;
  allApertura_.Ripristina();
  if (Stato.Normativa != scelta) NormativaSeguita();
}

void Material::Form_Load() {
  FileMateriali::FileMaterialiLeggeScrive("L");
  Carica();
}

void Material::Carica() {
  CaricamentoInCorso = true;
  TabelleMateriali::ParametriNormativa();
  CompletaForm();
  CaricamentoInCorso = false;
  SelezionaRigaMateriale(Stato.SiglaAcciaio[0], 0);
  SelezionaRigaMateriale(Stato.SiglaCalcestruzzo, 1);
  VariabiliPubbliche::AggiornaMenuNormativa3(form_);
  NormativaItem_Click(Stato.Normativa);
}

void Material::closeEvent(QCloseEvent* evento) {
  if (!confermato_ && !scartate_) {
    RestituisceStato();
    ProgettoSezione::MaterialiScelti();
  }
  evento->accept();
}
