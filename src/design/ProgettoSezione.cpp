// The design window: its controls, their wiring and its load.
#include "design/ProgettoSezione.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "analysis/Correnti.h"
#include "analysis/SezioneCA.h"
#include "app/FinestreRisultati.h"
#include "app/FrmPltSezione.h"
#include "app/Material.h"
#include "app/ProgettoFile.h"
#include "app/TastieraFinestra.h"
#include "model/Formattazione.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/FlexGridQt.h"
#include "platform/qt/SchermoQt.h"

namespace {

using platform::Nominato;

using VariabiliPubbliche::Stato;

QPointer<ProgettoSezione> Istanza;

QString Q(const std::string& testo) { return QString::fromStdString(testo); }
QString N(const std::string& nome, int indice = platform::SenzaIndice) {
  return Q(platform::NomeOggetto(nome, indice));
}

QLabel* Etichetta(const QString& testo, const std::string& nome = "",
                  int indice = platform::SenzaIndice) {
  auto* l = new QLabel(testo);
  if (!nome.empty()) l->setObjectName(N(nome, indice));
  return l;
}

void Sfondo(QWidget& w, QRgb colore) {
  w.setAutoFillBackground(true);
  QPalette p = w.palette();
  p.setColor(QPalette::Window, QColor(colore));
  p.setColor(QPalette::Button, QColor(colore));
  w.setPalette(p);
}

// The even diameters the lists offer, " 6" to "26".
QComboBox* ListaDiametri(const std::string& nome, int indice = platform::SenzaIndice) {
  auto* c = Nominato(new QComboBox, nome, indice);
  for (int d = 6; d <= 26; d += 2) c->addItem(Q((d < 10 ? " " : "") + std::to_string(d)));
  return c;
}

// A strip that places its children again whenever its size changes.
class Binario : public QWidget {
 public:
  explicit Binario(std::function<void()> posiziona) : posiziona_(std::move(posiziona)) {}

 protected:
  void resizeEvent(QResizeEvent* evento) override {
    QWidget::resizeEvent(evento);
    posiziona_();
  }

 private:
  std::function<void()> posiziona_;
};

}  // namespace

ProgettoSezione& ProgettoSezione::Mostra() {
  if (!Istanza) {
    Istanza = new ProgettoSezione;
    Istanza->show();
    // The options it fills in stand for those of the project read, while
    // untouched since.
    ProgettoFile::Stato.OpzioniLette.Apertura(
        [] {
          const Material::InVigore inVigore;
          return ProgettoFile::TestoOpzioni();
        },
        [] { Istanza->Form_Load(); });
  }
  Istanza->show();
  Istanza->raise();
  Istanza->activateWindow();
  return *Istanza;
}

ProgettoSezione* ProgettoSezione::Aperta() { return Istanza; }

ProgettoSezione::ProgettoSezione() : form_(*this, "ProgettoSezione") {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("ProgettoSezione");
  setWindowTitle("Progetto Sezione Rettangolare - F1 per aiuto");
  CreaControlli();
  auto* tastiera = new Generale::TastieraFinestra(*this);
  for (QLineEdit* casella : findChildren<QLineEdit*>()) tastiera->SelezionaAlFuoco(*casella);
  Collega();
}

// The drawing window goes with this one, and the beam forgets its boxes.
ProgettoSezione::~ProgettoSezione() {
  modello_.Trave->FinestraProgetto = nullptr;
  if (QWidget* disegno = FinestreRisultati::FrmPltSezioneAperto()) disegno->close();
}

QLineEdit* ProgettoSezione::Casella(const std::string& nome, int indice) {
  auto* c = Nominato(new QLineEdit, nome, indice);
  c->setAlignment(Qt::AlignRight);
  c->setMinimumWidth(60);
  c->setMaximumWidth(90);
  return c;
}

void ProgettoSezione::CreaControlli() {
  CreaMenu();
  auto* centro = new QWidget;
  auto* riga = new QHBoxLayout(centro);
  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(CreaAzioni());
  sinistra->addWidget(CreaCriteri());
  sinistra->addWidget(CreaDeformazione());
  sinistra->addStretch();
  auto* mezzo = new QVBoxLayout;
  mezzo->addWidget(CreaDiametri());
  mezzo->addWidget(CreaTaglio());
  mezzo->addStretch();
  auto* destra = new QVBoxLayout;
  destra->addWidget(CreaRisultati(), 1);
  destra->addWidget(CreaComandi());
  riga->addLayout(sinistra);
  riga->addLayout(mezzo);
  riga->addLayout(destra, 1);
  setCentralWidget(platform::Scorrevole(centro));
}

