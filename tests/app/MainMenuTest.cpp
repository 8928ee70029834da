// The main window's menus, toolbar and DXF command, used as a user would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinterInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <regex>

#include "FinestraConDialogo.h"
#include "Schermata.h"
#include "app/FrmAiuto.h"
#include "app/FrmImportDXF.h"
#include "app/ImportaDxf.h"
#include "app/Material.h"
#include "app/FinestreRisultati.h"
#include "app/FrmCarSez.h"
#include "app/frmAvvisi.h"
#include "app/frmUnits.h"
#include "doppi/StampaPdf.h"
#include "model/VariabiliPubbliche.h"
#include "platform/FileDialogScriptato.h"
#include "platform/qt/ControlQt.h"
#include "seismic/FrmSismica.h"

using VariabiliPubbliche::Stato;

namespace {

QAction* Azione(FinestraMain& f, const QString& nome) { return f.main->findChild<QAction*>(nome); }

// The window with one of its menus open, the menu drawn where it shows.
void SchermataConMenu(FinestraMain& f, const char* menu, const QString& nome) {
  QMenu* m = f.main->findChild<QMenu*>(menu);
  f.main->menuBar()->setActiveAction(m->menuAction());
  QApplication::processEvents();
  QPixmap immagine = f.main->grab();
  if (m->isVisible()) {
    QPainter pittore(&immagine);
    pittore.drawPixmap(f.main->mapFromGlobal(m->pos()), m->grab());
  }
  QDir cartella(QCoreApplication::applicationDirPath());
  cartella.mkpath("screenshots");
  immagine.save(cartella.filePath("screenshots/" + nome + ".png"));
  m->hide();
}

}  // namespace

TEST(MenuMain, EveryItemIsUsableOrTellsWhyNot) {
  FinestraMain f;
  SchermataConMenu(f, "mnuOpzioni", "Main_menu");
  for (QAction* voce : f.main->findChildren<QAction*>()) {
    if (voce->isSeparator() || voce->objectName().isEmpty()) continue;
    const bool mancante = voce->property(platform::NonDisponibile).toBool();
    EXPECT_EQ(voce->isEnabled() || mancante, true) << voce->objectName().toStdString();
    if (mancante) {
      EXPECT_EQ(voce->toolTip(), platform::MotivoNonDisponibile) << voce->objectName().toStdString();
    }
  }
  for (const char* nome : {"MnuFileItem_5", "MnuFileItem_6", "MnuFileItem_8", "MnuFileItem_9",
                           "mnuMateriali", "mnuOpzioniItem_0", "mnuOpzioniItem_1",
                           "mnuOpzioniItem_2", "mnuSoloBarre", "mnuAiutoItem_0", "mnuAiutoItem_1",
                           "mnuAiutoItem_2"})
    EXPECT_TRUE(Azione(f, nome)->isEnabled()) << nome;
  EXPECT_FALSE(f.main->findChild<QAbstractButton*>("cmdDXF")->property(platform::NonDisponibile).toBool());

  // The toolbar's buttons follow their File items.
  auto* barra = f.main->findChild<QToolBar*>("ToolbarUp");
  ASSERT_NE(barra, nullptr);
  EXPECT_EQ(barra->actions().size(), 4);
  QAction* stampa = barra->findChild<QAction*>("Print");
  ASSERT_NE(stampa, nullptr);
  EXPECT_TRUE(stampa->isEnabled());
  EXPECT_EQ(stampa->toolTip(), "Stampa");
  EXPECT_EQ(barra->findChild<QAction*>("New")->isEnabled(), Azione(f, "MnuFileItem_0")->isEnabled());
  QContextMenuEvent menu(QContextMenuEvent::Keyboard, barra->rect().center());  // the Menu key
  QApplication::sendEvent(barra, &menu);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // over the toolbar: no pop-up of it
}

