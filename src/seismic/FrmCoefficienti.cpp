#include "seismic/FrmCoefficienti.h"

#include <algorithm>
#include <charconv>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/TestoSingolo.h"
#include "app/Generale.h"
#include "app/TastieraFinestra.h"
#include "model/Formattazione.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/qt/SchermoQt.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

namespace {

using platform::Nominato;

FrmCoefficienti* Istanza = nullptr;

QString Q(const char* testo) { return QString::fromUtf8(testo); }

std::string Fattore(double x) { return Formattazione::FormattaNumero(3, 9, x, true); }

std::string Intero(double x) { return Formattazione::Formato(x, "0"); }

// The remarks of a page, each wrapped to the list's width.
QListWidget* Osservazioni(int indice) {
  auto* lista = Nominato(new QListWidget, "ListaOsservCoef", indice);
  lista->setWordWrap(true);
  lista->setResizeMode(QListView::Adjust);
  lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return lista;
}

}  // namespace

float MuFi(float q, float T1, float TC) {
  if (T1 >= TC) return 2 * q - 1;
  if (T1 > 0) return 1 + 2 * (q - 1) * TC / T1;
  return 0;
}

FrmCoefficienti& FrmCoefficienti::Mostra(int Pagina) {
  if (!Istanza) Istanza = new FrmCoefficienti;
  Istanza->Pagina = Pagina;
  Istanza->Form_Load();
  Istanza->show();
  Istanza->raise();
  return *Istanza;
}

FrmCoefficienti* FrmCoefficienti::Aperta() { return Istanza; }

FrmCoefficienti::FrmCoefficienti() : form_(*this, "FrmCoefficienti") {
  setObjectName("FrmCoefficienti");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("EC8 #5.2.3.4(3) - NTC");
  auto* tutto = new QVBoxLayout(this);
  tutto->addWidget(CreaDuttilita());
  tutto->addWidget(CreaCapacity());
  tutto->addWidget(CreaOmegaSt());
  tutto->addWidget(CreaOmegaWd());
  new Generale::TastieraFinestra(*this);
}

FrmCoefficienti::~FrmCoefficienti() {
  if (Istanza == this) Istanza = nullptr;
}

platform::Control& FrmCoefficienti::Controllo(const std::string& nome, int indice) {
  return form_.Controllo(nome, indice);
}

QGroupBox* FrmCoefficienti::CreaDuttilita() {
  auto* frame = Nominato(new QGroupBox, Q("frameDuttilità").toStdString());
  auto* g = new QGridLayout(frame);
  struct Casella {
    int indice;
    const char* etichetta;
    const char* aiuto;
  };
  const Casella caselle[] = {
      {1, "q0", "Fattore di struttura di base"},
      {2, "T1 (s)", "Periodo del primo modo di vibrare"},
      {3, "TC (s)", "Periodo al limite del tratto ad accelerazione costante"},
      {0, "Sez. superiore", "Fattore di duttilità in termini di curvatura"},
      {4, "Sez. inferiore", "Fattore di duttilità in termini di curvatura"}};
  int riga = 0;
  for (const Casella& c : caselle) {
    g->addWidget(new QLabel(Q(c.etichetta)), riga, 0);
    auto* box = Nominato(new QLineEdit, "txtCoeff", c.indice);
    box->setToolTip(Q(c.aiuto));
    if (c.indice == 0 || c.indice == 4) box->setReadOnly(true);
    connect(box, &QLineEdit::textChanged, this, [this] {
      if (caricamento_) return;
      Memorizza();
      CalcolaMuFi();
      Aggiorna();
    });
    g->addWidget(box, riga++, 1);
  }
  g->addWidget(new QLabel("Usa 2/3qo  (EC8 #5.5.3.2.2(7)):"), riga++, 0, 1, 2);
  const char* const dueTerzi[] = {"nella sezione Superiore", "nella sezione Inferiore"};
  for (int i = 0; i <= 1; ++i) {
    auto* box = Nominato(new QCheckBox(dueTerzi[i]), "chkDueTerziQ0", i);
    connect(box, &QCheckBox::clicked, this, [this] {
      Memorizza();
      CalcolaMuFi();
      Aggiorna();
    });
    g->addWidget(box, riga++, 0, 1, 2);
  }
  g->addWidget(Osservazioni(0), riga, 0, 1, 2);
  return frame;
}