void ProgettoSezione::CreaMenu() {
  QMenu* menu = menuBar()->addMenu("&Normativa");
  menu->setObjectName("NormativaMain");
  const char* voci[] = {"NTC 2018", "DM 1996"};
  for (int i = 0; i < 2; ++i) {
    QAction* voce = menu->addAction(voci[i]);
    voce->setObjectName(N("NormativaItem", i));
    voce->setCheckable(true);
    connect(voce, &QAction::triggered, this, [this, i] { NormativaItem_Click(i); });
  }
}

QWidget* ProgettoSezione::CreaAzioni() {
  auto* g = new QGroupBox("Sollecitazioni e metodo di calcolo");
  auto* l = new QGridLayout(g);
  l->addWidget(Etichetta("M", "LblMy"), 0, 1);
  l->addWidget(Etichetta("V", "LblSollecitaz"), 0, 3);
  l->addWidget(Etichetta("kNm", "Label14"), 0, 2);
  l->addWidget(Etichetta("kN", "Label15"), 0, 4);
  const char* metodi[] = {"S.L.U.", "Metodo n"};
  for (int i = 0; i < 2; ++i) {
    l->addWidget(Nominato(new QRadioButton(metodi[i]), "OpTipoVerifica", i), i + 1, 0);
    l->addWidget(Casella("F_Mxsd", i), i + 1, 1);
    l->addWidget(Casella("F_Vsd", i), i + 1, 3);
  }
  return g;
}

QWidget* ProgettoSezione::CreaCriteri() {
  auto* g = new QGroupBox("Criteri di progetto");
  auto* l = new QGridLayout(g);
  const char* fisse[] = {"Fissa altezza &H:", "Fissa Base    &B:", "Fissa Base e Altezza"};
  for (int i = 0; i < 3; ++i)
    l->addWidget(Nominato(new QRadioButton(fisse[i]), "OptionFissa", i), i, 0);
  l->addWidget(Casella("txtSez", 0), 0, 1);
  l->addWidget(Casella("txtSez", 1), 1, 1);
  g->findChild<QLineEdit*>("txtSez_0")->setToolTip("Altezza totale della sezione, compreso il copriferro");
  l->addWidget(Etichetta("", "lblLung", 0), 0, 2);
  l->addWidget(Etichetta("", "lblLung", 1), 1, 2);
  l->addWidget(Etichetta("arrot."), 0, 3);
  l->addWidget(Casella("TextArrotonda", 0), 0, 4);
  l->addWidget(Casella("TextArrotonda", 1), 1, 4);
  g->findChild<QLineEdit*>("TextArrotonda_0")->setToolTip("Arrotondamento altezza (per eccesso)");
  g->findChild<QLineEdit*>("TextArrotonda_1")->setToolTip("Arrotondamento base (per eccesso)");
  l->addWidget(Etichetta("", "lblLung", 2), 0, 5);
  l->addWidget(Etichetta("", "lblLung", 3), 1, 5);
  l->addWidget(Etichetta("Ricoprimento armatura c:"), 3, 0);
  l->addWidget(Casella("txtPro", 0), 3, 1);
  g->findChild<QLineEdit*>("txtPro_0")->setToolTip("Copriferro al netto della staffatura");
  l->addWidget(Etichetta("", "lblLung", 4), 3, 2);
  l->addWidget(Etichetta("A's/As:"), 4, 0);
  l->addWidget(Casella("txtPro", 1), 4, 1);
  g->findChild<QLineEdit*>("txtPro_1")
      ->setToolTip("Area di ferro da disporre in zona compressa in rapporto all'area di ferro "
                   "presente in zona tesa");
  l->addWidget(Etichetta("%"), 4, 2);
  return g;
}

