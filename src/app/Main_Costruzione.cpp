// The main window's controls, laid out in four columns: the section with its
// grids, the calculation options and actions, results and materials, and the
// prestressing column shown for a prestressed section.
#include <QCheckBox>
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
#include "app/Main.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/FlexGridQt.h"
#include "platform/qt/SchermoQt.h"

namespace {

using platform::NomeOggetto;
using platform::SenzaIndice;

template <class W>
W* Nomina(W* w, const std::string& nome, int indice = SenzaIndice) {
  w->setObjectName(QString::fromStdString(NomeOggetto(nome, indice)));
  return w;
}

QLineEdit* Casella(const std::string& nome, int indice = SenzaIndice, const QString& suggerimento = {},
                   int caratteri = 9) {
  auto* casella = Nomina(new QLineEdit, nome, indice);
  casella->setToolTip(suggerimento);
  const int cifra = casella->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  casella->setFixedWidth(cifra * (caratteri + 2));
  casella->setAlignment(Qt::AlignRight);
  return casella;
}

QLineEdit* Risultato(const std::string& nome, int indice = SenzaIndice, const QString& suggerimento = {},
                     int caratteri = 10) {
  QLineEdit* casella = Casella(nome, indice, suggerimento, caratteri);
  casella->setReadOnly(true);
  return casella;
}

QLabel* Etichetta(const std::string& nome, int indice, const QString& testo) {
  return Nomina(new QLabel(testo), nome, indice);
}

// The subscript of a quantity's symbol.
QLabel* Pedice(const std::string& nome, int indice, const QString& testo) {
  QLabel* etichetta = Etichetta(nome, indice, testo);
  QFont carattere = etichetta->font();
  carattere.setPointSizeF(carattere.pointSizeF() * 0.78);
  etichetta->setFont(carattere);
  etichetta->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  etichetta->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return etichetta;
}

// The exponent of a unit.
QLabel* Apice(const std::string& nome, int indice, const QString& testo) {
  QLabel* etichetta = Pedice(nome, indice, testo);
  etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return etichetta;
}

QLabel* Semplice(const QString& testo) { return new QLabel(testo); }

// A symbol and its subscript side by side.
QWidget* Simbolo(std::initializer_list<QWidget*> parti) {
  auto* contenitore = new QWidget;
  auto* riga = new QHBoxLayout(contenitore);
  riga->setContentsMargins(0, 0, 0, 0);
  riga->setSpacing(0);
  for (QWidget* parte : parti) {
    auto* etichetta = qobject_cast<QLabel*>(parte);
    const bool alto = etichetta && (etichetta->alignment() & Qt::AlignTop);
    riga->addWidget(parte, 0, alto ? Qt::AlignTop : Qt::AlignBottom);
  }
  riga->addStretch();
  return contenitore;
}

// Controls one under the other, edge to edge.
QVBoxLayout* Colonna(QWidget* genitore) {
  auto* v = new QVBoxLayout(genitore);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(4);
  return v;
}

// Rows of (label, box, unit) in a grid.
struct Righe {
  QGridLayout* griglia;
  int riga = 0;
  void Aggiungi(QWidget* etichetta, QWidget* casella, QWidget* unita = nullptr) {
    griglia->addWidget(etichetta, riga, 0);
    griglia->addWidget(casella, riga, 1);
    if (unita) griglia->addWidget(unita, riga, 2);
    ++riga;
  }
};

Righe GrigliaIn(QWidget* genitore) {
  auto* griglia = new QGridLayout(genitore);
  griglia->setContentsMargins(6, 4, 6, 4);
  griglia->setHorizontalSpacing(4);
  griglia->setVerticalSpacing(2);
  griglia->setColumnStretch(3, 1);
  return Righe{griglia};
}

QGroupBox* Cornice(const std::string& nome, int indice, const QString& titolo) {
  return Nomina(new QGroupBox(titolo), nome, indice);
}

const QString Permille = QString::fromUtf8("‰");
const QString Nmm2 = QString::fromUtf8("N/mm²");

// The boxes of one steel kind: 0 reinforcing bars, 1 tendons (headed by the
// tendon-type list).
QGroupBox* GruppoAcciaio(int k, QWidget* tipi = nullptr) {
  struct Simboli {
    const char *titolo, *fyd, *es, *epsSu, *epsSyd, *sigma, *n;
  };
  const Simboli s = k == 0 ? Simboli{"Acciaio barre", "yd", "s", "su", "syd", "s", "n = Es/Ec"}
                           : Simboli{"Acciaio cavi", "pd", "p", "pu", "pyd", "p", "n = Ep/Ec"};
  auto* acciaio = new QGroupBox(s.titolo);
  Righe a = GrigliaIn(acciaio);
  if (tipi) a.griglia->addWidget(tipi, a.riga++, 0, 1, 3);
  QLineEdit* nome = Casella("F_nome_acc", k, QString(), 9);
  nome->setAlignment(Qt::AlignLeft);
  a.Aggiungi(Semplice("Tipo"), nome);
  a.Aggiungi(Simbolo({Semplice("f"), Pedice("Label21", k, s.fyd)}), Casella("F_fyd", k, QString(), 7),
             Semplice(Nmm2));
  a.Aggiungi(Simbolo({Semplice("E"), Pedice("Label_Es", k, s.es)}), Casella("F_Es", k, QString(), 7),
             Semplice(Nmm2));
  a.Aggiungi(Simbolo({Semplice(QString::fromUtf8("ε")), Pedice("Label_eps_su", k, s.epsSu)}),
             Casella("F_eps_su", k, QString(), 7), Semplice(Permille));
  a.Aggiungi(Simbolo({Semplice(QString::fromUtf8("ε")), Pedice("Label6", 6 + k, s.epsSyd)}),
             Risultato("F_eps_syd", k, QString(), 7), Semplice(Permille));
  a.Aggiungi(Simbolo({Semplice(QString::fromUtf8("σ")), Pedice("Label_sigma_samm", k, s.sigma)}),
             Casella("txtSigAdm_S", k, QString(), 7), Semplice(Nmm2));
  a.Aggiungi(Semplice(s.n), Casella("F_Es_su_Ec", k, QString(), 7));
  return acciaio;
}

}  // namespace