QGroupBox* FrmCoefficienti::CreaCapacity() {
  auto* frame = Nominato(new QGroupBox, "frameCapacity");
  auto* g = new QGridLayout(frame);
  const char* const aiuti[] = {"Rapporto dei momenti nella sezione inferiore del pilastro ",
                               "Rapporto dei momenti nella sezione superiore del pilastro",
                               "Coefficiente di sovraresistenza"};
  const char* const etichette[] = {"r sez. inferiore", "r sez. superiore", ""};
  for (int i = 0; i <= 2; ++i) {
    g->addWidget(i == 2 ? Nominato(new QLabel, "lblDinamica", 10) : new QLabel(etichette[i]), i, 0);
    auto* box = Nominato(new QLineEdit, "txtCoeffC", i);
    box->setToolTip(aiuti[i]);
    if (i == 2) box->setReadOnly(true);
    else
      connect(box, &QLineEdit::textChanged, this, [this] {
        if (caricamento_) return;
        Memorizza();
        // A capacity shear of other ratios is no longer shown.
        RegoleAggiorna();
      });
    g->addWidget(box, i, 1);
  }
  g->addWidget(Osservazioni(1), 3, 0, 1, 2);
  return frame;
}

// NTC: the stirrup legs and the minimum ratios of the two zones.
QGroupBox* FrmCoefficienti::CreaOmegaSt() {
  auto* frame = Nominato(new QGroupBox, "fraOmegaSt");
  auto* v = new QVBoxLayout(frame);
  for (int i = 0; i <= 1; ++i) v->addWidget(Nominato(new QLabel, "lblAst", i));
  auto* confronto = Nominato(new QGroupBox(Q("ωst minimo")), "fraConfronto");
  auto* g = new QGridLayout(confronto);
  const char* const zone[] = {"- zona critica", "- zona centrale"};
  for (int i = 0; i <= 1; ++i) {
    g->addWidget(new QLabel(zone[i]), i, 0);
    g->addWidget(Nominato(new QLabel, "lblAstMin", i), i, 1);
  }
  v->addWidget(confronto);
  auto* aiuto = Nominato(new QPushButton("EC8 #5.4.3.2.2(8)"), "HelpOmegaSt");
  connect(aiuto, &QPushButton::clicked, this, [this] { HelpOmegaSt_Click(); });
  v->addWidget(aiuto, 0, Qt::AlignLeft);
  return frame;
}

// EC8: the confining hoops' volume over the concrete, the ratio found and
// the minimum ratios of the two directions.
QGroupBox* FrmCoefficienti::CreaOmegaWd() {
  auto* frame = Nominato(new QGroupBox, "fraOmegaWd");
  auto* g = new QGridLayout(frame);
  g->addWidget(Nominato(new QLabel, "lblVolStFisso", 0), 0, 0, 1, 2);
  g->addWidget(Nominato(new QLabel, "lblVolSt", 0), 1, 0, 1, 2);
  g->addWidget(Nominato(new QLabel, "lblVolSt", 1), 2, 0, 1, 2);
  g->addWidget(new QLabel(Q("ωwd =")), 3, 0);
  g->addWidget(Nominato(new QLabel, "lblVolSt", 2), 3, 1);
  g->addWidget(new QLabel("Calcolati con:"), 4, 0);
  g->addWidget(Nominato(new QLabel, "lblVolSt", 3), 4, 1);
  g->addWidget(Nominato(new QLabel, "lblVolSt", 4), 5, 1);
  g->addWidget(new QLabel(Q("ωwd minimo")), 6, 0);
  for (int i = 0; i <= 1; ++i) g->addWidget(Nominato(new QLabel, "lblOmegaWdMin", i), 6 + i, 1);
  g->addWidget(Nominato(new QLabel, "lblOmegaWdMinImposto"), 8, 1);
  return frame;
}

void FrmCoefficienti::HelpOmegaSt_Click() {
  Pagina = 3;
  Setta();
  frmCoefAggiorna();
}

