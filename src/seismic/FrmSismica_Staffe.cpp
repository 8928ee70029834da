// The stirrup editor: the stirrups of the current end section in a grid, one
// row per stirrup (diameter, then the bars it turns round), edited in place
// with a floating text box; outer hoops, inner stirrups and generic ones
// added, rows deleted, and the whole confirmed or cancelled.
#include <exception>
#include <functional>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "drawing/MsFlex.h"
#include "model/Formato.h"
#include "model/GeneraleTesto.h"
#include "model/VariabiliPubbliche.h"
#include "platform/InputBox.h"
#include "platform/MsgBox.h"
#include "platform/Tasti.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/FlexGridQt.h"
#include "platform/qt/SchermoQt.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

namespace {

constexpr int Ok = 0, Annulla = 1, Esterna = 2, Elimina = 3, Generica = 4, Interna = 5;
constexpr int ColonnaDiametro = 1;

// The grid's focus and size changes, handed to the window.
class OsservaGriglia : public QObject {
 public:
  OsservaGriglia(QObject* griglia, std::function<void()> fuoco, std::function<void()> misura)
      : QObject(griglia), fuoco_(std::move(fuoco)), misura_(std::move(misura)) {
    griglia->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* evento) override {
    if (evento->type() == QEvent::FocusIn) fuoco_();
    if (evento->type() == QEvent::Resize) misura_();
    return false;
  }

 private:
  std::function<void()> fuoco_;
  std::function<void()> misura_;
};

// A number typed in a cell as the window writes it; a text that is no number
// stays as typed, for the reading of the row to refuse.
std::string Numero(const std::string& testo) {
  const std::optional<double> valore = Generale::NumeroCasella(testo);
  return valore ? Formattazione::TestoNumero(*valore) : testo;
}

// Columns share the grid's width, the first one half as wide; the current
// cell stays where it was.
void Larghezze(platform::FlexGrid& g) {
  const int riga = g.Row(), colonna = g.Col();
  VariabiliPubbliche::DimensionaGriglia(g, g.Cols() - 1, g.Rows() - 1, 0.5);
  g.SetRow(riga);
  g.SetCol(colonna);
}

// A new last row holding the record, numbered; its index.
int RigaAggiungi(platform::FlexGrid& g, const Vettore<float>& staffa) {
  g.SetRows(g.Rows() + 1);
  const int r = g.Rows() - 1;
  for (int k = 1; k <= Sismica::Pilastro::CampiStaffa; ++k)
    g.SetTextMatrix(r, k, Formattazione::TestoNumero(staffa(k)));
  g.SetTextMatrix(r, 0, std::to_string(r));
  MsFlex::AllineaCelle(g, platform::AllineamentoCentroCentro);
  return r;
}

}  // namespace

platform::FlexGrid& FrmSismica::FlexGridS() { return grigliaS_->Griglia(); }

platform::CasellaTesto& FrmSismica::TxtEdit() { return *txtEditS_; }

QWidget* FrmSismica::CreaGrigliaStaffe() {
  // The editor floats over the cells: a sibling of the grid, outside the layout.
  auto* area = new QWidget;
  auto* v = new QVBoxLayout(area);
  v->setContentsMargins(0, 0, 0, 0);
  grigliaS_ = new platform::FlexGridQt(area);
  grigliaS_->setObjectName(QString::fromStdString(platform::NomeOggetto("FlexGridS", 1)));
  grigliaS_->setMinimumHeight(140);
  v->addWidget(grigliaS_);
  txtEditS_ = new platform::CasellaTestoQt(area);
  txtEditS_->setObjectName(QString::fromStdString(platform::NomeOggetto("TxtEdit", 1)));
  txtEditS_->setFrame(false);
  txtEditS_->setStyleSheet("background-color: #FFC0C0;");
  txtEditS_->hide();
  return area;
}