QWidget* ProgettoSezione::CreaDeformazione() {
  auto* g = Nominato(new QGroupBox("Deformazione adimensionale armatura tesa"), "Frame1");
  auto* l = new QGridLayout(g);
  auto* slider = Nominato(new QSlider(Qt::Horizontal), "Slider1");
  slider->setRange(0, 65);
  slider->setMinimumWidth(240);
  // The slider holds the strain: little at the left, much at the right.
  l->addWidget(Etichetta("Armatura forte (NO)"), 0, 0, 1, 2);
  l->addWidget(Etichetta("Armatura debole (OK)"), 0, 3, 1, 2, Qt::AlignRight);
  l->addWidget(slider, 1, 0, 1, 5);
  // The two buttons stand under the slider at the strain they impose.
  auto* binario = new Binario([this] { ButtonsPosiziona(); });
  binario->setObjectName("BinarioButtonCR");
  auto* cr = Nominato(new QPushButton("CR", binario), "ButtonCR", 0);
  cr->setToolTip("Impone Rottura Contemporanea Cls e Acciaio (1%)");
  auto* sa = Nominato(new QPushButton("SA", binario), "ButtonCR", 1);
  sa->setToolTip("Impone Rottura Cls con Snervamento Acciaio");
  for (QPushButton* b : {cr, sa}) b->resize(b->sizeHint());
  binario->setFixedHeight(cr->sizeHint().height());
  l->addWidget(binario, 2, 0, 1, 5);
  l->addWidget(Etichetta("εs/εyd", "lblslu"), 3, 0);
  l->addWidget(Casella("txtEpsS"), 3, 1);
  l->addWidget(Etichetta("x/d", "lblxSud"), 3, 2);
  l->addWidget(Casella("txtxSud", 0), 3, 3);
  l->addWidget(Etichetta("δ"), 4, 2);
  l->addWidget(Casella("txtxSud", 1), 4, 3);
  g->findChild<QLineEdit*>("txtxSud_0")->setToolTip("(asse neutro)/(altezza utile)");
  g->findChild<QLineEdit*>("txtxSud_1")->setToolTip("Coeff. ridistribuzione momento (NTC #4.1.1.1)");
  for (int i = 0; i < 2; ++i) g->findChild<QLineEdit*>(N("txtxSud", i))->setReadOnly(true);
  return g;
}

QWidget* ProgettoSezione::RigheDiametri(bool superiore) {
  const std::string z = superiore ? "FiC" : "Fi";
  auto* g = Nominato(new QGroupBox(superiore ? "Armatura superiore" : "Armatura inferiore"),
                     "Fra" + z);
  Sfondo(*g, superiore ? ColoreSuperiori : ColoreInferiori);
  auto* l = new QGridLayout(g);
  for (int i = 0; i < 3; ++i) {
    l->addWidget(Nominato(new QCheckBox, "chk" + z, i), i, 0);
    l->addWidget(ListaDiametri("combo" + z, i), i, 1);
    auto* n = Casella("txtNf" + z.substr(1), i);
    n->setMaximumWidth(40);
    l->addWidget(n, i, 2);
    auto* su = Nominato(new QToolButton, "UpDown" + z + "Su", i);
    su->setArrowType(Qt::UpArrow);
    auto* giu = Nominato(new QToolButton, "UpDown" + z + "Giu", i);
    giu->setArrowType(Qt::DownArrow);
    auto passo = [n](int delta) {
      const int v = n->text().toInt();
      if (v + delta >= 0) n->setText(QString::number(v + delta));
    };
    connect(su, &QToolButton::clicked, n, [passo] { passo(1); });
    connect(giu, &QToolButton::clicked, n, [passo] { passo(-1); });
    l->addWidget(su, i, 3);
    l->addWidget(giu, i, 4);
  }
  return g;
}

QWidget* ProgettoSezione::CreaDiametri() {
  auto* contenitore = new QWidget;
  auto* colonna = new QVBoxLayout(contenitore);
  colonna->setContentsMargins(0, 0, 0, 0);
  auto* auto_ = new QGroupBox;
  auto* a = new QGridLayout(auto_);
  a->addWidget(Nominato(new QCheckBox("Scelta diametri autom."), "chkAutoDiametri"), 0, 0, 1, 4);
  a->addWidget(Etichetta("ø min", "lblAutoDia", 0), 1, 0);
  a->addWidget(ListaDiametri("DiaMin"), 1, 1);
  a->addWidget(Etichetta("ø max", "lblAutoDia", 1), 1, 2);
  a->addWidget(Casella("DiaMax"), 1, 3);
  a->addWidget(Etichetta("mm", "lblAutoDia", 2), 1, 4);
  colonna->addWidget(auto_);
  // The bottom rows over the top ones, so the column stays narrow.
  auto* manuale = Nominato(new QGroupBox("Scelta diametri manuale "), "FrameFerri");
  auto* m = new QVBoxLayout(manuale);
  m->addWidget(RigheDiametri(false));
  m->addWidget(RigheDiametri(true));
  colonna->addWidget(manuale);
  return contenitore;
}