int FrmCoefficienti::PaginaMostrata() const {
  if (Pagina == 4) return VariabiliPubbliche::Stato.NormativaSismica == 1 ? 3 : 2;
  return Pagina;
}

void FrmCoefficienti::Form_Load() {
  caricamento_ = true;
  // The boxes of the page show the state's numbers again.
  Stato.CoefficientiIlleggibili = false;
  q0Letto_ = fattoriLetti_ = true;
  Setta();
  frmCoefAggiorna();
  if (Pagina == 0) {
    Controllo("txtCoeff", 0).SetText(Fattore(Stato.DuttilitaCurvaturaSup));
    Controllo("txtCoeff", 4).SetText(Fattore(Stato.DuttilitaCurvaturaInf));
    Controllo("txtCoeff", 1).SetText(Formattazione::TestoNumero(Stato.FattoreStrutturaQ0));
    // Periods and ratios are held in 32 bits: 0,4, not its 64-bit widening.
    Controllo("txtCoeff", 2).SetText(TestoSingolo(Stato.PeriodoT1));
    Controllo("txtCoeff", 3).SetText(TestoSingolo(Stato.PeriodoTC));
    Controllo("chkDueTerziQ0", 0).SetValue(Stato.DueTerziQ0Sup);
    Controllo("chkDueTerziQ0", 1).SetValue(Stato.DueTerziQ0Inf);
  } else if (Pagina == 1) {
    Controllo("txtCoeffC", 0).SetText(TestoSingolo(Stato.RapportoMomentiInf));
    Controllo("txtCoeffC", 1).SetText(TestoSingolo(Stato.RapportoMomentiSup));
  }
  // A value out of range is named on opening too.
  if (Pagina <= 1) AggiornaAvvisi();
  caricamento_ = false;
}

void FrmCoefficienti::Setta() {
  const int mostrata = PaginaMostrata();
  const char* const frame[] = {"frameDuttilità", "frameCapacity", "fraOmegaSt", "fraOmegaWd"};
  for (int i = 0; i <= 3; ++i) Controllo(Q(frame[i]).toStdString()).SetVisible(i == mostrata);
  adjustSize();
}

void FrmCoefficienti::frmCoefAggiorna() {
  switch (PaginaMostrata()) {
    case 0:
      setWindowTitle(Q("Duttilità in termini di curvatura: EC8 #5.2.3.4(3) - NTC #7.4.4"));
      break;
    case 1: {
      const bool media = Stato.DuttilitaMedia == 1;
      if (Stato.ElementoSetto == 0)
        setWindowTitle(QString("Regola del Capacity Design per il calcolo del taglio sollecitante: ") +
                       (media ? "EC8 #5.4.2.3(2)" : "EC8 #5.5.2.2(3)"));
      Controllo("lblDinamica", 10).SetCaption(media ? Q("Media Duttilità").toStdString()
                                                    : Q("Alta Duttilità").toStdString());
      Controllo("txtCoeffC", 2).SetText(Formattazione::TestoNumero(media ? 1.1 : 1.3));
      break;
    }
    case 2:
      SpiegazioneNtc();
      break;
    default:
      SpiegazioneEc8();
  }
  // Sized to the texts just written: the frames' size hints are taken anew;
  // wide enough for the title bar to show the page's reference whole.
  for (QGroupBox* frame : findChildren<QGroupBox*>()) frame->updateGeometry();
  adjustSize();
  resize(std::max(width(), platform::LarghezzaPerIlTitolo(*this)), height());
}

void FrmCoefficienti::SpiegazioneNtc() {
  setWindowTitle("NTC #7.4.6.2.2 eq. (7.4.28) - Quantitativo minimo di staffe");
  const Vettore<double>& v = Stato.ValoriStaffe;
  Controllo("lblAst", 0).SetCaption("- Ast=" + Intero(v(1)) + "; bst=" + Intero(v(3)) + " (Dir X)");
  Controllo("lblAst", 1).SetCaption("- Ast=" + Intero(v(2)) + "; bst=" + Intero(v(4)) + " (Dir Y)");
  Controllo("fraConfronto").SetVisible(true);
  Controllo("lblAst", 1).SetVisible(true);
  // The minimum ratios are held in 32 bits: 0.08, not its 64-bit widening.
  Controllo("lblAstMin", 0).SetCaption(TestoSingolo(static_cast<float>(v(5))));
  Controllo("lblAstMin", 1).SetCaption(TestoSingolo(static_cast<float>(v(6))));
}