void FrmSismica::CollegaStaffe() {
  auto pulsante = [this](const std::string& nome, int indice = platform::SenzaIndice) {
    return findChild<QAbstractButton*>(QString::fromStdString(platform::NomeOggetto(nome, indice)));
  };
  connect(pulsante("StaffePilDef"), &QAbstractButton::clicked, this, [this] { StaffePilDef_Click(); });
  const char* const suggerimenti[] = {"Esce e salva le modifiche", "Esce senza salvare le modifiche",
                                      "Aggiungi Staffa Esterna", "Elimina la staffa evidenziata",
                                      "Aggiungi Staffa Generica"};
  for (int i = Ok; i <= Interna; ++i) {
    QAbstractButton* b = pulsante("cmdStaffe", i);
    if (i < Interna) b->setToolTip(suggerimenti[i]);
    connect(b, &QAbstractButton::clicked, this, [this, i] { cmdStaffe_Click(i); });
  }
  grigliaS_->Click = [this] { FlexGridS_Click(); };
  grigliaS_->KeyPress = [this](int carattere) { FlexGridS_KeyPress(carattere); };
  new OsservaGriglia(
      grigliaS_, [this] { FlexGridS_GotFocus(); },
      [this] {
        // After the grid has taken its new size.
        QTimer::singleShot(0, grigliaS_, [this] {
          platform::FlexGrid& g = FlexGridS();
          Larghezze(g);
          if (txtEditS_->Visible())
            txtEditS_->Move(g.Left() + g.CellLeft(), g.Top() + g.CellTop(), g.CellWidth(),
                            g.CellHeight());
        });
      });
  txtEditS_->KeyDown = [this](int& codice, int shift) { TxtEdit_KeyDown(codice, shift); };
  txtEditS_->GotFocus = [] { MsFlex::TxtEditEntra(); };
  txtEditS_->LostFocus = [] { MsFlex::TxtEditEsce(); };
}

// The column's data stay as they are while its stirrups are edited.
void FrmSismica::AbilitaDatiPilastro(bool abilita) {
  for (const char* nome : {"Frame1", "frmTipoPilastro", "cmdCopiaSezione"})
    Controllo(nome).SetEnabled(abilita);
  Controllo("PilastroFrm", 0).SetEnabled(abilita);
}

void FrmSismica::StaffePilDef_Click() {
  try {
    Sismica::Pilastro& p = Stato.PilastroCorrente;
    // Bar counts typed since the last store decide which stirrups exist.
    p.MemorizzaDatiPilastri(*this);
    AbilitaDatiPilastro(false);
    const bool inferiore = p.SezioneInferiore;
    if (auto* passo = findChild<QWidget*>("PilastroTxt_14"))
      passo->setToolTip(inferiore ? "Passo staffe nella zona critica inferiore del Pilastro"
                                  : "Passo staffe nella zona critica superiore del Pilastro");
    platform::Control& frame = Controllo("frmStaffe");
    frame.SetCaption(inferiore ? "Staffe nella Sezione Inferiore del Pilastro"
                               : "Staffe nella Sezione Superiore del Pilastro");
    frame.SetVisible(true);
    platform::AdattaAlContenuto(*this);
    StaffeInVista();
    RecuperaPassoStaffePilastri(inferiore);
    p.StaffeMemorizzaTmp(false);
    p.StaffePilastroVisualizza(FlexGridS());
    Larghezze(FlexGridS());
    txtEditS_->SetVisible(false);
    StaffaGenericaInCorso = false;
    Figura_Click();
    ControllaPrescrizioni();
    Controllo("lblErroreSt").SetVisible(false);
  } catch (const std::exception&) {
    DatiNonLetti();
  }
}

void FrmSismica::cmdStaffe_Click(int Index) {
  StaffeControlliSetta(true);
  try {
    switch (Index) {
      case Ok:
        if (StaffeOk()) ControllaPrescrizioni();
        break;
      case Annulla:
        StaffeAnnulla();
        ControllaPrescrizioni();
        break;
      case Esterna:
      case Interna:
        if (StaffaAggiungi(Index)) ControllaPrescrizioni();
        break;
      case Generica: StaffaGenericaAggiungi(); break;
      case Elimina:
        StaffaElimina();
        ControllaPrescrizioni();
        break;
      default: break;
    }
  } catch (const std::exception&) {
    DatiNonLetti();
  }
}