QWidget* ProgettoSezione::CreaTaglio() {
  auto* g = new QGroupBox("Opzioni taglio");
  auto* l = new QGridLayout(g);
  l->addWidget(Etichetta("Staffe ø", "lblTaglio", 0), 0, 0);
  l->addWidget(ListaDiametri("ComboStaffe"), 0, 1);
  l->addWidget(Etichetta("bracci", "lblTaglio", 1), 0, 2);
  auto* bracci = Nominato(new QComboBox, "ComboBracci");
  for (const char* b : {"2 ", "4 ", "6 ", "8 "}) bracci->addItem(b);
  l->addWidget(bracci, 0, 3);
  l->addWidget(Etichetta("Reggistaffe ø", "lblTaglio", 2), 1, 0);
  l->addWidget(ListaDiametri("ComboReggi"), 1, 1);
  auto* gancio = Nominato(new QCheckBox("gancio 135°"), "chkGancio135");
  gancio->setToolTip("Disegna il gancio a 135°");
  l->addWidget(gancio, 1, 2, 1, 2);
  auto* no = Nominato(new QCheckBox("no staffe"), "chkNoStaffe");
  no->setToolTip("Nessuna armatura a taglio");
  l->addWidget(no, 2, 0);
  l->addWidget(Etichetta("ρl", "lblRol", 0), 2, 1);
  l->addWidget(Casella("txtRol"), 2, 2);
  g->findChild<QLineEdit*>("txtRol")->setToolTip("Rapporto geometrico armatura longitudinale (<2%)");
  l->addWidget(Etichetta("%", "lblRol", 1), 2, 3);
  l->addWidget(Nominato(new QCheckBox("minimizza staffe"), "chkCotTeta"), 3, 0);
  l->addWidget(Etichetta("cot θ", "lblCotTeta", 0), 3, 1);
  l->addWidget(Casella("txtCotTeta"), 3, 2);
  g->findChild<QLineEdit*>("txtCotTeta")->setToolTip("Inclinazione puntoni calcestruzzo");
  l->addWidget(Etichetta("(1 - 2.5)", "lblCotTeta", 1), 3, 3);
  return g;
}