TEST(MenuMain, OptionAndViewMarksTurnTheirFlagsOnAndBack) {
  FinestraMain f;
  QAction* cls = Azione(f, "mnuOpzioniItem_2");
  EXPECT_FALSE(Stato.ClsReagenteTrazione);
  cls->trigger();
  EXPECT_TRUE(Stato.ClsReagenteTrazione);
  EXPECT_TRUE(cls->isChecked());
  cls->trigger();
  EXPECT_FALSE(Stato.ClsReagenteTrazione);
  EXPECT_FALSE(cls->isChecked());

  QAction* assi = Azione(f, "mnuVisAssi");
  EXPECT_TRUE(assi->isChecked());
  assi->trigger();
  EXPECT_EQ(Stato.VisAssi, 0);
  assi->trigger();
  EXPECT_EQ(Stato.VisAssi, 1);
}

// "Stampa form" and the toolbar's "Stampa" as a user starts them: the print
// dialog on the program's printer, the form's texts as texts on the page.
TEST(MenuMain, StampaFormAndThePrintButtonPrintTheFormToThePdfChosen) {
  FinestraMain f;
  f.C("txtTitolo").SetText("Trave di prova");
  f.ambiente.box.Svuota();
  StampaPdf carta;
  Azione(f, "MnuFileItem_5")->trigger();
  EXPECT_EQ(carta.Pagine(), 1);
  const QString testo = carta.Testo();
  for (const char* atteso : {"Trave di prova", "Tipo Sezione", "Rettan.re", "Calcola MRd"})
    EXPECT_TRUE(testo.contains(atteso)) << atteso << "\n" << testo.toStdString();

  QFile::remove(carta.Pdf());
  carta.Annulla();
  Azione(f, "Print")->trigger();
  EXPECT_EQ(carta.Dialoghi(), 2);
  EXPECT_FALSE(QFile::exists(carta.Pdf()));
  EXPECT_TRUE(f.ambiente.box.Testi().empty());
}

TEST(MenuMain, HelpPrintAndSettingsCommands) {
  FinestraMain f;
  f.ambiente.box.Svuota();
  // Without its pages the help names the one missing and opens nothing.
  Azione(f, "mnuAiutoItem_0")->trigger();
  EXPECT_EQ(f.ambiente.box.Testi(), std::vector<std::string>{"Pagina della guida non trovata:\n" +
                                                            f.ambiente.Percorso("Aiuto/indice.html")});
  EXPECT_EQ(FrmAiuto::Aperta(), nullptr);
  // With them, the index; a link to a page that is not there keeps it.
  f.ambiente.CopiaAiuto();
  Azione(f, "mnuAiutoItem_0")->trigger();
  ASSERT_NE(FrmAiuto::Aperta(), nullptr);
  QTextBrowser& pagine = FrmAiuto::Aperta()->Pagine();
  EXPECT_EQ(pagine.source().fileName(), "indice.html");
  pagine.setSource(pagine.source().resolved(QUrl("manca.html")));
  EXPECT_EQ(pagine.source().fileName(), "indice.html");
  EXPECT_EQ(f.ambiente.box.Testi().size(), 2u);

  // Without a printer the user is told so and nothing else happens.
  if (QPrinterInfo::defaultPrinter().isNull()) {
    f.ambiente.box.Svuota();
    Azione(f, "MnuFileItem_5")->trigger();
    EXPECT_EQ(f.ambiente.box.Testi(),
              std::vector<std::string>{"Stampante non presente o non disponibile."});
  }

  // The materials typed in the window go to the settings file.
  std::filesystem::remove(f.ambiente.Percorso("Tramok.ini"));
  f.C("F_nome_cls").SetText("C99/99");
  Azione(f, "MnuFileItem_8")->trigger();
  EXPECT_NE(f.ambiente.Leggi("Tramok.ini").find("C99/99"), std::string::npos);
}