// Every row must pass its checks before the stirrups are stored and the
// editor closes: a refused row is shown and becomes the current one.
bool FrmSismica::StaffeOk() {
  FlexGridS_LeaveCell();
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  platform::FlexGrid& g = FlexGridS();
  const Matrice<float> staffe = Sismica::Pilastro::StaffeDaGriglia(g);
  for (int r = 1; r <= staffe.Righe(); ++r)
    if (!p.StaffaMemorizzaControllo(staffe, r, *this)) {
      g.SetRow(r);
      return false;
    }
  p.StaffeMemorizza(*this, g);
  StaffeChiudi();
  Figura_Click();
  return true;
}

bool FrmSismica::ConfermaEditorStaffe() {
  if (!Controllo("frmStaffe").Visible()) return true;
  cmdStaffe_Click(0);
  return !Controllo("frmStaffe").Visible();
}

void FrmSismica::StaffeChiudi() {
  AbilitaDatiPilastro(true);
  txtEditS_->SetVisible(false);
  StaffaGenericaInCorso = false;
  Controllo("frmStaffe").SetVisible(false);
  platform::AdattaAlContenuto(*this);
}

void FrmSismica::StaffeInVista() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  // The picture's command last, then the editor's top, which wins when both
  // cannot be in sight.
  scorrimento_->ensureWidgetVisible(findChild<QWidget*>("cmdPlotta"), 0, 0);
  scorrimento_->ensureWidgetVisible(findChild<QWidget*>("frmStaffe"), 0, 0);
}

void FrmSismica::StaffeAnnulla() {
  StaffeChiudi();
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  p.StaffeMemorizzaTmp(true);
  RecuperaPassoStaffePilastri(p.SezioneInferiore);
  Figura_Click();
}

bool FrmSismica::StaffaAggiungi(int Index) {
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  if (Index == Interna && (p.nBarreBase() < 3 || p.nBarreAltezza() < 3)) {
    platform::MsgBox(
        "Numero barre insufficienti per creare una staffa interna.\r\n"
        "Devono essere presenti almeno tre barre per lato.",
        platform::Pulsanti::Ok, platform::Icona::Informazione);
    return false;
  }
  const std::string diametro = platform::InputBox("Diametro", "Diametro staffa", "8");
  if (diametro.empty()) return false;
  Figura_Click();
  Vettore<float> staffa(1, Sismica::Pilastro::CampiStaffa);
  if (Index == Esterna)
    p.StaffaEsterna(staffa);
  else
    p.StaffaInterna(staffa);
  const Generale::RifiutaNumeriNonValidi rifiuta;
  staffa(ColonnaDiametro) = static_cast<float>(Generale::ValNumero(diametro));
  return StaffaMemorizza(RigaAggiungi(FlexGridS(), staffa));
}

void FrmSismica::StaffaGenericaAggiungi() {
  Figura_Click();
  platform::FlexGrid& g = FlexGridS();
  const int r = RigaAggiungi(g, Vettore<float>(1, Sismica::Pilastro::CampiStaffa));
  g.SetRow(r);
  g.SetCol(ColonnaDiametro);
  MsFlex::ModificaCella(g, *txtEditS_, 0);
  StaffaGenericaInCorso = true;
  UltimaColonnaStaffa = 0;
}

void FrmSismica::StaffaElimina() {
  txtEditS_->SetVisible(false);
  platform::FlexGrid& g = FlexGridS();
  if (g.Row() == 0) return;
  if (g.Rows() == 2)
    g.SetRows(1);
  else
    MsFlex::EliminaRigaGriglia(g, g.Row());
  StaffaGenericaInCorso = false;
  Stato.PilastroCorrente.StaffeMemorizza(*this, g);
  Figura_Click();
}