void Main::CreaControlli() {
  auto* centrale = new QWidget;
  auto* colonne = new QHBoxLayout(centrale);
  colonne->setContentsMargins(4, 4, 4, 4);
  colonne->setSpacing(6);

  // As tall as the section column asks, where the screen allows.
  QScrollArea* scorrimento = platform::Scorrevole(CreaColonnaSezione());
  scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scorrimento->setMinimumWidth(scorrimento->widget()->minimumSizeHint().width() + 16);
  colonne->addWidget(scorrimento, 3);
  colonne->addWidget(CreaColonnaCalcolo(), 0);
  colonne->addWidget(CreaColonnaMateriali(), 0);
  colonne->addWidget(CreaColonnaAcciai(), 0);
  setCentralWidget(centrale);
}

QWidget* Main::CreaColonnaSezione() {
  auto* colonna = new QWidget;
  QVBoxLayout* v = Colonna(colonna);

  auto* titolo = new QHBoxLayout;
  titolo->addWidget(Semplice("Titolo:"));
  auto* txtTitolo = Nomina(new QLineEdit, "txtTitolo");
  titolo->addWidget(txtTitolo, 1);
  auto* nascosta = Nomina(new QLineEdit, "txtNonCancellare");
  nascosta->hide();
  titolo->addWidget(nascosta);
  v->addLayout(titolo);

  auto* alto = new QHBoxLayout;
  QGroupBox* frame1 = Cornice("Frame1", SenzaIndice, "Tipo Sezione");
  auto* tipi = new QVBoxLayout(frame1);
  tipi->setSpacing(1);
  tipi->setContentsMargins(6, 2, 6, 4);
  const char* const nomiTipi[] = {"Rettan.re", "a T", "Rettangoli", "Trapezi", "Circolare",
                                  "Coord.", "DXF"};
  for (int i = 0; i <= 6; ++i) tipi->addWidget(Nomina(new QRadioButton(nomiTipi[i]), "OpTipoSezione", i));
  tipi->addWidget(Nomina(new QLabel("Solo barre"), "LblSoloBarre"));
  tipi->addWidget(Nomina(new QPushButton("Apri DXF..."), "cmdDXF"));
  tipi->addStretch();
  alto->addWidget(frame1, 0);
  figura_ = Nomina(new FiguraSezione, "Figura");
  alto->addWidget(figura_, 1);
  v->addLayout(alto, 3);

  QGroupBox* cerchio = Cornice("RaggioFrm", SenzaIndice, "Sezione circolare cava");
  Righe r = GrigliaIn(cerchio);
  struct Voce {
    int k;
    const char* etichetta;
    const char* suggerimento;
    int unita;
  };
  const Voce voci[] = {{0, "Raggio esterno", "Raggio esterno", 0},
                       {4, "Raggio interno", "Raggio interno", 3},
                       {1, "N° barre uguali", "N° barre uniformemente distribuite", -1},
                       {2, "Diametro barre", "Diametro barre uniformemente distribuite", 1},
                       {3, "Copriferro (baric.)", "Distanza baricentro barre bordo cls", 2}};
  for (const Voce& voce : voci)
    r.Aggiungi(Etichetta("RaggioLbl", voce.k, QString::fromUtf8(voce.etichetta)),
               Casella("RaggioTxt", voce.k, QString::fromUtf8(voce.suggerimento)),
               voce.unita >= 0 ? Etichetta("RaggioUnit", voce.unita, "[cm]") : nullptr);
  QLineEdit* vertici = Casella("F_Vertici", SenzaIndice, QString::fromUtf8("N° vertici poligono inscritto"));
  vertici->setText("52");
  r.Aggiungi(Etichetta("lblVertici", SenzaIndice, "Vertici:"), vertici);
  v->addWidget(cerchio);

  v->addWidget(CreaGriglia(0), 2);
  v->addWidget(CreaGriglia(1), 2);
  // The bar-diameter frame floats over the column, beside the bars grid:
  // opening it moves nothing (PosizionaFraFi).
  QWidget* fraFi = CreaFraFi();
  fraFi->setParent(colonna);
  fraFi->setAutoFillBackground(true);
  fraFi->adjustSize();
  grigliaCavi_ = CreaGriglia(2);
  grigliaCavi_->hide();
  v->addWidget(grigliaCavi_, 2);
  v->addStretch(1);
  return colonna;
}