QWidget* ProgettoSezione::CreaRisultati() {
  auto* contenitore = new QWidget;
  auto* colonna = new QVBoxLayout(contenitore);
  colonna->setContentsMargins(0, 0, 0, 0);
  auto* g = new QGroupBox("Risultati");
  auto* l = new QGridLayout(g);
  const QRgb colori[] = {ColoreInferiori, ColoreSuperiori};
  const char* titoli[] = {"Armatura inferiore", "Armatura superiore"};
  for (int i = 0; i < 2; ++i) {
    const int r = 3 * i;
    auto* armatura = Etichetta(titoli[i], "LblArmatura", i);
    Sfondo(*armatura, colori[i]);
    l->addWidget(armatura, r, 0, 1, 6);
    l->addWidget(Etichetta("", "LblAsMin", i), r + 1, 0);
    l->addWidget(Casella("txtAsMin", i), r + 1, 1);
    l->addWidget(Etichetta("", "LblAs", i), r + 1, 2);
    l->addWidget(Casella("txtAs", i), r + 1, 3);
    QLabel* area = Etichetta("", "lblArea", i);
    area->setMinimumWidth(area->fontMetrics().horizontalAdvance("mm²"));
    l->addWidget(area, r + 1, 4);
    l->addWidget(Casella("txtAsPerc", i), r + 1, 5);
  }
  l->addWidget(Etichetta("A's/As"), 6, 0);
  l->addWidget(Casella("txtAsSuAs1"), 6, 1);
  l->addWidget(Etichetta("ρs %"), 6, 2);
  l->addWidget(Etichetta("", "LabelRo_s"), 6, 3);
  auto* peso = Casella("txtIncidenzaAcciaio");
  peso->setToolTip("Peso acciaio comprese staffe");
  l->addWidget(Etichetta("Peso acciaio"), 7, 0);
  l->addWidget(peso, 7, 1);
  l->addWidget(Etichetta("kg/m ³", "lblIncidenzaAcciaio"), 7, 2);
  l->addWidget(Etichetta("τ"), 8, 0);
  l->addWidget(Etichetta("", "lblTau"), 8, 1);
  l->addWidget(Etichetta("N/mm²"), 8, 2);
  l->addWidget(Etichetta("", "lblTaglioResistente"), 9, 0, 1, 6);
  l->addWidget(Etichetta("Staffe minime:", "lblTaglio", 6), 10, 0, 1, 2);
  l->addWidget(Etichetta("", "LabelStaffeMin"), 10, 2, 1, 4);
  l->addWidget(Etichetta("Staffe calcolo:", "lblTaglio", 7), 11, 0, 1, 2);
  l->addWidget(Etichetta("", "LabelStaffeCalc"), 11, 2, 1, 3);
  l->addWidget(Etichetta("", "lblTaglio", 8), 11, 5);
  for (QLineEdit* c : g->findChildren<QLineEdit*>()) c->setReadOnly(true);
  colonna->addWidget(g);

  auto* osservazioni = Nominato(new QGroupBox("Osservazioni"), "FrameOsservazioni");
  auto* o = new QVBoxLayout(osservazioni);
  auto* testo = Nominato(new QPlainTextEdit, "txtOsservazioni");
  testo->setReadOnly(true);
  o->addWidget(testo);
  colonna->addWidget(osservazioni, 1);

  auto* barre = Nominato(new QGroupBox("Combinazioni barre tese"), "FrameBarre");
  auto* b = new QGridLayout(barre);
  auto* combinazioni = Nominato(new platform::FlexGridQt, "flexBarre");
  // The header and five combinations in view.
  combinazioni->setMinimumHeight(6 * combinazioni->verticalHeader()->defaultSectionSize() +
                                 combinazioni->horizontalScrollBar()->sizeHint().height());
  b->addWidget(combinazioni, 0, 0, 1, 2);
  b->addWidget(Nominato(new QPushButton("Seleziona"), "cmdSeleziona"), 1, 0);
  b->addWidget(Nominato(new QPushButton("Nascondi"), "cmdNasondiBarre"), 1, 1);
  barre->hide();
  colonna->addWidget(barre, 1);
  return contenitore;
}

QWidget* ProgettoSezione::CreaComandi() {
  auto* contenitore = new QWidget;
  auto* l = new QGridLayout(contenitore);
  l->setContentsMargins(0, 0, 0, 0);
  const char* liste[] = {"Comb. barre inferiori", "Comb. barre superiori"};
  const QRgb colori[] = {ColoreInferiori, ColoreSuperiori};
  for (int i = 0; i < 2; ++i) {
    auto* lista = Nominato(new QPushButton(liste[i]), "cmdListaBarre", i);
    Sfondo(*lista, colori[i]);
    l->addWidget(lista, 0, i);
  }
  l->addWidget(Nominato(new QPushButton("Ricalcola"), "cmdProgetta"), 1, 0);
  l->addWidget(Nominato(new QPushButton("Plotta"), "Command1"), 1, 1);
  l->addWidget(Nominato(new QPushButton("Help"), "ButtonHelp"), 1, 2);
  auto* info = Nominato(new QToolButton, "Command2");
  info->setText("i");
  info->setToolTip("Visualizza informazioni sul programma");
  l->addWidget(info, 1, 3);
  auto* inserisce = Nominato(new QGroupBox("Inserisce Risultati per Verifiche"), "Frame3");
  auto* r = new QHBoxLayout(inserisce);
  r->addWidget(Nominato(new QPushButton("Effettivi"), "cmdInsDati", 0));
  r->addWidget(Nominato(new QPushButton("Minimi"), "cmdInsDati", 1));
  l->addWidget(inserisce, 2, 0, 1, 4);
  l->addWidget(Etichetta("", "lblMat"), 3, 0, 1, 4);
  return contenitore;
}

