// The main window's menu bar, the design-code choice and the items whose
// commands this window runs itself. Items whose window is not part of the
// program yet are there and disabled.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/FileImpostazioni.h"
#include "app/Main.h"
#include "app/Material.h"
#include "app/Messaggi.h"
#include "design/ProgettoSezione.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"

using VariabiliPubbliche::Stato;

namespace {

void NonDisponibile(QAction* voce) {
  voce->setProperty(platform::NonDisponibile, true);
  voce->setEnabled(false);
  voce->setToolTip(platform::MotivoNonDisponibile);
  voce->setStatusTip(platform::MotivoNonDisponibile);
}

QAction* Voce(QMenu* menu, const std::string& nome, const QString& testo, bool disponibile = true,
              const QKeySequence& tasti = {}) {
  QAction* voce = menu->addAction(testo);
  voce->setObjectName(QString::fromStdString(nome));
  voce->setShortcut(tasti);
  if (!disponibile) NonDisponibile(voce);
  return voce;
}

QMenu* Menu(QMenuBar* barra, const char* nome, const QString& titolo) {
  QMenu* menu = barra->addMenu(titolo);
  menu->setObjectName(nome);
  menu->setToolTipsVisible(true);
  return menu;
}

// A command of the bar itself, without items.
QAction* Comando(QMenuBar* barra, const char* nome, const QString& titolo, bool disponibile) {
  QAction* comando = barra->addAction(titolo);
  comando->setObjectName(nome);
  if (!disponibile) NonDisponibile(comando);
  return comando;
}

}  // namespace

void Main::CreaMenu() {
  QMenuBar* barra = menuBar();
  QMenu* file = Menu(barra, "mnufile", "&File");
  struct VoceFile {
    const char* testo;
    QKeySequence tasti;
  };
  const VoceFile vociFile[] = {{"&Nuovo", QKeySequence("Ctrl+N")},
                               {"&Apri", QKeySequence("Ctrl+F12")},
                               {"&Salva", QKeySequence("Shift+F12")},
                               {"S&alva come...", {}},
                               {"-", {}},
                               {"Stam&pa form", QKeySequence("Ctrl+Shift+F12")},
                               {"&Copia negli appunti", QKeySequence("Ctrl+C")},
                               {"-", {}},
                               {"Salva &Materiali, Unità, Par. Progetto in uso", {}},
                               {"&Esci", {}}};
  for (int i = 0; i <= 9; ++i) {
    const std::string nome = platform::NomeOggetto("MnuFileItem", i);
    if (std::string(vociFile[i].testo) == "-") {
      file->addSeparator()->setObjectName(QString::fromStdString(nome));
      continue;
    }
    const bool disponibile = i <= 3 || i >= 5;
    QAction* voce = Voce(file, nome, QString::fromUtf8(vociFile[i].testo), disponibile,
                         vociFile[i].tasti);
    connect(voce, &QAction::triggered, this, [this, i] { MnuFileItem_Click(i); });
  }

  connect(Comando(barra, "mnuMateriali", "&Materiali", true), &QAction::triggered, this,
          [this] { mnuMateriali_Click(); });

  QMenu* opzioni = Menu(barra, "mnuOpzioni", "&Opzioni");
  const char* const vociOpzioni[] = {"Unità di Misura", "Coeff. Parziale Azioni",
                                     "Calcestruzzo Reagente a Trazione",
                                     "Caratteristiche Sezione Omogeneizzata",
                                     "Caratteristiche Sezione Parzializzata"};
  for (int i = 0; i <= 4; ++i) {
    QAction* voce = Voce(opzioni, platform::NomeOggetto("mnuOpzioniItem", i),
                         QString::fromUtf8(vociOpzioni[i]));
    voce->setCheckable(i == 2);
    connect(voce, &QAction::triggered, this, [this, i] { mnuOpzioniItem_Click(i); });
  }

  QAction* soloBarre = Comando(barra, "mnuSoloBarre", "Solo Barre", true);
  soloBarre->setCheckable(true);
  connect(soloBarre, &QAction::triggered, this, [this] { mnuSoloBarre_Click(); });

  QMenu* vista = Menu(barra, "mnuVisualizza", "&Visualizza");
  struct Vista {
    const char* nome;
    const char* testo;
    int* flag;
  };
  const Vista vociVista[] = {
      {"mnuVisTensioni", "Visualizza Tensioni Barre", &Stato.VisTensioniBarre},
      {"mnuVisTensioniCls", "Visualizza Tensioni Calcestruzzo", &Stato.VisTensioniCls},
      {"mnuVisRettang", "Visualizza Discretizzazione", &Stato.VisRettangoli},
      {"mnuVisAssi", "Visualizza Assi x-y", &Stato.VisAssi},
      {"mnuVisAssiNeutri", "Visualizza Assi Neutri Successivi", &Stato.VisAssiNeutri}};
  for (const Vista& v : vociVista) {
    QAction* voce = Voce(vista, v.nome, v.testo);
    voce->setCheckable(true);
    connect(voce, &QAction::triggered, this, [this, v] { VoceVista(v.nome, *v.flag); });
  }

  connect(Comando(barra, "mnu_Progetto", "&Progetto Sez. Rett.", true), &QAction::triggered,
          this, [this] { mnu_Progetto_Click(); });
  Comando(barra, "MnuSismica", "&Sismica", true);

  QMenu* normativa = Menu(barra, "NormativaMain", "&Normativa");
  const char* const codici[] = {"NTC 2018", "DM 1996", "NTC 2018 - Strutture esistenti"};
  for (int i = 0; i <= 2; ++i) {
    QAction* voce = Voce(normativa, platform::NomeOggetto("NormativaItem", i), codici[i]);
    voce->setCheckable(true);
    connect(voce, &QAction::triggered, this, [this, i] { NormativaItem_Click(i); });
  }

  QMenu* aiuto = Menu(barra, "Aiuto", "&?");
  const char* const vociAiuto[] = {"&Aiuto", "&Files di esempio", "&Informazioni"};
  for (int i = 0; i <= 2; ++i) {
    QAction* voce = Voce(aiuto, platform::NomeOggetto("mnuAiutoItem", i), vociAiuto[i]);
    connect(voce, &QAction::triggered, this, [this, i] { mnuAiutoItem_Click(i); });
  }
}