QWidget* Main::CreaGriglia(int g) {
  auto* blocco = new QWidget;
  auto* v = new QVBoxLayout(blocco);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(2);
  auto* testa = new QHBoxLayout;
  testa->addWidget(Etichetta("LblRigheGriglia", g, QString()));
  QLineEdit* righe = Casella("txtRigheGriglia", g, QString(), 4);
  righe->setText("0");
  testa->addWidget(righe);
  testa->addStretch();
  auto* zoom = Nomina(new QPushButton("Zoom"), "FlexGridZoom", g);
  zoom->setFocusPolicy(Qt::NoFocus);
  testa->addWidget(zoom);
  v->addLayout(testa);

  // The editor floats over the grid's cells: a sibling of the grid, outside
  // the layout, placed by the cell it edits.
  auto* area = new QWidget;
  auto* interno = new QVBoxLayout(area);
  interno->setContentsMargins(0, 0, 0, 0);
  griglie_[g] = Nomina(new platform::FlexGridQt(area), "FlexGrid", g);
  griglie_[g]->setMinimumHeight(AltezzaMinimaGriglia);
  griglie_[g]->setMaximumWidth(420);
  griglie_[g]->setMaximumHeight(AltezzaMassimaGriglia);
  interno->addWidget(griglie_[g]);
  editor_[g] = Nomina(new platform::CasellaTestoQt(area), "TxtEdit", g);
  editor_[g]->setFrame(false);
  editor_[g]->setStyleSheet("background-color: #FFC0C0;");
  editor_[g]->setText(" ");
  editor_[g]->hide();
  v->addWidget(area, 1);
  return blocco;
}