void FrmCoefficienti::SpiegazioneEc8() {
  setWindowTitle("EC8 #5.4.3.2.2(8) - Rappoto volumetrico meccanico staffe confinanti");
  const Vettore<double>& v = Stato.ValoriStaffe;
  using Formattazione::TestoNumero;
  using VariabiliPubbliche::FormattaValore;
  Controllo("lblVolStFisso", 0).SetCaption(Stato.PilastroCorrente.SezioneInferiore
                                               ? "Zona critica sezione inferiore"
                                               : "Zona critica sezione superiore");
  Controllo("lblVolSt", 0).SetCaption(" - vol. staffe=" + Intero(v(7)));
  Controllo("lblVolSt", 1).SetCaption(" - area cls   =" + Intero(v(8)));
  Controllo("lblVolSt", 2).SetCaption(FormattaValore(v(9)));
  Controllo("lblVolSt", 3).SetCaption(FormattaValore(v(15)));
  Controllo("lblVolSt", 4).SetCaption(FormattaValore(v(16)) + " x" + FormattaValore(v(17)) + " =" +
                                      FormattaValore(v(16) * v(17)));
  Controllo("lblOmegaWdMin", 0).SetCaption(FormattaValore(v(10)) + " (Dir X: bc= " +
                                           TestoNumero(v(13)) + ")");
  Controllo("lblOmegaWdMin", 1).SetCaption(FormattaValore(v(11)) + " (Dir Y: bc= " +
                                           TestoNumero(v(14)) + ")");
  Controllo("lblOmegaWdMinImposto")
      .SetCaption(v(12) > 0 ? ">=" + TestoSingolo(static_cast<float>(v(12))) : "");
}

// The moment ratios are taken only from the page that shows them, the
// ductility inputs only from theirs.
void FrmCoefficienti::Memorizza() {
  if (Pagina != 0 && Pagina != 1) return;
  // True when the box holds a number, which is then stored.
  const auto numero = [&](const char* nome, int indice, auto& valore) {
    const std::optional<double> x = Generale::NumeroCasella(Controllo(nome, indice).Text());
    if (x) valore = static_cast<std::remove_reference_t<decltype(valore)>>(*x);
    return x.has_value();
  };
  if (Pagina == 0) {
    q0Letto_ = numero("txtCoeff", 1, Stato.FattoreStrutturaQ0);
    const bool T1 = numero("txtCoeff", 2, Stato.PeriodoT1);
    const bool TC = numero("txtCoeff", 3, Stato.PeriodoTC);
    fattoriLetti_ = q0Letto_ && T1 && TC;
    Stato.DueTerziQ0Sup = Controllo("chkDueTerziQ0", 0).Value();
    Stato.DueTerziQ0Inf = Controllo("chkDueTerziQ0", 1).Value();
    Stato.CoefficientiIlleggibili = !fattoriLetti_;
  } else {
    const bool inf = numero("txtCoeffC", 0, Stato.RapportoMomentiInf);
    const bool sup = numero("txtCoeffC", 1, Stato.RapportoMomentiSup);
    Stato.CoefficientiIlleggibili = !(inf && sup);
  }
}

void FrmCoefficienti::CalcolaMuFi(bool digitati) {
  const auto q0 = static_cast<float>(Stato.FattoreStrutturaQ0);
  const auto calcola = [&](int dueTerzi, double& mu) {
    const float x = MuFi(dueTerzi == 1 ? q0 * 2 / 3 : q0, Stato.PeriodoT1, Stato.PeriodoTC);
    if (!digitati && mu != 0 && mu != -1 && static_cast<float>(mu) != x) return;
    // Held as the single-precision number it is, 10.7 and not its widening
    // 10.699999809265137, as the box's twin is.
    char testo[32];
    const char* fine = std::to_chars(testo, testo + sizeof testo, x).ptr;
    mu = x;
    std::from_chars(testo, fine, mu);
  };
  calcola(Stato.DueTerziQ0Inf, Stato.DuttilitaCurvaturaInf);
  calcola(Stato.DueTerziQ0Sup, Stato.DuttilitaCurvaturaSup);
}