// Every page the windows open is there, every page is reached from the
// index, and every link leads to a page and an anchor that are there.
TEST(MenuMain, HelpPagesAndTheirLinksAreThere) {
  AmbienteFile a;
  a.CopiaAiuto();
  for (const char* pagina : {FrmAiuto::Indice, FrmAiuto::Progetto})
    EXPECT_NE(a.Leggi("Aiuto/" + std::string(pagina)).find("<html>"), std::string::npos) << pagina;
  const std::regex collegamento(R"(href="([^"#]*)(#([^"]*))?")");
  for (const auto& voce : std::filesystem::directory_iterator(a.Percorso("Aiuto"))) {
    const std::string nome = voce.path().filename().string(), testo = a.Leggi("Aiuto/" + nome);
    if (nome != FrmAiuto::Indice)
      EXPECT_NE(a.Leggi("Aiuto/indice.html").find("href=\"" + nome), std::string::npos) << nome;
    for (std::sregex_iterator c(testo.begin(), testo.end(), collegamento), fine; c != fine; ++c) {
      const std::string meta = a.Leggi("Aiuto/" + ((*c)[1].length() ? (*c)[1].str() : nome));
      const std::string atteso = (*c)[3].matched ? "name=\"" + (*c)[3].str() + "\"" : "<html>";
      EXPECT_NE(meta.find(atteso), std::string::npos) << nome << ": " << (*c)[0];
    }
  }
}

TEST(MenuMain, Dm1996FromTheMainMenuGivesTheReducedDesignStrength) {
  FinestraMain f;
  f.ambiente.box.Svuota();
  Azione(f, "NormativaItem_1")->trigger();
  EXPECT_EQ(f.C("NormativaMain").Caption(), "Normativa: DM 1996");
  EXPECT_NEAR(Stato.Fcd, 0.85 * Stato.Fck / 1.6, 0.01);
  EXPECT_EQ(f.C("Label23").Caption(), "cd");
  EXPECT_TRUE(f.ambiente.box.Testi().empty());
  Azione(f, "NormativaItem_2")->trigger();
  EXPECT_EQ(f.ambiente.box.Testi().size(), 1u);
  EXPECT_EQ(f.C("Label23").Caption(), "c");
}

namespace {

// The user at the modal windows: the layer window answered once, the notice
// on strain limits closed whenever it shows.
class Utente {
 public:
  explicit Utente(bool barre) {
    QObject::connect(&attesa_, &QTimer::timeout, [this, barre] {
      QWidget* w = QApplication::activeModalWidget();
      if (auto* avviso = qobject_cast<frmAvvisi*>(w)) avviso->Command1_Click();
      auto* layer = qobject_cast<FrmImportDXF*>(w);
      if (!layer) return;
      auto* contorno = layer->findChild<QComboBox*>("ComboSez_0");
      contorno->setCurrentIndex(contorno->findText("SEZIONE"));
      if (barre) {
        layer->findChild<QCheckBox*>("CheckSez_1")->click();
        auto* c = layer->findChild<QComboBox*>("ComboSez_1");
        c->setCurrentIndex(c->findText("BARRE"));
      }
      layer->findChild<QAbstractButton*>("cmdDXF_1")->click();
    });
    attesa_.start(10);
  }

 private:
  QTimer attesa_;
};

}  // namespace

TEST(DxfMain, ADrawingFillsTheGridsAndIsVerified) {
  FinestraMain f(true);
  f.ambiente.CopiaFixture("sezione_r2000.dxf", "sezione.dxf");
  auto dialogo = std::make_unique<platform::FileDialogScriptato>();
  platform::FileDialogScriptato& d = *dialogo;
  d.Accoda(f.ambiente.Percorso("sezione.dxf"));
  f.main->DialogoDxf = std::move(dialogo);
  f.Clic("OpTipoSezione", 6);
  ASSERT_TRUE(f.Widget("cmdDXF")->isVisible());
  f.ambiente.box.Svuota();
  Utente utente(true);
  f.Clic("cmdDXF");

  ASSERT_EQ(d.Mostrati().size(), 1u);
  EXPECT_TRUE(d.Mostrati()[0].Apertura);
  EXPECT_EQ(d.Mostrati()[0].FilterIndex, 2);
  EXPECT_TRUE(f.ambiente.box.Testi().empty());
  EXPECT_EQ(Stato.TipoSezione, 5);
  EXPECT_EQ(f.main->nFigureForm, 4);
  EXPECT_EQ(f.main->nBarreForm, 4);
  EXPECT_EQ(Stato.MatriceFigure(3, 1), 300);
  EXPECT_EQ(Stato.MatriceFigure(3, 2), 500);
  // pi r^2 for r = 8 mm, to the nearest square millimetre.
  EXPECT_EQ(Stato.MatriceBarre(1, 1), std::round(std::numbers::pi * 64));
  EXPECT_EQ(f.C("txtRigheGriglia", 0).Text(), "4");
  EXPECT_EQ(Stato.CartellaDati, f.ambiente.Cartella());
  EXPECT_NE(f.main->windowTitle().toStdString().find("sezione"), std::string::npos);

  // The grids read back as the same section, and it is verified.
  f.C("F_Mxsd", 0).SetText("100");
  f.Clic("btnCalcola");
  EXPECT_TRUE(f.ambiente.box.Testi().empty());
  EXPECT_TRUE(Stato.RisultatiPresenti);
  EXPECT_EQ(f.main->nVerticiForm, 4);
  EXPECT_EQ(f.main->AreaBarreForm.Ub(), 4);
  SalvaSchermata(*f.main, "Main_dxf");
  f.main->FlexGrid(1).SetTextMatrix(4, 3, "6000");
  f.Clic("btnCalcola");
  EXPECT_NE(f.ambiente.box.Testi().at(0).find("riga 4 (x = 40 mm, y = 6000 mm)"), std::string::npos);
}

