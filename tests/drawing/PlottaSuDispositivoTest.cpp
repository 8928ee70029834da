#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "AmbienteDisegno.h"
#include "CartellaProva.h"
#include "doppi/FinestreProva.h"
#include "drawing/DispositivoAutocad.h"
#include "drawing/Dxf.h"
#include "drawing/Grafica_Disegno.h"
#include "drawing/PlottaSuDispositivo.h"
#include "platform/AutoCadRegistrato.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/FileDialogScriptato.h"
#include "platform/MsgBoxScriptato.h"
#include "platform/PrintDialogScriptato.h"

using namespace Grafica;
namespace fs = std::filesystem;

namespace {

// The section drawing window: a segment and a text on the device it is given;
// with an error set, the error comes after the segment.
class FinestraPlot : public OggettoPlottabile {
 public:
  void PlottaInOggetto(const std::string& dispositivo) override {
    dispositivi.push_back(dispositivo);
    ImpostaDispositivo(1, dispositivo, nullptr);
    ImpostaColore(7);
    PlottaLinea(0, 0, 100, 50, 1);
    if (errore) throw platform::ErroreEsecuzione(*errore, "Errore di prova");
    if (guasto) throw std::out_of_range("indice 5 fuori dai limiti 1..4");
    PlottaTesto(10, 10, 2.5, "Sezione", 1);
  }
  void Chiudi() override { ++chiusure; }

  std::vector<std::string> dispositivi;
  std::optional<int> errore;
  bool guasto = false;
  int chiusure = 0;
};

class Plotta : public AmbienteDisegno {
 protected:
  void SetUp() override {
    AmbienteDisegno::SetUp();
    fs::create_directories(dati);
    fs::create_directories(programma);
    VariabiliPubbliche::Stato.CartellaDati = dati.string();
    VariabiliPubbliche::Stato.CartellaProgramma = programma.string();
  }
  void TearDown() override {
    InterrompiFileDxf();
    AmbienteDisegno::TearDown();
  }

  void Esegui(short indice, const std::string& nomeFile = "progetto.slu") {
    PlottaSuDispositivo(indice, nomeFile, finestra, dialogoFile, dialogoStampa);
  }
  std::vector<std::string> Stampato() const {
    std::vector<std::string> nomi;
    for (const auto& c : stampante.Chiamate())
      if (c.nome == "Line" || c.nome == "Print" || c.nome == "NewPage" || c.nome == "EndDoc" ||
          c.nome == "KillDoc")
        nomi.push_back(c.nome);
    return nomi;
  }
  bool NellaCartellaProgramma() const { return fs::current_path() == programma; }

  StatoPulito statoProgramma;
  CartellaProva cartella;
  fs::path dati = cartella.Percorso() / "dati";
  fs::path programma = cartella.Percorso() / "programma";
  FinestraPlot finestra;
  platform::FileDialogScriptato dialogoFile;
  platform::PrintDialogScriptato dialogoStampa;
  platform::MsgBoxScriptato messaggi;
};

}  // namespace

TEST_F(Plotta, CopiesArePrintedOneAfterTheOtherOnSheetsOfTheirOwn) {
  dialogoStampa.Accoda(2);
  Esegui(VoceStampa);
  EXPECT_EQ(finestra.dispositivi, (std::vector<std::string>{"STAMPANTE", "STAMPANTE"}));
  EXPECT_EQ(Stampato(),
            (std::vector<std::string>{"Line", "Print", "NewPage", "Line", "Print", "EndDoc"}));
  EXPECT_TRUE(dialogoStampa.CancelError);
  EXPECT_TRUE(messaggi.Mostrati().empty());
  EXPECT_EQ(VariabiliPubbliche::Stato.CartellaDati, dati.string());
  EXPECT_TRUE(NellaCartellaProgramma());
}

