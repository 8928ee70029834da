#include "app/Generale.h"

#include "app/Codifica.h"
#include "app/Messaggi.h"
#include "model/Formato.h"
#include "model/TestoUtf8.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"
#include "platform/Sistema.h"

namespace Generale {
namespace {

int CodicePrimoCarattere(const std::string& testo) {
  std::size_t posizione = 0;
  return testo.empty() ? 0 : static_cast<int>(Codifica::LeggiCodice(testo, posizione));
}

void MessaggioSeparatoriUguali(const std::string& decimale) {
  platform::MsgBox(
      "Errore nelle impostazioni internazionali del pannello di controllo.\r"
      "Il separatore decimale è stato impostato come \"" +
          decimale +
          "\"\r"
          "E' stato impostato lo stesso carattere per il simbolo raggruppamento cifre.\r"
          "Cambiare il simbolo raggruppamento cifre e riavviare il programma.",
      platform::Pulsanti::Ok, platform::Icona::Critica, "ERRORE");
}

void MessaggioSeparatoriIlleggibili() {
  platform::MsgBox(
      "Errore sconosciuto nelle impostazioni internazionali del pannello di controllo.\r"
      "Provare a cambiare i simboli del separatore decimale\r"
      "e del raggruppamento cifre e riavviare il programma.",
      platform::Pulsanti::Ok, platform::Icona::Critica, "ERRORE");
}

void ConsiglioSeparatori(const std::string& decimale, const std::string& migliaia) {
  platform::MsgBox(
      "E' impostato come separatore decimale \"" + decimale +
          "\" e come separatore delle migliaia \"" + migliaia +
          "\"\r\n"
          "Se la lingua è Italiano è meglio usare la  \",\" come separatore decimale.\r\n"
          "Il programma funzionerà comunque correttamente se si usa "
          "come separatore delle migliaia lo spazio,\r\n"
          "impostazione consigliata perchè elimina qualunque ambiguità.\r\n"
          "Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni "
          "internazionali.",
      platform::Pulsanti::Ok, platform::Icona::Esclamazione, "ATTENZIONE ");
}

}  // namespace

void InizializzaGenerale(platform::Control& casella) {
  platform::Sistema& sistema = platform::SistemaCorrente();
  VariabiliPubbliche::Stato.CartellaProgramma = sistema.CartellaApplicazione();
  VariabiliPubbliche::Stato.CartellaDati = sistema.CartellaCorrente();
  sistema.ImpostaCartellaCorrente(VariabiliPubbliche::Stato.CartellaProgramma);
  ControllaSeparatori(casella);
}

void ControllaSeparatori(platform::Control& casella) {
  casella.SetVisible(false);
  Stato.TastoDecimaleTastierino = false;
  const platform::Sistema& sistema = platform::SistemaCorrente();
  const std::string decimale = sistema.SeparatoreDecimale();
  const std::string migliaia = sistema.SeparatoreMigliaia();
  Stato.CodiceSeparatoreDecimale = CodicePrimoCarattere(decimale);
  // Thousands removed from a typed number would take the decimals with them.
  Stato.CodiceSeparatoreMigliaia = migliaia == decimale ? 0 : CodicePrimoCarattere(migliaia);
  if (Stato.CodiceSeparatoreMigliaia == 0) {
    MessaggioSeparatoriUguali(decimale);
    return;
  }
  constexpr double prova = 1234567.8;
  casella.SetText(Formattazione::Formato(prova, "#,#.#"));
  if (ValNumero(casella) != prova) MessaggioSeparatoriIlleggibili();
  if (migliaia == "," && decimale == ".") ConsiglioSeparatori(decimale, migliaia);
}

double ValNumero(const platform::Control& casella) {
  try {
    return ValNumero(casella.Text());
  } catch (const NumeroNonValido& motivo) {
    throw CasellaNonNumerica(casella, motivo);
  }
}

std::string FuoriIntervalloCasella(const std::string& testo, Intervalli::Grandezza g,
                                   const std::string& nome, double scala) {
  const std::optional<double> valore = NumeroCasella(testo);
  if (!valore) return Messaggi::ErroreDati;
  return Intervalli::FuoriIntervallo(g, *valore * scala, nome);
}

void TastoGiuNumerico(int codiceTasto) {
  if (codiceTasto == TastoDecimale) Stato.TastoDecimaleTastierino = true;
}

void TastoPremutoNumerico(int& carattere) {
  if (!Stato.TastoDecimaleTastierino) return;
  carattere = Stato.CodiceSeparatoreDecimale;
  Stato.TastoDecimaleTastierino = false;
}

void SelezionaTesto(CasellaTesto& casella) {
  casella.SetSelStart(0);
  casella.SetSelLength(TestoUtf8::NumeroCaratteri(casella.Text()));
}

std::string NomeBaseFile(const std::string& percorso) {
  return platform::SistemaCorrente().GetBaseName(percorso);
}

std::string CartellaWindows() { return platform::SistemaCorrente().CartellaWindows(); }

void ChiudiProgramma() {
  platform::Sistema& sistema = platform::SistemaCorrente();
  sistema.ChiudiFinestre();
  sistema.TerminaProcesso();
}

}  // namespace Generale
