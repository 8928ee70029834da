// The detailing rules rerun after every change of the column, and the list
// of what they find, with the stirrup ratios beside it.
#include <exception>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "model/VariabiliPubbliche.h"
#include "platform/Colori.h"
#include "platform/MsgBox.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

namespace {

using platform::Nominato;

QString Q(const char* testo) { return QString::fromUtf8(testo); }

// A ratio written by the rules, not typed.
QLineEdit* Rapporto(const std::string& nome, int indice) {
  auto* casella = Nominato(new QLineEdit, nome, indice);
  casella->setReadOnly(true);
  casella->setFocusPolicy(Qt::NoFocus);
  return casella;
}

}  // namespace

QGroupBox* FrmSismica::CreaPrescrizioni() {
  auto* frame = new QGroupBox("Prescrizioni");
  auto* g = new QGridLayout(frame);
  auto* ast = Nominato(new QGroupBox(Q("ωst")), "fraAst");
  auto* a = new QGridLayout(ast);
  a->addWidget(new QLabel("X"), 0, 1);
  a->addWidget(new QLabel("Y"), 0, 2);
  a->addWidget(new QLabel("Zona critica"), 1, 0);
  a->addWidget(new QLabel("Zona centrale"), 2, 0);
  for (int i = 0; i <= 3; ++i) a->addWidget(Rapporto("TxtOmegaSt", i), 1 + i / 2, 1 + i % 2);
  g->addWidget(ast, 0, 0, 1, 4);

  g->addWidget(new QLabel(Q("ωwd zona critica")), 1, 0);
  g->addWidget(Rapporto("txtOmegaWd", 0), 1, 1);
  g->addWidget(new QLabel(Q("ωwd zona centrale")), 1, 2);
  g->addWidget(Rapporto("txtOmegaWd", 1), 1, 3);
  // The circular column's ratio: omega_st for NTC, omega_wd for EC8.
  auto* circolare = Nominato(new QWidget, "fraOmegaCircolare");
  auto* simbolo = new QHBoxLayout(circolare);
  simbolo->setContentsMargins(0, 0, 0, 0);
  simbolo->setSpacing(0);
  simbolo->addWidget(new QLabel(Q("ω")));
  simbolo->addWidget(Nominato(new QLabel("st"), "StaffaLbl", 1));
  simbolo->addStretch();
  simbolo->addWidget(Rapporto("txtOmegaWd", 2));
  g->addWidget(circolare, 2, 0, 1, 2);
  g->addWidget(new QLabel(Q("ρ = As/Ac")), 2, 2);
  for (int i = 0; i <= 1; ++i) g->addWidget(Rapporto("TxtRo", i), 2, 3);
  auto* invisibile = Nominato(new QLabel, "lblInvisibile");
  invisibile->hide();
  g->addWidget(invisibile, 3, 0);

  auto* controllo = Nominato(new QPushButton("Controllo Presc."), "cmdControlloPil", 0);
  connect(controllo, &QPushButton::clicked, this, [this] { cmdControlloPil_Click(); });
  g->addWidget(controllo, 3, 3);
  auto* lista = Nominato(new QTextEdit, "RichTextBox1");
  lista->setReadOnly(true);
  lista->setLineWrapMode(QTextEdit::WidgetWidth);
  g->addWidget(lista, 4, 0, 1, 4);
  return frame;
}

// The Greek letters at size 12, the rest in the box's own font.
void FrmSismica::ListaPrescrizioniNew(const std::vector<std::string>& coll) {
  auto* lista = findChild<QTextEdit*>("RichTextBox1");
  if (!lista) return;
  const Sismica::TestoSimboli testo =
      Sismica::SostituisciSimboli(Sismica::TestoPrescrizioni(coll));
  QString righe = QString::fromStdString(testo.Testo);
  righe.replace("\r\n", "\n");
  lista->setPlainText(righe);
  // Positions before each CR LF count two characters; the box keeps one.
  const QString originale = QString::fromStdString(testo.Testo);
  QTextCharFormat lettera;
  lettera.setFontPointSize(12);
  for (int simbolo : testo.Simboli) {
    const int posizione = simbolo - static_cast<int>(originale.left(simbolo).count("\r\n"));
    QTextCursor cursore(lista->document());
    cursore.setPosition(posizione);
    cursore.setPosition(posizione + 1, QTextCursor::KeepAnchor);
    cursore.mergeCharFormat(lettera);
  }
}

void FrmSismica::ControllaPrescrizioni() {
  if (AggiornamentoInCorso) return;
  if (Stato.ElementoSetto != 0) {
    platform::MsgBox("Da implementare");
    return;
  }
  try {
    const bool editor = Controllo("frmStaffe").Visible();
    SvuotaCaselleRegole(editor);
    if (!DatiPerLeRegole(editor)) return;
    // Before the list is written again: no check of other inputs stays.
    SvuotaVerificheSuperate();
    if (editor) {
      ControllaStaffeSismica(nullptr);
    } else {
      Sismica::Prescrizioni coll;
      Stato.PilastroCorrente.ControlloGeometrico(*this, coll);
      ListaPrescrizioniNew(coll);
    }
  } catch (const std::exception&) {
    DatiNonLetti();
    return;
  }
  AggiornaCoefficienti();
}

void FrmSismica::AggiornaCoefficienti() {
  if (FrmCoefficienti* coefficienti = FrmCoefficienti::Aperta();
      coefficienti && coefficienti->isVisible()) {
    coefficienti->Setta();
    coefficienti->frmCoefAggiorna();
  }
}

bool FrmSismica::DatiPerLeRegole(bool editor) {
  // While the stirrup editor is open the column's boxes are locked.
  if (!editor) Stato.PilastroCorrente.MemorizzaDatiPilastri(*this);
  AzioniLeggeScrive(false);
  // The ductility boxes, shown under EC8 only, are read by its rules.
  if (VariabiliPubbliche::Stato.NormativaSismica == 1) LeggeDinamica();
  return !DatiRifiutati(true);
}

void FrmSismica::SvuotaCaselleRegole(bool soloStaffe) {
  auto svuota = [this](const char* nome, int ultima) {
    for (int i = 0; i <= ultima; ++i) {
      platform::Control& casella = Controllo(nome, i);
      casella.SetText("");
      casella.SetForeColor(platform::QBColor(0));
    }
  };
  svuota("txtOmegaWd", 2);
  svuota("TxtOmegaSt", 3);
  if (!soloStaffe) svuota("TxtRo", 1);
}

void FrmSismica::ControllaStaffeSismica(Sismica::Prescrizioni* coll) {
  if (Stato.ElementoSetto == 0) Stato.PilastroCorrente.ControlloStaffe(*this, coll);
}

void FrmSismica::cmdControlloPil_Click() { ControllaPrescrizioni(); }

// The editor's rows and pitches stored, then the stirrup rules alone.
void FrmSismica::cmdControlloPilStaffe_Click() {
  try {
    const bool editor = Controllo("frmStaffe").Visible();
    if (editor) Stato.PilastroCorrente.StaffeMemorizza(*this, FlexGridS());
    if (!DatiPerLeRegole(editor)) return;
    ControllaStaffeSismica(nullptr);
    AggiornaCoefficienti();
  } catch (const std::exception&) {
    DatiNonLetti();
  }
}