// A rectangle typed, "DXF" chosen and the drawing not taken: the grid's b
// and h are no outline, and "Salva" refuses before asking for a name.
TEST(DxfMain, ACancelledChoiceLeavesTheWindowAsItWas) {
  FinestraConDialogo f;
  f.main->FlexGrid(0).SetTextMatrix(1, 1, "30");
  f.main->FlexGrid(0).SetTextMatrix(1, 2, "50");
  auto dialogo = std::make_unique<platform::FileDialogScriptato>();
  dialogo->Accoda(std::nullopt);
  f.main->DialogoDxf = std::move(dialogo);
  f.Clic("OpTipoSezione", 6);
  f.ambiente.box.Svuota();
  f.Clic("cmdDXF");
  EXPECT_TRUE(f.ambiente.box.Testi().empty());
  EXPECT_EQ(Stato.TipoSezione, 6);
  f.dialogo->Accoda(f.ambiente.Percorso("x.slu"));
  f.main->MnuFileItem_Click(2);
  EXPECT_EQ(f.ambiente.box.Testi(),
            std::vector<std::string>{"Nessun contorno importato: la sezione non può essere salvata."});
  EXPECT_TRUE(f.dialogo->Mostrati().empty());
  EXPECT_FALSE(std::filesystem::exists(f.ambiente.Percorso("x.slu")));
}

// An import over an opened project is a new project: "Salva" asks for a
// name, and the file opened before stays as it was.
TEST(DxfMain, AnImportIsANewProjectThatSalvaAsksANameFor) {
  FinestraConDialogo f;
  f.ambiente.CopiaFixture("progetto-7.8.slu", "palo.slu");
  f.ambiente.CopiaFixture("sezione_r2000.dxf", "sezione.dxf");
  const std::string originale = f.ambiente.Leggi("palo.slu");
  f.dialogo->Accoda(f.ambiente.Percorso("palo.slu"));
  f.main->MnuFileItem_Click(1);
  ASSERT_EQ(ProgettoFile::Stato.NomeFileProgetto, "palo");
  auto dxf = std::make_unique<platform::FileDialogScriptato>();
  dxf->Accoda(f.ambiente.Percorso("sezione.dxf"));
  f.main->DialogoDxf = std::move(dxf);
  f.Clic("OpTipoSezione", 6);
  {
    Utente utente(true);
    f.Clic("cmdDXF");
  }
  ASSERT_EQ(Stato.TipoSezione, 5);
  f.main->MnuFileItem_Click(2);
  ASSERT_EQ(f.dialogo->Mostrati().size(), 2u);
  EXPECT_FALSE(f.dialogo->Mostrati()[1].Apertura);
  EXPECT_EQ(f.dialogo->Mostrati()[1].FileName, "*.slu");
  EXPECT_EQ(f.ambiente.Leggi("palo.slu"), originale);
  // A name typed without extension is saved as a project file.
  f.dialogo->Accoda(f.ambiente.Percorso("sezione L"));
  f.main->MnuFileItem_Click(2);
  const std::string salvato = f.ambiente.Leggi("sezione L.slu");
  EXPECT_EQ(salvato.substr(salvato.find("\r\n"), 8), "\r\n5\r\n4\r\n");
  EXPECT_EQ(f.main->windowTitle().toStdString(), f.main->FormCaption + "sezione L");
  EXPECT_EQ(f.ambiente.Leggi("palo.slu"), originale);
}