// Row riga checked, and stored with every other acceptable row when it passes.
bool FrmSismica::StaffaMemorizza(int riga) {
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  platform::FlexGrid& g = FlexGridS();
  const bool ok = p.StaffaMemorizzaControllo(Sismica::Pilastro::StaffeDaGriglia(g), riga, *this);
  if (ok) {
    p.StaffeMemorizza(*this, g);
    FiguraStaffa(riga, true, false);
    ControllaPrescrizioni();
  }
  g.SetRow(riga);
  StaffaGenericaInCorso = false;
  return ok;
}

// The row of the cell is checked and stored with the others when it passes;
// a generic stirrup ends there.
bool FrmSismica::StaffaCellaConferma() {
  if (!Controllo("frmStaffe").Visible() || !txtEditS_->Visible()) return false;
  FlexGridS_LeaveCell();
  const int riga = FlexGridS().Row();
  try {
    return riga >= 1 && StaffaMemorizza(riga);
  } catch (const std::exception&) {
    DatiNonLetti();
    return true;  // told: no picture of rows not read
  }
}

void FrmSismica::FlexGridS_Click() {
  MsFlex::ModificaCella(FlexGridS(), *txtEditS_, 0);
  FiguraStaffa(FlexGridS().Row(), false, false);
}

void FrmSismica::FlexGridS_KeyPress(int KeyAscii) {
  MsFlex::ModificaCella(FlexGridS(), *txtEditS_, KeyAscii);
}

void FrmSismica::FlexGridS_GotFocus() {
  if (!txtEditS_->Visible()) return;
  FlexGridS().SetText(Numero(txtEditS_->Text()));
  // Hidden with the focus, the editor would take the keys unseen.
  if (txtEditS_->hasFocus()) FlexGridS().SetFocus();
  txtEditS_->SetVisible(false);
}

void FrmSismica::FlexGridS_LeaveCell() {
  FlexGridS_GotFocus();
  platform::FlexGrid& g = FlexGridS();
  if (g.Row() >= 1 && g.Col() >= 1) g.SetText(Numero(g.Text()));
}

void FrmSismica::TxtEdit_KeyDown(int& KeyCode, int Shift) {
  try {
    platform::FlexGrid& g = FlexGridS();
    const int r0 = g.Row(), c0 = g.Col();
    const bool invio = KeyCode == platform::TastoInvio || KeyCode == platform::TastoTab;
    if (invio && c0 == g.Cols() - 1) {
      // At the last column the text is stored and the cell stays current.
      KeyCode = platform::TastoInvio;
      FlexGridS_LeaveCell();
      g.SetFocus();
    } else {
      MsFlex::TxtEditKeyDown(g, *txtEditS_, KeyCode, Shift, nullptr, true);
    }
    if (KeyCode != platform::TastoInvio) return;
    g.SetTextMatrix(r0, c0, Numero(g.TextMatrix(r0, c0)));
    const int c = g.Col(), r = g.Row();
    if (c == g.Cols() - 1 && UltimaColonnaStaffa == c) {
      Figura_Click();
      StaffaMemorizza(r);
    } else if (c >= 2 && !StaffaGenericaInCorso) {
      // A stored row is drawn highlighted; a refused one leaves the plain
      // picture. The editor stays open on the cell Enter moved to.
      InvioInCorso = true;
      if (!StaffaMemorizza(r)) {
        Figura_Click();
        ControllaPrescrizioni();
      }
    } else if (c >= 4 && StaffaGenericaInCorso) {
      UltimaColonnaStaffa = c;
      if (g.TextMatrix(r, c - 1) != txtEditS_->Text()) {
        FiguraStaffa(r, false, true);
      } else if (txtEditS_->Text() == "0") {
        Figura_Click();
        ControllaPrescrizioni();
        StaffaMemorizza(r);
      }
    }
  } catch (const std::exception&) {
    DatiNonLetti();
  }
  InvioInCorso = false;
}