TEST_F(Plotta, CancellingADialogDrawsNothingAndSaysNothing) {
  dialogoFile.FileName = "resto";
  Esegui(VoceStampa);
  Esegui(VoceEsportaDxf);
  EXPECT_EQ(dialogoStampa.VolteMostrato(), 1);
  EXPECT_EQ(dialogoFile.Mostrati().size(), 1u);
  EXPECT_TRUE(finestra.dispositivi.empty());
  EXPECT_TRUE(stampante.Chiamate().empty());
  EXPECT_TRUE(messaggi.Mostrati().empty());
  EXPECT_EQ(dialogoFile.FileName, "");
  EXPECT_TRUE(fs::is_empty(dati));
  EXPECT_TRUE(NellaCartellaProgramma());
}

TEST_F(Plotta, DxfIsProposedBesideTheProjectAndWrittenWhole) {
  const std::string scelto = (dati / "sezione.dxf").string();
  dialogoFile.Accoda(scelto);
  Esegui(VoceEsportaDxf, "/progetti/trave.slu");
  ASSERT_EQ(dialogoFile.Mostrati().size(), 1u);
  const platform::DialogoFileMostrato& d = dialogoFile.Mostrati()[0];
  EXPECT_EQ(d.FileName, "/progetti/trave.slu.dxf");
  EXPECT_EQ(d.Filter, "All Files (*.*)|*.*|Files per Autocad (*.dxf)|*.dxf");
  EXPECT_EQ(d.FilterIndex, 2);
  EXPECT_EQ(d.Flags, platform::FileDialog::OverwritePrompt);
  EXPECT_EQ(finestra.dispositivi, std::vector<std::string>{"DXF"});
  const std::string contenuto = LeggiFile(scelto);
  EXPECT_NE(contenuto.find("LINE\r\n"), std::string::npos);
  EXPECT_NE(contenuto.find("Sezione\r\n"), std::string::npos);
  EXPECT_TRUE(contenuto.ends_with("ENDSEC\r\n  0\r\nEOF\r\n"));
  EXPECT_TRUE(messaggi.Mostrati().empty());
  EXPECT_TRUE(NellaCartellaProgramma());
  // With no project file the proposal is ".dxf" alone.
  Esegui(VoceEsportaDxf, "");
  EXPECT_EQ(dialogoFile.Mostrati().back().FileName, ".dxf");
}

TEST_F(Plotta, ADxfCutShortIsRemovedAndTheNextExportWorks) {
  const std::string scelto = (dati / "sezione.dxf").string();
  finestra.guasto = true;
  dialogoFile.Accoda(scelto);
  Esegui(VoceEsportaDxf);
  EXPECT_EQ(messaggi.Testi(),
            (std::vector<std::string>{
                "Si è verificato durante il processo di stampa il seguente errore: 51\r\n"
                "indice 5 fuori dai limiti 1..4",
                "Scrittura incompleta del file\r\n" + scelto}));
  EXPECT_FALSE(fs::exists(scelto));
  EXPECT_TRUE(NellaCartellaProgramma());
  // The data folder is not updated by a failed export.
  EXPECT_EQ(VariabiliPubbliche::Stato.CartellaDati, dati.string());
  finestra.guasto = false;
  messaggi.Svuota();
  dialogoFile.Accoda(scelto);
  Esegui(VoceEsportaDxf);
  EXPECT_TRUE(messaggi.Mostrati().empty());
  EXPECT_TRUE(LeggiFile(scelto).ends_with("EOF\r\n"));
}

TEST_F(Plotta, AFileThatCannotBeCreatedGivesTheErrorNumberAndDescription) {
  const std::string scelto = (dati / "manca" / "sezione.dxf").string();
  dialogoFile.Accoda(scelto);
  Esegui(VoceEsportaDxf);
  ASSERT_EQ(messaggi.Mostrati().size(), 1u);
  EXPECT_EQ(messaggi.Mostrati()[0].testo,
            "Si è verificato durante il processo di stampa il seguente errore: 76\r\n"
            "Impossibile trovare il percorso: " + scelto);
  EXPECT_EQ(messaggi.Mostrati()[0].icona, platform::Icona::Informazione);
  EXPECT_EQ(messaggi.Mostrati()[0].titolo, "");
  EXPECT_TRUE(finestra.dispositivi.empty());
}

