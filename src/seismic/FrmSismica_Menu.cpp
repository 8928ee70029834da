// The seismic window's menus: the project file, the seismic code and
// ductility class, capacity design and help.
#include <exception>

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

#include "app/Generale.h"
#include "app/FiguraSezione.h"
#include "app/GeneraleFile.h"
#include "app/Main.h"
#include "app/Messaggi.h"
#include "app/ProgettoFile.h"
#include "app/StampaFinestra.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/FileDialogQt.h"
#include "seismic/FrmCoefficienti.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

namespace {

constexpr const char* PrefissoCaption = "Verifica Sismica Pilastri - File: ";

// Captions of the code menu by item; item 2 is a separator.
constexpr const char* Normative[] = {"NTC 2008 - CD\"A\"", "NTC 2008 - CD\"B\"", "",
                                     "EC8 2005 - DCH", "EC8 2005 - DCM"};

QAction* Voce(QMenu* menu, const std::string& nome, int indice, const char* testo) {
  QAction* voce = menu->addAction(QString::fromUtf8(testo));
  voce->setObjectName(QString::fromStdString(platform::NomeOggetto(nome, indice)));
  return voce;
}

Main* FinestraMain() { return dynamic_cast<Main*>(Finestre::Aperte.Main); }

// The seismic window as the owner of the project file: only its caption.
class FinestraCaption : public Generale::FinestraFile {
 public:
  explicit FinestraCaption(QWidget& finestra) : finestra_(finestra) {}
  bool FileLeggeScrive(Generale::FileDati&, const std::string&) override { return false; }
  void ImpostaCaption(const std::string& caption) override {
    finestra_.setWindowTitle(QString::fromStdString(caption));
  }
  std::string PrefissoCaption() const override { return ::PrefissoCaption; }

 private:
  QWidget& finestra_;
};

}  // namespace

void FrmSismica::CreaMenu() {
  auto* barra = new QMenuBar(this);
  layout()->setMenuBar(barra);
  QMenu* file = barra->addMenu("&File");
  file->setObjectName("mnufile");
  const char* const vociFile[] = {"&Nuovo", "&Apri", "Salva", "&Salva come...", "-",
                                  "Stam&pa form", "&Copia negli Appunti", "-",
                                  "Esporta Sezione in &Tramok", "&Esci"};
  for (int i = 0; i <= 9; ++i) {
    if (std::string(vociFile[i]) == "-") {
      file->addSeparator()->setObjectName(
          QString::fromStdString(platform::NomeOggetto("mnufileitem", i)));
      continue;
    }
    connect(Voce(file, "mnufileitem", i, vociFile[i]), &QAction::triggered, this,
            [this, i] { mnufileitem_Click(i); });
  }

  QMenu* normativa = barra->addMenu("Normativa");
  normativa->setObjectName("MnuVerifica");
  for (int i = 0; i <= 4; ++i) {
    if (i == 2) {
      normativa->addSeparator()->setObjectName("MnuVerificaitem_2");
      continue;
    }
    QAction* voce = Voce(normativa, "MnuVerificaitem", i, Normative[i]);
    voce->setCheckable(true);
    connect(voce, &QAction::triggered, this, [this, i] { MnuVerificaitem_Click(i); });
  }

  QAction* capacity = barra->addAction("&Capacity Design");
  capacity->setObjectName("mnuCapacityDesign");
  connect(capacity, &QAction::triggered, this, [this] { mnuCapacityDesign_Click(); });

  QMenu* aiuto = barra->addMenu("&?");
  aiuto->setObjectName("mnuAiuto");
  const char* const vociAiuto[] = {"&Aiuto", "&Files di esempio", "&Informazioni"};
  for (int i = 0; i <= 2; ++i)
    connect(Voce(aiuto, "mnuAiutoItem", i, vociAiuto[i]), &QAction::triggered, this,
            [this, i] { mnuAiutoItem_Click(i); });
}

void FrmSismica::ImpostaCaption() {
  setWindowTitle(QString::fromStdString(PrefissoCaption + ProgettoFile::Stato.NomeFileProgetto));
}

