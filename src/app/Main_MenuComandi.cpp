// Commands of the options, materials and help menus, the toolbar, and the
// print of the window.
#include <QStyle>
#include <QToolBar>

#include "app/FileImpostazioni.h"
#include "app/FinestreRisultati.h"
#include "app/FrmAiuto.h"
#include "app/FrmInfor.h"
#include "app/Main.h"
#include "app/Material.h"
#include "app/StampaFinestra.h"
#include "app/frmUnits.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Twips.h"
#include "platform/qt/ControlQt.h"

using VariabiliPubbliche::Stato;

namespace {

constexpr int MaterialiSopra = 800;  // twips
constexpr int MaterialiSinistra = 800;

}  // namespace

void Main::CreaToolbar() {
  QToolBar* barra = addToolBar("ToolbarUp");
  barra->setObjectName("ToolbarUp");
  barra->setMovable(false);
  // No pop-up that hides the toolbar: the Menu key and a right click on the
  // window offer nothing, a box's own editing menu stays.
  setContextMenuPolicy(Qt::NoContextMenu);
  struct Pulsante {
    const char* chiave;
    const char* suggerimento;
    QStyle::StandardPixmap immagine;
    int voce;  // the File item it stands for
  };
  const Pulsante pulsanti[] = {{"New", "File Nuovo", QStyle::SP_FileIcon, 0},
                               {"Open", "Apri", QStyle::SP_DialogOpenButton, 1},
                               {"Save", "Salva", QStyle::SP_DialogSaveButton, 2},
                               {"Print", "Stampa", QStyle::SP_ComputerIcon, 5}};
  for (const Pulsante& p : pulsanti) {
    QAction* pulsante = barra->addAction(style()->standardIcon(p.immagine), p.suggerimento);
    pulsante->setObjectName(p.chiave);
    const std::string chiave = p.chiave;
    connect(pulsante, &QAction::triggered, this, [this, chiave] { ToolbarUp_ButtonClick(chiave); });
    // A button is usable exactly when its menu item is.
    QAction* voce = findChild<QAction*>(QString::fromStdString(platform::NomeOggetto("MnuFileItem", p.voce)));
    pulsante->setProperty(platform::NonDisponibile, voce->property(platform::NonDisponibile));
    pulsante->setEnabled(voce->isEnabled());
    pulsante->setToolTip(voce->isEnabled() ? p.suggerimento : voce->toolTip());
    connect(voce, &QAction::enabledChanged, pulsante, &QAction::setEnabled);
  }
}

void Main::ToolbarUp_ButtonClick(const std::string& Key) {
  if (Key == "New") MnuFileItem_Click(0);
  if (Key == "Open") MnuFileItem_Click(1);
  if (Key == "Save") MnuFileItem_Click(2);
  if (Key == "Print") MnuFileItem_Click(5);
}

void Main::StampaForm() {
  // A cell being typed is printed in its cell, not in the editor over it.
  ChiudiEditori(true);
  Generale::StampaFinestra(*centralWidget());
}

void Main::mnuMateriali_Click() {
  Material& finestra = Material::Mostra();
  finestra.move(platform::PixelDaTwips(MaterialiSinistra), platform::PixelDaTwips(MaterialiSopra));
}

void Main::mnuOpzioniItem_Click(int Index) {
  switch (Index) {
    case 0:
    case 1: frmUnits::Mostra(Index); break;
    case 2: {
      platform::Control& voce = Controllo("mnuOpzioniItem", 2);
      Stato.ClsReagenteTrazione = voce.Checked();
      break;
    }
    case 3:
      try {
        if (FormLeggeDati(true)) FinestreRisultati::MostraCarSez(0, {});
      } catch (const std::exception&) {
        MessaggioErroreDati();
      }
      break;
    case 4:
      FinestreRisultati::MostraCarSez(1, [this] {
        btnCalcola_Click();
        return !DatiErrati;
      });
      break;
    default: break;
  }
}

void Main::mnuAiutoItem_Click(int Index) {
  switch (Index) {
    case 0: FrmAiuto::Mostra(FrmAiuto::Indice); break;
    case 1: ApriEsempio(); break;
    case 2: {
      FrmInfor informazioni(this);
      informazioni.exec();
      break;
    }
    default: break;
  }
}