TEST_F(Plotta, PrinterErrorsHaveTheirOwnMessagesAndTheDocumentIsAbandoned) {
  const std::pair<int, const char*> casi[] = {
      {482, "Errore generico della stampante."},
      {483, "Il driver della stampante non supporta la proprietà specificata."},
      {484,
       "Problemi di recupero delle informazioni sulla stampante nel sistema.\r\n"
       "Verificare che la stampante sia impostata correttamente."},
      {57, "La stampante potrebbe essere spenta."},
      {68, "Stampante non presente o non disponibile."},
      {1004, "Si è verificato durante il processo di stampa il seguente errore: 1004\r\n"
             "Errore di prova"},
  };
  for (const auto& [numero, testo] : casi) {
    messaggi.Svuota();
    stampante.Svuota();
    finestra.errore = numero;
    dialogoStampa.Accoda(3);
    Esegui(VoceStampa);
    EXPECT_EQ(messaggi.Testi(), std::vector<std::string>{testo}) << numero;
    EXPECT_EQ(Stampato(), (std::vector<std::string>{"Line", "KillDoc"})) << numero;
    EXPECT_TRUE(NellaCartellaProgramma());
  }
  // An object without the member ends silently.
  messaggi.Svuota();
  finestra.errore = 438;
  dialogoStampa.Accoda(1);
  Esegui(VoceStampa);
  EXPECT_TRUE(messaggi.Mostrati().empty());
  EXPECT_EQ(VariabiliPubbliche::Stato.CartellaDati, dati.string());
}

TEST_F(Plotta, WithNoPrinterNothingIsDrawnAndTheUserIsTold) {
  platform::ImpostaStampante(nullptr);
  dialogoStampa.Accoda(1);
  Esegui(VoceStampa);
  EXPECT_TRUE(finestra.dispositivi.empty());
  EXPECT_EQ(messaggi.Testi(), std::vector<std::string>{"Stampante non presente o non disponibile."});
}

TEST_F(Plotta, AutocadDrawsTheWindowThenComesToTheFrontAndZooms) {
  // No AutoCAD on this platform: its own message, nothing drawn.
  Esegui(VoceAutocad);
  EXPECT_TRUE(finestra.dispositivi.empty());
  ASSERT_EQ(messaggi.Mostrati().size(), 1u);
  EXPECT_EQ(messaggi.Mostrati()[0].icona, platform::Icona::Critica);

  platform::AutoCadRegistrato autocad;
  DispositivoAutocad dwg("DWG", [] { return std::string("C:\\Windows"); });
  autocad.Registra("AutoCAD.Application", true, "AutoCAD");
  const fs::path prima = fs::current_path();
  Esegui(VoceAutocad);
  EXPECT_EQ(finestra.dispositivi, std::vector<std::string>{"DWG"});
  std::vector<std::string> membri;
  for (const auto& c : autocad.Chiamate()) membri.push_back(c.membro);
  const std::vector<std::string> coda(membri.end() - 6, membri.end());
  EXPECT_EQ(coda, (std::vector<std::string>{"AddLine", "Color", "AddText", "Color",
                                            "AppActivate", "ZoomExtents"}));
  EXPECT_EQ(messaggi.Mostrati().size(), 1u);
  // The current folder is not touched.
  EXPECT_EQ(fs::current_path(), prima);
}

TEST_F(Plotta, CloseUnloadsTheWindowOtherItemsDoNothing) {
  for (short indice : {3, 7, -1}) Esegui(indice);
  EXPECT_EQ(finestra.chiusure, 0);
  Esegui(VoceChiudi);
  EXPECT_EQ(finestra.chiusure, 1);
  EXPECT_TRUE(finestra.dispositivi.empty());
  EXPECT_TRUE(messaggi.Mostrati().empty());
}