void FrmSismica::mnufileitem_Click(int Index) {
  Main* main = FinestraMain();
  try {
    switch (Index) {
      case 0: {
        if (main && !main->ConfermaAbbandono()) return;
        // Filled muted, so that the old boxes are not stored into the new
        // column; then its bottom end is chosen and checked.
        Stato.PilastroCorrente = Sismica::Pilastro{};
        AggiornamentoInCorso = true;
        CaricaValoriFormSismica();
        AggiornamentoInCorso = false;
        MostraSezioneInferiore();
        FinestraCaption finestra(*this);
        platform::FileDialogQt dialogo;
        auto& p = ProgettoFile::Stato;
        // A new column is no longer the file it replaced: Salva asks for a name.
        p.NomeFileProgetto.clear();
        Generale::ApriSalvaFile(Generale::FileNuovo, ProgettoFile::TipoFileProgetto,
                                p.NomeFileProgetto, p.PercorsoProgetto,
                                ProgettoFile::EstensioneProgetto, dialogo, finestra,
                                PrefissoCaption);
        // Nor does the main window's title name the file left.
        if (main) main->setWindowTitle(QString::fromStdString(main->FormCaption));
        // The new column starts an unchanged project.
        if (main) main->RegistraProgetto();
        findChild<QWidget*>("txtTitolo")->setFocus();
        return;
      }
      case 1:
        if (!main) return;
        main->ApriFileDati(VariabiliPubbliche::Stato.CartellaDati);
        break;
      case 2:
      case 3:
        // The stirrups being edited are saved too, once they pass their checks.
        // The main window's save stores this window first.
        if (main) main->MnuFileItem_Click(Index);
        break;
      case 5: {
        figura_->repaint();
        // The form without its menu bar, whole where the screen scrolls it.
        auto* area = findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
        Generale::StampaFinestra(area && area->widget() ? *area->widget() : *this);
        return;
      }
      case 6: Messaggi::MessaggioCopiaAppunti(); return;
      case 8:
        if (Stato.ElementoSetto == 0) Stato.PilastroCorrente.MemorizzaDatiPilastri(*this);
        // The main window would calculate what has no meaning here; a size
        // of 0 it refuses itself, and the storey is not exported.
        AzioniLeggeScrive(false);
        Figura_Click();
        if (DatiRifiutati(true)) return;
        EsportaSezioneInMain();
        VariabiliPubbliche::Stato.AngoloFlessione = 0;
        return;
      case 9:
        if (main)
          main->Esci();
        else
          Generale::ChiudiProgramma();
        return;
      default: return;
    }
  } catch (const std::exception&) {
    AggiornamentoInCorso = false;
    Messaggi::MessaggioErroreDati();
    return;
  }
  ImpostaCaption();
}

void FrmSismica::MnuVerificaitem_Click(int Index) {
  for (int i : {0, 1, 3, 4}) Controllo("MnuVerificaitem", i).SetChecked(i == Index);
  const int normativa = Index <= 1 ? 0 : 1;
  const int media = Index == 1 || Index == 4 ? 1 : 0;
  // The item in force, as the window is filled or chosen again, changes no
  // curvature ductility the engineer typed.
  const bool cambiata =
      normativa != VariabiliPubbliche::Stato.NormativaSismica || media != Stato.DuttilitaMedia;
  VariabiliPubbliche::Stato.NormativaSismica = normativa;
  // The basic behaviour factor of frames is 4.5 or 3.0 times alpha_u/alpha_1
  // = 1.3 by class.
  if (media != Stato.DuttilitaMedia) Stato.FattoreStrutturaQ0 = media == 1 ? 3.9 : 5.85;
  Stato.DuttilitaMedia = media;
  Controllo("MnuVerifica").SetCaption(std::string("Normativa: ") + Normative[Index]);
  if (Index >= 3) FrmCoefficienti::CalcolaMuFi(cambiata);
  // The coefficients of this code shown before the rules read them; the
  // q0 of the class is shown under NTC too, so that no store of the
  // ductility boxes brings back that of the class before.
  if (FrmCoefficienti* coefficienti = FrmCoefficienti::Aperta();
      coefficienti && coefficienti->isVisible())
    coefficienti->Form_Load();
  MostraDinamica();
  AggiornaControlliNormativa();
  ControllaPrescrizioni();
}

void FrmSismica::AggiornaControlliNormativa() {
  const bool ec8 = VariabiliPubbliche::Stato.NormativaSismica == 1;
  Controllo("fraAst").SetVisible(!ec8);
  Controllo("StaffaLbl", 1).SetCaption(ec8 ? "wd" : "st");
  for (int i = 0; i <= 1; ++i) Controllo("chkPianiInf", i).SetVisible(ec8);
  Controllo("Frame6").SetVisible(ec8);
  Controllo("mnuCapacityDesign").SetVisible(ec8);
}

// As the window opens: the bottom end current, its shared boxes enabled,
// the unit and the picture of the column read.
void FrmSismica::MostraProgettoLetto() {
  AggiornamentoInCorso = true;
  CaricaValoriFormSismica();
  AggiornamentoInCorso = false;
  AggiornaUnitaSismica();
  MostraSezioneInferiore();
  if (FrmCoefficienti* coefficienti = FrmCoefficienti::Aperta();
      coefficienti && coefficienti->isVisible())
    coefficienti->Form_Load();
}

void FrmSismica::mnuAiutoItem_Click(int Index) {
  Main* main = FinestraMain();
  if (!main) return;
  main->mnuAiutoItem_Click(Index);
}

// However the project was opened, here or in the main window.
void FrmSismica::ProgettoLetto() {
  try {
    DatiMostrati([this] { MostraProgettoLetto(); });
    ImpostaCaption();
  } catch (const std::exception&) {
    AggiornamentoInCorso = false;
    Messaggi::MessaggioErroreDati();
  }
}