QWidget* Main::CreaFraFi() {
  QGroupBox* fraFi = Cornice("FraFi", SenzaIndice, "Barre");
  fraFi->setToolTip("Click per chiudere");
  auto* g = new QGridLayout(fraFi);
  g->setContentsMargins(6, 2, 6, 4);
  g->setSpacing(2);
  g->addWidget(Etichetta("lblfi", 0, QString::fromUtf8("φ")), 0, 0);
  g->addWidget(Etichetta("lblfi", 1, QString::fromUtf8("N°")), 0, 1);
  const char* const diametri[] = {" 8", "10", "12", "14", "16", "18", "20", "22", "24", "26"};
  for (int k = 0; k <= 2; ++k) {
    auto* combo = Nomina(new QComboBox, "comboFi", k);
    combo->setEditable(true);
    for (const char* d : diametri) combo->addItem(d);
    combo->setCurrentIndex(-1);
    combo->setEditText("8");
    combo->setMaximumWidth(combo->fontMetrics().horizontalAdvance("000000") + 24);
    g->addWidget(combo, k + 1, 0);
    QLineEdit* n = Casella("txtNfi", k, "Profilo selezionato", 3);
    n->setText(k == 0 ? "1" : "0");
    g->addWidget(n, k + 1, 1);
    auto* frecce = Nomina(new QWidget, "UpDownFi", k);
    auto* fv = new QVBoxLayout(frecce);
    fv->setContentsMargins(0, 0, 0, 0);
    fv->setSpacing(0);
    for (const bool su : {true, false}) {
      auto* b = new QToolButton;
      b->setArrowType(su ? Qt::UpArrow : Qt::DownArrow);
      b->setFixedSize(16, 11);
      b->setFocusPolicy(Qt::NoFocus);
      fv->addWidget(b);
      connect(b, &QToolButton::clicked, this,
              [this, k, su] { su ? UpDownFi_UpClick(k) : UpDownFi_DownClick(k); });
    }
    g->addWidget(frecce, k + 1, 2);
  }
  g->addWidget(Etichetta("lblfi", 2, "As"), 4, 0);
  g->addWidget(Casella("txtFi", SenzaIndice, QString(), 6), 4, 1, 1, 2);
  auto* inserisci = Nomina(new QPushButton("Inserisci"), "cmdFi", 0);
  inserisci->setToolTip("Inserisce il valore di As");
  auto* calcola = Nomina(new QPushButton("Calcola"), "cmdFi", 1);
  calcola->setToolTip("Aggiorna il valore di As");
  g->addWidget(inserisci, 5, 0, 1, 3);
  g->addWidget(calcola, 6, 0, 1, 3);
  fraFi->hide();
  return fraFi;
}