void ProgettoSezione::Form_Load() {
  modello_.InitFormProgetto = true;
  Stato.TipoAcciaioProgetto = 0;
  using VariabiliPubbliche::FormattaValore;
  using VariabiliPubbliche::LunghezzaDaMm;
  for (int i = 0; i < 2; ++i)
    Scrivi("TextArrotonda", i,
           FormattaValore(LunghezzaDaMm(Stato.PassoArrotondamento[static_cast<std::size_t>(i)])));
  if (!(Stato.CopriferroProgetto > 0)) Stato.CopriferroProgetto = 20;
  Scrivi("txtPro", 0, FormattaValore(LunghezzaDaMm(Stato.CopriferroProgetto)));
  Scrivi("txtPro", 1, FormattaValore(Stato.RapportoAsCompressa * 100.0));
  MaterialiMostra();
  platform::Form* main = Finestre::Aperte.Main;
  for (int i = 0; i < 2; ++i) {
    // The main window's moments as typed there, kNm; a text that is no
    // number as it is, for the design to refuse.
    const std::string testo = main ? main->Controllo("F_Mxsd", i).Text() : "0";
    const std::optional<double> m = Generale::NumeroCasella(testo);
    Scrivi("F_Mxsd", i, m ? FormattaValore(*m) : testo);
    Scrivi("F_Vsd", i, FormattaValore(Stato.AzioneV[static_cast<std::size_t>(i)] / 1000.0));
  }
  const auto sezione = VariabiliPubbliche::SezioneCorrente();
  const auto& x = sezione->CoordX();
  const auto& y = sezione->CoordY();
  double b = 1, h = 1;
  if (x.Ub() >= 4 && y.Ub() >= 4) {
    b = x(1) - x(4);
    h = y(1) - y(2);
  }
  if (!(b > 0)) b = 1;
  if (!(h > 0)) h = 1;
  modello_.BaseSezione = modello_.BaseArrotondata = static_cast<float>(b);
  modello_.AltezzaSezione = modello_.AltezzaArrotondata = static_cast<float>(h);
  Scrivi("txtSez", 1, FormattaValore(LunghezzaDaMm(b)));
  Scrivi("txtSez", 0, FormattaValore(LunghezzaDaMm(h)));
  for (int i = 0; i <= 4; ++i) Scrivi("lblLung", i, Stato.UnitaLunghezza);
  modello_.OpzioniInizializza();
  StaffeControlliAbilita();
  VariabiliPubbliche::AggiornaMenuNormativa2(form_);
  Scrivi("txtCotTeta", platform::SenzaIndice, FormattaValore(Stato.CotTeta));
  form_.Controllo("chkCotTeta").SetValue(Stato.MinimizzaStaffe);
  Scrivi("txtRol", platform::SenzaIndice,
         Formattazione::FormattaCifreSignificative(3, Stato.RoL * 100.0));
  findChild<QWidget*>("Frame1")->setVisible(Stato.TipoVerificaProgetto != 1);
  CotTetaMostra();
  StaffeControlliMostra();
  Ricalcola();
  modello_.InitFormProgetto = false;
}

void ProgettoSezione::ButtonsPosiziona() {
  auto* slider = findChild<QSlider*>("Slider1");
  auto* binario = findChild<QWidget*>("BinarioButtonCR");
  if (!slider || !binario) return;
  // The track the handle's centre runs along, in the strip's pixels.
  QStyleOptionSlider opzioni;
  opzioni.initFrom(slider);
  opzioni.orientation = slider->orientation();
  opzioni.minimum = slider->minimum();
  opzioni.maximum = slider->maximum();
  const QRect solco =
      slider->style()->subControlRect(QStyle::CC_Slider, &opzioni, QStyle::SC_SliderGroove, slider);
  const QRect maniglia =
      slider->style()->subControlRect(QStyle::CC_Slider, &opzioni, QStyle::SC_SliderHandle, slider);
  const QPoint origine = slider->mapTo(this, QPoint(solco.left() + maniglia.width() / 2, 0));
  const int inizio = binario->mapFrom(this, origine).x();
  const double corsa = solco.width() - maniglia.width();
  for (int i = 0; i < 2; ++i) {
    auto* pulsante = findChild<QWidget*>(N("ButtonCR", i));
    // The slider holds ten times the strain factor.
    const double valore = 10.0 * modello_.RapportiLimite[static_cast<std::size_t>(i)];
    const double frazione = std::clamp((valore - slider->minimum()) /
                                           (slider->maximum() - slider->minimum()),
                                       0.0, 1.0);
    const int centro = inizio + static_cast<int>(std::lround(frazione * corsa));
    const int sinistra = std::clamp(centro - pulsante->width() / 2, 0,
                                    std::max(0, binario->width() - pulsante->width()));
    pulsante->move(sinistra, 0);
  }
}
