#include <gtest/gtest.h>

#include "AmbienteFile.h"
#include "app/Generale.h"
#include "platform/FormInMemoria.h"

using namespace Generale;

namespace {

class CasellaProva : public CasellaTesto {
 public:
  explicit CasellaProva(std::string testo) : testo_(std::move(testo)) {}
  std::string Text() const override { return testo_; }
  void SetSelStart(int inizio) override { inizio_ = inizio; }
  void SetSelLength(int lunghezza) override { lunghezza_ = lunghezza; }
  int inizio_ = -1;
  int lunghezza_ = -1;

 private:
  std::string testo_;
};

double Valore(const std::string& testo) {
  platform::ControlInMemoria casella;
  casella.SetText(testo);
  return ValNumero(casella);
}

// The character the keypad's decimal key types.
int TastoDecimaleDigitato() {
  int carattere = '.';
  TastoGiuNumerico(TastoDecimale);
  TastoPremutoNumerico(carattere);
  return carattere;
}

}  // namespace

TEST(Separatori, ItalianLocaleReadsGroupedNumbersWithoutAnyBox) {
  AmbienteFile ambiente;
  ambiente.sistema.ImpostaSeparatori(",", ".");
  platform::ControlInMemoria nascosta;
  ControllaSeparatori(nascosta);
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  EXPECT_FALSE(nascosta.Visible());
  EXPECT_EQ(nascosta.Text(), "1.234.567,8");
  EXPECT_EQ(Stato.CodiceSeparatoreDecimale, ',');
  EXPECT_EQ(Stato.CodiceSeparatoreMigliaia, '.');
  EXPECT_DOUBLE_EQ(Valore("1.234,56"), 1234.56);
  EXPECT_EQ(Valore("3,5,7"), 0);
  EXPECT_EQ(Valore(""), 0);
  EXPECT_EQ(Valore("cm"), 0);
  EXPECT_EQ(TastoDecimaleDigitato(), ',');
}

TEST(Separatori, EnglishLocaleIsAdvisedOnce) {
  AmbienteFile ambiente;
  platform::ControlInMemoria nascosta;
  ControllaSeparatori(nascosta);
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
  const platform::MessaggioMostrato& box = ambiente.box.Mostrati()[0];
  EXPECT_EQ(box.testo,
            "E' impostato come separatore decimale \".\" e come separatore delle migliaia \",\"\r\n"
            "Se la lingua è Italiano è meglio usare la  \",\" come separatore decimale.\r\n"
            "Il programma funzionerà comunque correttamente se si usa come separatore delle "
            "migliaia lo spazio,\r\n"
            "impostazione consigliata perchè elimina qualunque ambiguità.\r\n"
            "Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni "
            "internazionali.");
  EXPECT_EQ(box.icona, platform::Icona::Esclamazione);
  EXPECT_EQ(box.titolo, "ATTENZIONE ");
  EXPECT_DOUBLE_EQ(Valore("1,234.5"), 1234.5);
  EXPECT_DOUBLE_EQ(Valore("2,5"), 2.5);
  EXPECT_EQ(TastoDecimaleDigitato(), '.');
}

TEST(Separatori, BlankForThousandsPassesSilently) {
  AmbienteFile ambiente;
  ambiente.sistema.ImpostaSeparatori(",", " ");
  platform::ControlInMemoria nascosta;
  ControllaSeparatori(nascosta);
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
  EXPECT_DOUBLE_EQ(Valore("1 234,5"), 1234.5);
}

TEST(Separatori, UnusableSeparatorsAreErrors) {
  AmbienteFile ambiente;
  ambiente.sistema.ImpostaSeparatori(",", ",");
  platform::ControlInMemoria nascosta;
  ControllaSeparatori(nascosta);
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_EQ(ambiente.box.Mostrati()[0].testo,
            "Errore nelle impostazioni internazionali del pannello di controllo.\r"
            "Il separatore decimale è stato impostato come \",\"\r"
            "E' stato impostato lo stesso carattere per il simbolo raggruppamento cifre.\r"
            "Cambiare il simbolo raggruppamento cifre e riavviare il programma.");
  EXPECT_EQ(ambiente.box.Mostrati()[0].icona, platform::Icona::Critica);
  EXPECT_EQ(ambiente.box.Mostrati()[0].titolo, "ERRORE");
  EXPECT_EQ(Stato.CodiceSeparatoreMigliaia, 0);

  // No decimal separator: the grouped number does not read back.
  ambiente.box.Svuota();
  ambiente.sistema.ImpostaSeparatori("", ".");
  ControllaSeparatori(nascosta);
  ASSERT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_EQ(ambiente.box.Mostrati()[0].testo,
            "Errore sconosciuto nelle impostazioni internazionali del pannello di controllo.\r"
            "Provare a cambiare i simboli del separatore decimale\r"
            "e del raggruppamento cifre e riavviare il programma.");
}

TEST(Tastierino, OnlyTheDecimalKeyChangesTheNextCharacter) {
  AmbienteFile ambiente;
  Stato.CodiceSeparatoreDecimale = ',';
  int carattere = '5';
  TastoGiuNumerico(53);
  TastoPremutoNumerico(carattere);
  EXPECT_EQ(carattere, '5');
  TastoGiuNumerico(TastoDecimale);
  TastoGiuNumerico(16);  // shift between the two keeps the flag
  EXPECT_TRUE(Stato.TastoDecimaleTastierino);
  carattere = '.';
  TastoPremutoNumerico(carattere);
  EXPECT_EQ(carattere, ',');
  carattere = '.';
  TastoPremutoNumerico(carattere);
  EXPECT_EQ(carattere, '.');
}

TEST(Generale, SelectionCoversTheWholeText) {
  CasellaProva vuota("");
  SelezionaTesto(vuota);
  EXPECT_EQ(vuota.inizio_, 0);
  EXPECT_EQ(vuota.lunghezza_, 0);
  CasellaProva numero("1\u202F234,5");
  SelezionaTesto(numero);
  EXPECT_EQ(numero.lunghezza_, 7);
}

TEST(Generale, StartUpRecordsTheFoldersAndChecksTheSeparators) {
  AmbienteFile ambiente;
  ambiente.sistema.ImpostaCartellaApplicazione("/opt/tramok");
  ambiente.sistema.ImpostaCartellaCorrente("/home/utente/sezioni");
  platform::ControlInMemoria nascosta;
  InizializzaGenerale(nascosta);
  EXPECT_EQ(VariabiliPubbliche::Stato.CartellaProgramma, "/opt/tramok");
  EXPECT_EQ(VariabiliPubbliche::Stato.CartellaDati, "/home/utente/sezioni");
  EXPECT_EQ(ambiente.sistema.CartellaCorrente(), "/opt/tramok");
  EXPECT_FALSE(nascosta.Visible());
  EXPECT_EQ(ambiente.box.Mostrati().size(), 1u);  // "." and "," of the fixed system
}

TEST(Generale, BaseNameWindowsFolderAndEnd) {
  AmbienteFile ambiente;
  EXPECT_EQ(NomeBaseFile("*"), "*");
  EXPECT_EQ(NomeBaseFile("/dati/trave.v2.slu"), "trave.v2");
  EXPECT_EQ(NomeBaseFile("pilastro"), "pilastro");
  EXPECT_EQ(CartellaWindows(), "/usr/share");
  ChiudiProgramma();
  EXPECT_EQ(ambiente.sistema.chiusureFinestre, 1);
  EXPECT_EQ(ambiente.sistema.terminazioni, 1);
}