QWidget* Main::CreaColonnaCalcolo() {
  auto* colonna = new QWidget;
  QVBoxLayout* v = Colonna(colonna);

  auto* metodi = new QHBoxLayout;
  QGroupBox* metodo = Cornice("Frame3", 0, "Metodo di calcolo");
  auto* mv = new QVBoxLayout(metodo);
  mv->setSpacing(1);
  const char* const verifiche[] = {"S.L.U.+", "Metodo n", "S.L.U.-"};
  for (int i = 0; i <= 2; ++i) mv->addWidget(Nomina(new QRadioButton(verifiche[i]), "OpTipoVerifica", i));
  metodi->addWidget(metodo);
  QGroupBox* flessione = Cornice("Frame3", 1, "Tipo flessione");
  auto* fv = new QVBoxLayout(flessione);
  fv->setSpacing(1);
  fv->addWidget(Nomina(new QRadioButton("Retta"), "OpTipoFlessione", 0));
  fv->addWidget(Nomina(new QRadioButton("Deviata"), "OpTipoFlessione", 1));
  fv->addStretch();
  metodi->addWidget(flessione);
  v->addLayout(metodi);

  QGroupBox* puntoN = Cornice("FramePuntoN", SenzaIndice, "P.to applicazione N");
  auto* pg = new QGridLayout(puntoN);
  pg->setSpacing(2);
  const char* const punti[] = {"Centro", "Baricentro cls", "Coord.[cm]"};
  for (int i = 0; i <= 2; ++i) pg->addWidget(Nomina(new QRadioButton(punti[i]), "OpPuntoN", i), i, 0);
  pg->addWidget(Semplice("xN"), 1, 1);
  pg->addWidget(Casella("F_xN", 0, QString(), 7), 1, 2);
  pg->addWidget(Semplice("yN"), 2, 1);
  pg->addWidget(Casella("F_xN", 1, QString(), 7), 2, 2);
  v->addWidget(puntoN);

  auto* azioni = new QGroupBox("Sollecitazioni");
  auto* ag = new QGridLayout(azioni);
  ag->setSpacing(2);
  ag->addWidget(Etichetta("lblSoll", 0, "S.L.U."), 0, 1, Qt::AlignCenter);
  ag->addWidget(Etichetta("lblSoll", 1, "Metodo n"), 0, 3, Qt::AlignCenter);
  const char* const nomiAzioni[] = {"F_N", "F_Mxsd", "F_MySd"};
  const char* const pedici[] = {"Ed ", "xEd", "yEd"};
  const char* const unita[] = {"kN", "kN m", "kN m"};
  const QString suggerimenti[2][3] = {
      {"Forza assiale di progetto (+ compressione)",
       "Momento soll. di progetto intorno all'asse x (+ comprime y positive)",
       "Momento soll. di progetto intorno all'asse y (+ comprime x positive)"},
      {"Forza assiale di progetto (+ compressione)",
       "Momento soll. di esercizio intorno all'asse x (+ comprime y positive)",
       "Momento soll. di esercizio intorno all'asse y (+ comprime x positive)"}};
  for (int a = 0; a <= 2; ++a) {
    ag->addWidget(Simbolo({Semplice(a == 0 ? "N" : "M"), Pedice("LblSollecitaz", a, pedici[a])}),
                  a + 1, 0);
    for (int s = 0; s <= 1; ++s)
      ag->addWidget(Casella(nomiAzioni[a], s, suggerimenti[s][a], 8), a + 1, 1 + 2 * s);
    ag->addWidget(Semplice(unita[a]), a + 1, 4);
  }
  auto* frecce = new QVBoxLayout;
  for (int i = 0; i <= 1; ++i) {
    auto* b = Nomina(new QToolButton, "cmdAzioniDaSLU", i);
    b->setArrowType(i == 0 ? Qt::RightArrow : Qt::LeftArrow);
    frecce->addWidget(b);
  }
  ag->addLayout(frecce, 1, 2, 3, 1);
  v->addWidget(azioni);

  auto* opzioni = new QWidget;
  Righe r = GrigliaIn(opzioni);
  r.griglia->setContentsMargins(0, 0, 0, 0);
  r.Aggiungi(Simbolo({Etichetta("lbl_Angolo", 0, "angolo asse neutro")}),
             Casella("F_Angolo", SenzaIndice, "Angolo asse neutro rispetto asse x (+ antiorario)", 6),
             Etichetta("lbl_Angolo", 1, QString::fromUtf8("°")));
  QLineEdit* strisce = Casella("F_nMaxRettangolini", 0,
                               QString::fromUtf8("N° rettangolini in cui viene discretizzata la sezione"), 6);
  strisce->setText("100");
  r.Aggiungi(Etichetta("lblRettangolini", 0, QString::fromUtf8("N° rett.")), strisce);
  QLineEdit* iterazioni = Risultato("F_nMaxRettangolini", 1);
  r.Aggiungi(Etichetta("lblRettangolini", 1, QString::fromUtf8("N° iterazioni:")), iterazioni);
  r.Aggiungi(Simbolo({Etichetta("lbl_L0", 0, "L"), Pedice("lbl_L0", 1, "0")}),
             Casella("F_L0", SenzaIndice, "Lunghezza di libera inflessione (colonna modello)", 6),
             Etichetta("lbl_L0", 2, "cm"));
  v->addWidget(opzioni);

  auto* precompresso = Nomina(new QCheckBox("Precompresso"), "chkPrecompresso");
  v->addWidget(precompresso);

  auto* comandi = new QGridLayout;
  comandi->setSpacing(3);
  auto* calcola = Nomina(new QPushButton("Calcola MRd"), "btnCalcola");
  calcola->setMinimumHeight(calcola->sizeHint().height() * 3 / 2);
  comandi->addWidget(calcola, 0, 0, 1, 2);
  comandi->addWidget(Nomina(new QPushButton("Dominio M-N"), "btnDominioMN"), 1, 0, 1, 2);
  comandi->addWidget(Nomina(new QPushButton("Col. modello"), "btnMomentoCurvatura"), 2, 0);
  comandi->addWidget(
      Nomina(new QPushButton("M-curvatura"), "btnMomentoCurvatura_solo"), 2, 1);
  v->addLayout(comandi);
  v->addStretch();
  return colonna;
}