void FrmCoefficienti::Ricalcola() {
  CalcolaMuFi();
  Aggiorna();
}

void FrmCoefficienti::Aggiorna() {
  if (Stato.DuttilitaCurvaturaInf == -1) Stato.DuttilitaCurvaturaInf = 1;
  // Factors of a q0 or a period no longer on screen are shown nowhere.
  caricamento_ = true;
  Controllo("txtCoeff", 0).SetText(fattoriLetti_ ? Fattore(Stato.DuttilitaCurvaturaSup) : "");
  Controllo("txtCoeff", 4).SetText(fattoriLetti_ ? Fattore(Stato.DuttilitaCurvaturaInf) : "");
  caricamento_ = false;
  if (FrmSismica* sismica = FrmSismica::Aperta()) sismica->MostraDinamica();
  // The confinement rules read the curvature ductility.
  RegoleAggiorna();
}

// The seismic rules rerun on the values now typed; values out of range are
// named in the remarks and leave no rule of earlier ones in sight.
void FrmCoefficienti::RegoleAggiorna() {
  AggiornaAvvisi();
  FrmSismica* sismica = FrmSismica::Aperta();
  if (!sismica) return;
  if (Sismica::CoefficientiNonValidi().empty()) {
    // At each key typed here: a column or actions refused were told when
    // typed there, and the rules then leave no list in sight.
    platform::SenzaMessaggi muto;
    sismica->ControllaPrescrizioni();
  } else
    // rho = As/Ac reads none of these values.
    sismica->SvuotaRisultati(false);
}

void FrmCoefficienti::AggiornaAvvisi() {
  const int pagina = PaginaMostrata();
  platform::Control& lista = Controllo("ListaOsservCoef", pagina);
  lista.Clear();
  const std::string rifiuto = Sismica::CoefficientiNonValidi();
  if (pagina <= 1 && !rifiuto.empty()) {
    lista.AddItem(rifiuto);
    return;
  }
  if (pagina == 1) {
    const float sup = Stato.RapportoMomentiSup;
    const float inf = Stato.RapportoMomentiInf;
    if (sup < 0.1f || inf < 0.1f) {
      lista.AddItem("Attenzione! Il valore del rapporto r sembra troppo piccolo.");
    } else if (sup > 1 / 1.3f || inf > 1 / 1.3f) {
      lista.AddItem(Q("Normalmente il rapporto r è < 1/1,3 = 0,769 (colonna forte trave debole) "
                      "[EC8 #4.4.2.3(4)],").toStdString());
      lista.AddItem("escluso l'ultimo piano [EC8 #4.4.2.3(6)], il telaio a due piani con nud<0,3 "
                    "[EC8 #5.2.3.3(2b)],");
      lista.AddItem("e, ovviamente, la sezione di base, per la quale si deve porre r = 1.");
    }
  } else if (pagina == 0 && Stato.ElementoSetto == 1) {
    lista.AddItem("Osservazioni:");
    lista.AddItem(Q("In fase di verifica il fattore di struttura verrà moltiplicato per il "
                    "rapporto massimo fra Msd e Mrd").toStdString());
  }
}

// Closed, the window is gone: the next opening builds a new one.
void FrmCoefficienti::closeEvent(QCloseEvent* evento) {
  Memorizza();
  // Gone with the window: what stays is the last number each box held,
  // shown again in the seismic window and checked there.
  const bool rifiutati = Stato.CoefficientiIlleggibili;
  Stato.CoefficientiIlleggibili = false;
  if (Istanza == this) Istanza = nullptr;
  if (FrmSismica* sismica = FrmSismica::Aperta(); sismica && rifiutati) {
    sismica->MostraDinamica();
    platform::SenzaMessaggi muto;
    sismica->ControllaPrescrizioni();
  }
  evento->accept();
}
