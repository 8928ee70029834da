#include <gtest/gtest.h>

#include "AmbienteFile.h"
#include "app/Messaggi.h"

using namespace Messaggi;

namespace {

std::vector<std::string> Righe(const std::string& testo, const std::string& separatore = "\r") {
  std::vector<std::string> righe;
  std::size_t inizio = 0;
  for (std::size_t fine; (fine = testo.find(separatore, inizio)) != std::string::npos;
       inizio = fine + separatore.size())
    righe.push_back(testo.substr(inizio, fine - inizio));
  righe.push_back(testo.substr(inizio));
  return righe;
}

// The lines of the box shown by nota under the code.
std::vector<std::string> Nota(void (*nota)(), int normativa) {
  AmbienteFile ambiente;
  const platform::MsgBoxScriptato& box = ambiente.box;
  VariabiliPubbliche::Stato.Normativa = normativa;
  nota();
  EXPECT_EQ(box.Mostrati().size(), 1u);
  EXPECT_EQ(box.Mostrati()[0].icona, platform::Icona::Nessuna);
  EXPECT_EQ(box.Mostrati()[0].titolo, "");
  return box.Mostrati()[0].testo.empty() ? std::vector<std::string>{}
                                         : Righe(box.Mostrati()[0].testo);
}

}  // namespace

TEST(Messaggi, DataErrorIsTheOnlyBoxWithIconAndTitle) {
  AmbienteFile ambiente;
  MessaggioErroreDati();
  MessaggioCopiaAppunti();
  ASSERT_EQ(ambiente.box.Mostrati().size(), 2u);
  EXPECT_EQ(ambiente.box.Mostrati()[0].testo, "Errore! Controllare i dati");
  EXPECT_EQ(ambiente.box.Mostrati()[0].icona, platform::Icona::Critica);
  EXPECT_EQ(ambiente.box.Mostrati()[0].titolo, "Errore");
  EXPECT_EQ(ambiente.box.Mostrati()[1].testo,
            "Per copiare la form negli appunti\r\npremere i tasti Alt + Stampa");
  EXPECT_EQ(ambiente.box.Mostrati()[1].icona, platform::Icona::Nessuna);
}

TEST(Messaggi, NotesFollowTheDesignCode) {
  const auto alfaDm = Nota(MessaggioAlfaCC, 1);
  ASSERT_EQ(alfaDm.size(), 4u);
  EXPECT_EQ(alfaDm[3], "Secondo EC2 e D.M. 9-1-96 §4.2.1.3. è pari a 0,85");
  EXPECT_EQ(Nota(MessaggioAlfaCC, 0).size(), 5u);
  EXPECT_EQ(Nota(MessaggioAlfaCC, 2), Nota(MessaggioAlfaCC, 0));
  EXPECT_TRUE(Nota(MessaggioAlfaCC, 3).empty());

  EXPECT_EQ(Nota(MessaggioFccFcd, 1).size(), 2u);
  const auto fccNtc = Nota(MessaggioFccFcd, 0);
  ASSERT_EQ(fccNtc.size(), 7u);
  EXPECT_EQ(fccNtc[6],
            "l’eccentricità minima dell’azione assiale se si usa la resistenza ridotta 0,8 fcd.");
  EXPECT_EQ(Nota(MessaggioFccFcd, 2), fccNtc);

  EXPECT_EQ(Nota(MessaggioGammaC, 1), Nota(MessaggioGammaC, 0));
  EXPECT_EQ(Nota(MessaggioGammaC, 0).size(), 5u);
  const auto gammaEsistenti = Nota(MessaggioGammaC, 2);
  ASSERT_EQ(gammaEsistenti.size(), 4u);
  EXPECT_EQ(gammaEsistenti[1],
            "di duttilità in accordo a quanto richiesto da normativa (Circolare n. 7 del "
            "21/01/2019 ");
  EXPECT_TRUE(Nota(MessaggioGammaC, -1).empty());

  const auto duttilita = Nota(MessaggioDuttilita, 0);
  ASSERT_EQ(duttilita.size(), 4u);
  EXPECT_EQ(duttilita[0],
            "Verificare che i valori dei coefficienti parziali di sicurezza assunti siano "
            "coerenti ");
  EXPECT_EQ(Nota(MessaggioStruttureEsistenti, 0),
            (std::vector<std::string>{
                "Con strutture esistenti posto alfa,cc=1. Si suggerisce di completare prima la",
                "definizione dei parametri normativi nella pagina materiali."}));
}