QWidget* Main::CreaColonnaMateriali() {
  auto* colonna = new QWidget;
  QVBoxLayout* v = Colonna(colonna);

  QGroupBox* rottura = Cornice("frmTipoRottura", 0, "Tipo rottura");
  auto* rv = new QVBoxLayout(rottura);
  rv->setContentsMargins(6, 2, 6, 4);
  QLineEdit* tipoRottura = Risultato("F_tipo_rottura", 0);
  tipoRottura->setMaximumWidth(QWIDGETSIZE_MAX);
  tipoRottura->setMinimumWidth(tipoRottura->fontMetrics().horizontalAdvance("Lato calcestruzzo - Acciaio snervato") + 12);
  tipoRottura->setAlignment(Qt::AlignLeft);
  rv->addWidget(tipoRottura);
  v->addWidget(rottura);

  QGroupBox* risultati = Cornice("FraRisultati", 0, "Risultati");
  Righe r = GrigliaIn(risultati);
  r.Aggiungi(Simbolo({Etichetta("lbl_Mu", 0, "M"), Pedice("lbl_Mu", 1, "xRd")}),
             Risultato("F_Mu", 0, "Momento resistente di progetto intorno all'asse x"),
             Etichetta("lbl_Mu", 2, "kN m"));
  r.Aggiungi(Simbolo({Etichetta("lbl_Mu", 4, "M"), Pedice("lbl_Mu", 5, "yRd")}),
             Risultato("F_Mu", 1, "Momento resistente di progetto intorno all'asse y"),
             Etichetta("lbl_Mu", 3, "kN m"));
  r.Aggiungi(Etichetta("lbl_h_utile", 0, "d"), Risultato("F_h_utile", SenzaIndice, "Altezza utile"),
             Etichetta("lbl_h_utile", 1, "cm"));
  r.Aggiungi(Etichetta("lbl_y_neutro", 0, "x"),
             Risultato("F_y_neutro", SenzaIndice, "Altezza asse neutro"));
  r.Aggiungi(Etichetta("lbl_x_su_d", 0, "x/d"), Risultato("F_x_su_d", 0));
  r.Aggiungi(Etichetta("lbl_x_su_d", 1, QString::fromUtf8("δ")),
             Risultato("F_x_su_d", 1, "Coeff. ridistribuzione momento EC2 #2.5.3.4.2."));
  r.Aggiungi(Simbolo({Etichetta("lbl_eps_c", 0, QString::fromUtf8("ε")), Pedice("lbl_eps_c", 1, "c")}),
             Risultato("F_eps_c", SenzaIndice, "massima deformazione cls"),
             Etichetta("lbl_eps_c", 2, Permille));
  r.Aggiungi(Simbolo({Etichetta("lbl_eps_s", 0, QString::fromUtf8("ε")), Pedice("lbl_eps_s", 1, "s")}),
             Risultato("F_eps_s", 0, "Deformazione massima barre"), Etichetta("lbl_eps_s", 2, Permille));
  r.Aggiungi(
      Simbolo({Etichetta("lbl_sigma_c", 0, QString::fromUtf8("σ")), Pedice("lbl_sigma_c", 1, "c")}),
      Risultato("F_sigma_c", SenzaIndice,
                "Tensione massima di compressione nel cls o minima di trazione nell'acciaio. + "
                "trazione (blu) - compressione (rosso)"),
      Simbolo({Etichetta("Label3As", 0, "N/mm"), Apice("Label4As", 0, "2")}));
  r.Aggiungi(
      Simbolo({Etichetta("lbl_sigma_s", 0, QString::fromUtf8("σ")), Pedice("lbl_sigma_s", 1, "s")}),
      Risultato("F_sigma_s", 0,
                "Tensione massima nelle barre [+ trazione (blu) - compressione (rosso)]"),
      Simbolo({Etichetta("Label3As", 3, "N/mm"), Apice("Label4As", 3, "2")}));
  v->addWidget(risultati);


  QGroupBox* cls = new QGroupBox("Calcestruzzo");
  Righe m = GrigliaIn(cls);
  QLineEdit* nomeCls = Casella("F_nome_cls", SenzaIndice, QString(), 9);
  nomeCls->setAlignment(Qt::AlignLeft);
  m.Aggiungi(Semplice("Classe"), nomeCls);
  m.Aggiungi(Simbolo({Semplice("f"), Pedice("Label23", SenzaIndice, "cd")}),
             Casella("TxtFcd", SenzaIndice, QString(), 7), Semplice(Nmm2));
  m.Aggiungi(Simbolo({Semplice(QString::fromUtf8("ε")), Pedice("Label_eps_cu", SenzaIndice, "cu")}),
             Casella("F_eps_cu", 0, QString(), 7), Semplice(Permille));
  m.Aggiungi(Simbolo({Semplice(QString::fromUtf8("ε")), Pedice("Label_eps_c2", SenzaIndice, "c2")}),
             Casella("F_eps_cu", 1, QString(), 7), Semplice(Permille));
  auto* aiuto = Nomina(new QLabel("?"), "Helpfcc");
  aiuto->setCursor(Qt::WhatsThisCursor);
  aiuto->setStyleSheet("color: #0046AA; font-weight: bold;");
  m.Aggiungi(Simbolo({Semplice("fcc/f"), Pedice("Label17", SenzaIndice, "cd")}),
             Casella("F_fccSufcd", SenzaIndice, QString(), 7), aiuto);
  m.Aggiungi(Simbolo({Semplice(QString::fromUtf8("σ")), Pedice("Label_sigma_camm", SenzaIndice, "c")}),
             Casella("txtSigAdm", 1, QString(), 7), Semplice(Nmm2));
  m.Aggiungi(Simbolo({Semplice(QString::fromUtf8("τ")), Pedice("Label_tau_c0", SenzaIndice, "c0")}),
             Casella("txtSigAdm", 2, QString(), 7), Semplice(Nmm2));
  m.Aggiungi(Simbolo({Semplice(QString::fromUtf8("τ")), Pedice("Label_tau_c1", SenzaIndice, "c1")}),
             Casella("txtSigAdm", 3, QString(), 7), Semplice(Nmm2));
  v->addWidget(cls);

  v->addStretch();
  return colonna;
}

