#include "app/Messaggi.h"

#include <vector>

#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace Messaggi {
namespace {

// The explanatory notes, line by line.
const std::vector<std::string> AlfaCCDm96 = {
    "Fattore che tiene conto degli effetti dei carichi di lunga durata",
    "sulla resistenza a compressione e degli effetti sfavorevoli risultanti",
    "dal modo di applicazione del carico (EC2 §4.2.1.3.3. (11)).",
    "Secondo EC2 e D.M. 9-1-96 §4.2.1.3. è pari a 0,85",
};

const std::vector<std::string> AlfaCCNtc = {
    "Coefficiente riduttivo per le resistenze di lunga durata.",
    "Secondo D.M. 2018 §4.1.2.1.1.1 è pari a 0,85.",
    "Nel caso di elementi piani (solette, pareti, …) gettati in opera",
    "con calcestruzzi ordinari e con spessori minori di 50 mm, la resistenza",
    "di calcolo a compressione va ridotta a 0,80fcd.",
};

const std::vector<std::string> FccFcd = {
    "Rapporto fra la resistenza a compressione centrata e a presso flessione.",
    "Secondo D.M. 9-1-96 §4.2.1.2. è pari a 0,8.",
};

const std::vector<std::string> FccFcdNtc = {
    "Nelle NTC 2018 non è previsto, ma la circolare n. 7 del 21/01/2019 (Istruzioni per",
    "l’Applicazione dell' ''Aggiornamento delle Norme Tecniche per le costruzioni'')",
    "al §C4.1.2.3.4.2 lo reintroduce implicitamente permettendo, per i pilastri di c.a.",
    "soggetti a sola compressione assiale, di superare la prescrizione circa",
    "l’eccentricità minima dell’azione assiale se si usa la resistenza ridotta 0,8 fcd.",
};

const std::vector<std::string> GammaCNtc = {
    "Coefficiente che secondo le NTC 2018 (§4.1.2.1.1.1) può essere ridotto da 1,5 a",
    "1,4 per produzioni continuative di elementi o strutture, soggette a controllo continuativo",
    "del calcestruzzo dal quale risulti un coefficiente di variazione (rapporto tra scarto",
    "quadratico medio e valor medio) della resistenza non superiore al 10%. Le suddette",
    "produzioni devono essere inserite in un sistema di qualità di cui al §11.8.3.",
};

const std::vector<std::string> GammaCEsistenti = {
    "Verificare che la scelta dei coefficienti parziali di sicurezza assunti rispetti i requisiti",
    "di duttilità in accordo a quanto richiesto da normativa (Circolare n. 7 del 21/01/2019 ",
    "Istruzioni per l’Applicazione dell' ''Aggiornamento delle Norme Tecniche per le",
    "costruzioni'' al §C8.7.2.2).",
};

const std::vector<std::string> Duttilita = {
    "Verificare che i valori dei coefficienti parziali di sicurezza assunti siano coerenti ",
    "con la richiesta di duttilità della sezione secondo quanto specificato in normativa",
    "(Circolare n. 7 del 21/01/2019 Istruzioni per l’Applicazione dell' ''Aggiornamento delle",
    "Norme Tecniche per le costruzioni'' al §C8.7.2.2).",
};

const std::vector<std::string> StruttureEsistenti = {
    "Con strutture esistenti posto alfa,cc=1. Si suggerisce di completare prima la",
    "definizione dei parametri normativi nella pagina materiali.",
};

// Lines joined by a carriage return alone, in a box with OK, no icon and the
// program's title.
void Nota(const std::vector<std::string>& righe) {
  std::string testo;
  for (const std::string& riga : righe) testo += (testo.empty() ? "" : "\r") + riga;
  platform::MsgBox(testo);
}

std::vector<std::string> Unite(std::vector<std::string> prime,
                               const std::vector<std::string>& altre) {
  prime.insert(prime.end(), altre.begin(), altre.end());
  return prime;
}

int Normativa() { return VariabiliPubbliche::Stato.Normativa; }

}  // namespace

void MessaggioErroreDati() {
  platform::MsgBox(ErroreDati, platform::Pulsanti::Ok, platform::Icona::Critica, "Errore");
}

void MessaggioCopiaAppunti() {
  platform::MsgBox("Per copiare la form negli appunti\r\npremere i tasti Alt + Stampa");
}

void MessaggioAlfaCC() {
  switch (Normativa()) {
    case 1: Nota(AlfaCCDm96); break;
    case 0:
    case 2: Nota(AlfaCCNtc); break;
    default: Nota({});
  }
}

void MessaggioFccFcd() {
  const int normativa = Normativa();
  Nota(normativa == 0 || normativa == 2 ? Unite(FccFcd, FccFcdNtc) : FccFcd);
}

void MessaggioGammaC() {
  switch (Normativa()) {
    case 0:
    case 1: Nota(GammaCNtc); break;
    case 2: Nota(GammaCEsistenti); break;
    default: Nota({});
  }
}

void MessaggioDuttilita() { Nota(Duttilita); }

void MessaggioStruttureEsistenti() { Nota(StruttureEsistenti); }

void MessaggioScritturaFallita(const std::string& percorso, bool solaLettura) {
  platform::MsgBox("Impossibile scrivere il file " + percorso +
                       (solaLettura ? ": è di sola lettura" : "") + ".\r\nIl file che c'era resta com'era; i valori in uso non cambiano.",
                   platform::Pulsanti::Ok, platform::Icona::Esclamazione);
}

}  // namespace Messaggi