void Main::VoceVista(const std::string& nome, int& flag) {
  platform::Control& voce = Controllo(nome);
  flag = voce.Checked() ? 1 : 0;
}

void Main::MnuFileItem_Click(int Index) {
  try {
    if (Index <= 3) MnuFileProgetto(Index);
    if (Index == 5) StampaForm();
    if (Index == 6) Messaggi::MessaggioCopiaAppunti();
    if (Index == 8) {
      const Material::InVigore inVigore;
      CaricaMateriali();
      FileImpostazioni::FileIniLeggeScrive("S");
    }
    if (Index == 9) Esci();
  } catch (const std::exception&) {
    MessaggioErroreDati();
  }
}

void Main::mnuSoloBarre_Click() {
  Stato.SoloBarre = Stato.SoloBarre ? 0 : 1;
  Controllo("mnuSoloBarre").SetChecked(Stato.SoloBarre != 0);
  SoloBarreControlli();
}

void Main::NormativaItem_Click(int Index) {
  Material::ScartaModifiche();
  VariabiliPubbliche::ApplicaNormativa(Index, *this);
  Controllo("TxtFcd").SetText(VariabiliPubbliche::FormattaValore(Stato.Fcd));
  Controllo("F_eps_su", 0).SetText(Formattazione::TestoNumero(Stato.EpsSu * 1000));
  Controllo("F_fyd", 0).SetText(VariabiliPubbliche::FormattaValore(Stato.Fyd[0]));
  EtichetteNormativa();
  Material::Ricarica();
  ProgettoSezione::NormativaScelta();
}

void Main::EtichetteNormativa() {
  const bool esistenti = Stato.Normativa == 2;
  Controllo("Label21", 0).SetCaption(esistenti ? "y" : "yd");
  Controllo("Label6", 6).SetCaption(esistenti ? "sy" : "syd");
  Controllo("Label23").SetCaption(esistenti ? "c" : "cd");
  Controllo("Label17").SetCaption(esistenti ? "c" : "cd");
  if (esistenti) Messaggi::MessaggioStruttureEsistenti();
}