QWidget* Main::CreaColonnaAcciai() {
  auto* colonna = new QWidget;
  QVBoxLayout* v = Colonna(colonna);
  v->addWidget(GruppoAcciaio(0));

  // What a prestressed section adds: shown with "Precompresso".
  colonnaCavi_ = new QWidget;
  QVBoxLayout* cavi = Colonna(colonnaCavi_);
  auto* tipo = Nomina(new QComboBox, "CmbCavi");
  tipo->setEditable(true);
  tipo->lineEdit()->setReadOnly(true);
  cavi->addWidget(GruppoAcciaio(1, tipo));
  QGroupBox* precompresso = Cornice("fraPrecompresso", SenzaIndice, "Precompresso");
  Righe p = GrigliaIn(precompresso);
  p.Aggiungi(Simbolo({Semplice(QString::fromUtf8("ε")), Pedice("Label_eps_p0", SenzaIndice, "p0")}),
             Casella("txtPredeformazioneAcciaio", SenzaIndice, QString(), 7), Semplice(Permille));
  p.griglia->addWidget(Nomina(new QCheckBox("Decompressione"), "chkDecomp"), p.riga++, 0, 1, 3);
  cavi->addWidget(precompresso);
  QGroupBox* risultatiCavi = Cornice("FraRisultati", 1, "Risultati cavi");
  Righe rc = GrigliaIn(risultatiCavi);
  rc.Aggiungi(
      Simbolo({Etichetta("lbl_sigma_s", 2, QString::fromUtf8("σ")), Pedice("lbl_sigma_s", 3, "sp")}),
      Risultato("F_sigma_s", 1,
                "Tensione massima di trazione nei cavi [+ trazione (blu) - compressione (rosso)]"),
      Simbolo({Etichetta("Label3As", 2, "N/mm"), Apice("Label4As", 2, "2")}));
  rc.Aggiungi(
      Simbolo({Etichetta("lbl_eps_s", 4, QString::fromUtf8("ε")), Pedice("lbl_eps_s", 3, "sp")}),
      Risultato("F_eps_s", 1, "Deformazione massima cavi"),
      Simbolo({Semplice(Permille), Etichetta("lbl_eps_s", 5, "  compresa predef.")}));
  cavi->addWidget(risultatiCavi);
  colonnaCavi_->hide();
  v->addWidget(colonnaCavi_);
  v->addStretch();
  return colonna;
}