TEST(MenuMain, UnitsAndMaterialsItemsOpenTheirWindowsWithoutBlocking) {
  FinestraMain f;
  Azione(f, "mnuOpzioniItem_1")->trigger();
  ASSERT_NE(frmUnits::Aperta(), nullptr);
  EXPECT_EQ(frmUnits::Aperta()->IndexMenu, 1);
  frmUnits::Aperta()->CancelButton_Click();
  Azione(f, "mnuMateriali")->trigger();
  ASSERT_NE(Material::Aperta(), nullptr);
  EXPECT_TRUE(Material::Aperta()->isVisible());
  EXPECT_FALSE(Material::Aperta()->isModal());
  QTest::mouseClick(Material::Aperta()->findChild<QPushButton*>("F_esci_0"), Qt::LeftButton);
  // The closed window goes before the next test.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The properties items: the whole section after reading the window, the
// cracked one only by the allowable-stress method.
TEST(MenuMain, SectionPropertiesItemsOpenTheReport) {
  FinestraMain f;
  f.main->FlexGrid(0).SetTextMatrix(1, 1, "30");
  f.main->FlexGrid(0).SetTextMatrix(1, 2, "50");
  Azione(f, "mnuOpzioniItem_3")->trigger();
  FrmCarSez* carSez = FinestreRisultati::FrmCarSezAperto();
  ASSERT_NE(carSez, nullptr);
  const std::string testo = carSez->findChild<QPlainTextEdit*>("Text1")->toPlainText().toStdString();
  EXPECT_NE(testo.find("Caratteristiche statiche sezione solo calcestruzzo"), std::string::npos);
  delete carSez;

  Azione(f, "mnuOpzioniItem_4")->trigger();
  carSez = FinestreRisultati::FrmCarSezAperto();
  ASSERT_NE(carSez, nullptr);
  EXPECT_EQ(carSez->windowTitle().toStdString(), "Caratteristiche statiche sezione Parzializzata");
  delete carSez;
}

TEST(MenuMain, CtrlCTellsHowToCopyTheWindowAndSismicaClosesTheSectionDrawing) {
  FinestraMain f;  // a rectangle: the title's Enter opens the editor on b
  for (const char* valore : {"Trave", "30", "50", "2", "9,42", "4,02", "45", "5"})
    FinestraMain::Batti(valore);
  EXPECT_EQ(Azione(f, "MnuFileItem_6")->shortcut(), QKeySequence("Ctrl+C"));
  // In a text box the key copies its text, as everywhere.
  f.ambiente.box.Svuota();
  QTest::keyClick(f.Widget("txtTitolo"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(f.ambiente.box.Testi().empty());
  QWidget* calcola = f.Widget("btnCalcola");
  ASSERT_EQ(QApplication::focusWidget(), calcola);
  QTest::keyClick(calcola, Qt::Key_C, Qt::ControlModifier);
  ASSERT_EQ(f.ambiente.box.Testi().size(), 1u);
  EXPECT_NE(f.ambiente.box.Testi()[0].find("Alt + Stampa"), std::string::npos);

  f.main->btnCalcola_Click();
  const QPointer<QWidget> disegno = f.main->FrmPltSezione();
  ASSERT_FALSE(disegno.isNull());
  EXPECT_TRUE(disegno->isVisible());
  Azione(f, "MnuSismica")->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(disegno.isNull());
  ASSERT_NE(FrmSismica::Aperta(), nullptr);
  EXPECT_TRUE(FrmSismica::Aperta()->isVisible());
  FrmSismica::Aperta()->close();
  QApplication::processEvents();
}
