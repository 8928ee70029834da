#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "AmbienteSismica.h"
#include "app/FileInOut.h"
#include "seismic/FileSismica.h"

using Generale::ErroreFile;
using Generale::FileDati;
using Sismica::Stato;

namespace {

std::string Fixture(const std::string& nome) {
  const char* test = std::getenv("TRAMOK_TESTS");
  std::ifstream ingresso(std::string(test ? test : ".") + "/seismic/fixtures/" + nome,
                         std::ios::binary);
  return {std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
}

void Leggi(const std::string& contenuto) {
  FileDati file = FileDati::DaContenuto(contenuto);
  Sismica::FileLeggeScrive("L", file);
}

std::string Scritto(const AmbienteSismica& ambiente) {
  FileDati file = FileDati::ApriScrittura(ambiente.Percorso("blocco.slu"));
  Sismica::FileLeggeScrive("S", file);
  file.Chiudi();
  return ambiente.Leggi("blocco.slu");
}

int NumeroErrore(const std::string& contenuto) {
  try {
    Leggi(contenuto);
  } catch (const ErroreFile& errore) {
    return errore.Numero();
  }
  return 0;
}

std::string Sostituisci(std::string testo, const std::string& vecchio, const std::string& nuovo) {
  return testo.replace(testo.find(vecchio), vecchio.size(), nuovo);
}

}  // namespace

// The fixture is written by hand, record by record, from the block's layout.
TEST(BloccoSismico, HandWrittenBlockReadIntoTheState) {
  AmbienteSismica ambiente;
  Stato.PilastroCorrente.SezioneInferiore = true;
  Leggi(Fixture("BloccoSismico.txt"));

  EXPECT_EQ(Stato.TitoloSismica, "Pilastro P1");
  EXPECT_EQ(Stato.ElementoSetto, 0);
  EXPECT_EQ(VariabiliPubbliche::Stato.NormativaSismica, 1);
  EXPECT_EQ(Stato.DuttilitaMedia, 1);
  EXPECT_EQ(Stato.DueTerziQ0Sup, 1);
  EXPECT_TRUE(Stato.PilastroMensola);
  EXPECT_FALSE(Stato.PilastroDiBase);
  EXPECT_EQ(Stato.PilastroPrimiDuePiani, -1);
  EXPECT_EQ(Stato.NEdSismica, 680000);
  EXPECT_EQ(Stato.DuttilitaCurvaturaInf, 10.7);
  EXPECT_EQ(Stato.FattoreStrutturaQ0, 5.85);
  EXPECT_EQ(Stato.PeriodoT1, 0.4f);
  EXPECT_EQ(Stato.PeriodoTC, 0.5f);
  EXPECT_EQ(Stato.DuttilitaCurvaturaSup, 6.8);
  EXPECT_EQ(Stato.RapportoMomentiSup, 0.8f);
  EXPECT_EQ(Stato.RapportoMomentiInf, 1.0f);
  EXPECT_EQ(Stato.DueTerziQ0Inf, 0);
  EXPECT_EQ(Stato.ValoriRiservatiSismica, (std::array<double, 4>{1.5, 0, 0, -2.25}));

  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  EXPECT_EQ(p.TipoPilastro, 0);
  EXPECT_EQ(Stato.MEdSuperiore, (std::array<double, 2>{1.5e8, 5e7}));
  EXPECT_EQ(Stato.MEdInferiore, (std::array<double, 2>{1.2e8, 4e7}));
  EXPECT_EQ(p.MatriceSezionePilastro(0, 1), 400);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 14), 80);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 1), 300);
  EXPECT_EQ(p.MatriceSezionePilastro(1, 17), 90);
  // The top end becomes current, its 4 x 4 bars counted.
  EXPECT_FALSE(p.SezioneInferiore);
  EXPECT_EQ(p.nBarreTotale(), 12);
  ASSERT_EQ(p.StaffeCorrenti().Righe(), 1);
  EXPECT_EQ(p.StaffeCorrenti()(1, 4), 12);
  EXPECT_EQ(p.Spirale, 0);
  Stato.PilastroCorrente.SezioneInferiore = true;
  ASSERT_EQ(p.StaffeCorrenti().Righe(), 2);
  EXPECT_EQ(p.StaffeCorrenti()(2, 1), 6);
  EXPECT_EQ(p.StaffeCorrenti()(2, 3), 9);

  // What was read is written back as it stood.
  EXPECT_EQ(Scritto(ambiente), Fixture("BloccoSismico.txt"));
}

TEST(BloccoSismico, ReservedFieldsAreDroppedAndWrittenAsFalseAndZero) {
  AmbienteSismica ambiente;
  std::string contenuto = Fixture("BloccoSismico.txt");
  contenuto = Sostituisci(contenuto, "#FALSE#,#TRUE#,#FALSE#,-1", "#TRUE#,#TRUE#,#FALSE#,-1");
  contenuto = Sostituisci(contenuto, "0.4,0.5,6.8,0", "0.4,0.5,6.8,7");
  contenuto = Sostituisci(contenuto, "\r\n0,0\r\n", "\r\n3,4\r\n");
  Leggi(contenuto);
  EXPECT_EQ(Scritto(ambiente), Fixture("BloccoSismico.txt"));
}

// Before any project file: empty title, no stirrup lines, four zero reserves;
// the truth values as the numbers or the Booleans their records hold.
TEST(BloccoSismico, FreshStateWrittenAndReadBack) {
  AmbienteSismica ambiente;
  Stato.PilastroMensola = true;
  Stato.PilastroPrimiDuePiani = -1;
  Stato.DuttilitaMedia = 1;
  const std::string scritto = Scritto(ambiente);
  EXPECT_EQ(scritto,
            "\"\"\r\n0,0,1\r\n0\r\n#FALSE#,#TRUE#,#FALSE#,-1\r\n#FALSE#,0,0,5.85\r\n0,0,0,0\r\n"
            "1,1\r\n0\r\n0,0\r\n0\r\n0\r\n0\r\n0\r\n"
            "0\r\n0,0\r\n0,0\r\n#FALSE#,#FALSE#\r\n"
            "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0\r\n");
  Stato = Sismica::StatoSismico{};
  Stato.PilastroCorrente.SezioneInferiore = true;
  Leggi(scritto);
  EXPECT_TRUE(Stato.PilastroMensola);
  EXPECT_EQ(Stato.PilastroPrimiDuePiani, -1);
  EXPECT_FALSE(Stato.PilastroCorrente.SezioneInferiore);
  EXPECT_EQ(Stato.PilastroCorrente.StaffeCorrenti().Righe(), 0);
  EXPECT_EQ(Stato.PilastroCorrente.nBarreTotale(), 0);
}

TEST(BloccoSismico, CircularColumnWithStirrupsRoundTripsByteForByte) {
  AmbienteSismica ambiente;
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  p.TipoPilastro = 1;
  p.Spirale = 1;
  p.SetMatriceSezionePilastro(1, 1, 250.5f);
  p.SetMatriceSezionePilastro(1, 12, 8);
  p.SetMatriceSezionePilastro(0, 11, 3);
  p.SetMatriceSezionePilastro(0, 12, 3);
  Stato.NEdSismica = 1e-5;
  Stato.TitoloSismica = "Pilastro \"C\" è";
  Stato.ValoriRiservatiSismica = {1, 2, 3, 4};
  // The stirrups of a rectangular end travel with a circular column too.
  p.TipoPilastro = 0;
  p.SezioneInferiore = true;
  Matrice<float> staffe(1, 2, 1, 9);
  staffe(1, 1) = 8;
  staffe(1, 2) = 1;
  staffe(1, 3) = 3;
  staffe(2, 1) = 10;
  staffe(2, 2) = 4;
  staffe(2, 3) = 5;
  p.StaffeMemorizza(staffe);
  p.TipoPilastro = 1;
  const std::string primo = Scritto(ambiente);

  Stato = Sismica::StatoSismico{};
  Leggi(primo);
  EXPECT_EQ(Stato.TitoloSismica, "Pilastro 'C' è");
  EXPECT_EQ(Stato.NEdSismica, 1e-5);
  EXPECT_EQ(Stato.ValoriRiservatiSismica, (std::array<double, 4>{1, 2, 3, 4}));
  EXPECT_EQ(Stato.PilastroCorrente.Spirale, 1);
  EXPECT_EQ(Stato.PilastroCorrente.MatriceSezionePilastro(1, 1), 250.5f);
  Stato.PilastroCorrente.SezioneInferiore = true;
  Stato.PilastroCorrente.TipoPilastro = 0;
  EXPECT_EQ(Stato.PilastroCorrente.StaffeCorrenti(), staffe);
  Stato.PilastroCorrente.TipoPilastro = 1;
  EXPECT_EQ(Scritto(ambiente), primo);
}

// A count entry that disagrees with the stirrups held still writes a file
// that reads back: the rows the count announces.
TEST(BloccoSismico, StirrupLinesFollowTheCountEntry) {
  AmbienteSismica ambiente;
  Sismica::Pilastro& p = Stato.PilastroCorrente;
  Matrice<float> staffe(1, 1, 1, 9);
  staffe(1, 1) = 8;
  p.StaffeMemorizza(staffe);
  p.SetMatriceSezionePilastro(0, 15, 2);
  const std::string scritto = Scritto(ambiente);
  EXPECT_NE(scritto.find("\r\n8,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0\r\n0\r\n"), std::string::npos);
  Stato = Sismica::StatoSismico{};
  Leggi(scritto);
  EXPECT_EQ(Stato.PilastroCorrente.StaffeCorrenti().Righe(), 2);
}

TEST(BloccoSismico, BrokenFilesEndTheReadingWithAnError) {
  AmbienteSismica ambiente;
  const std::string buono = Fixture("BloccoSismico.txt");
  // Cut inside the seismic records: the message, then the error; the
  // records before the cut keep what they read.
  EXPECT_EQ(NumeroErrore(buono.substr(0, buono.find("0.4,0.5"))), Generale::ErroreRecordIncompleto);
  EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>{"Lettura incompleta del file"});
  EXPECT_EQ(Stato.NEdSismica, 680000);
  // Cut inside the stirrups, a stirrup count that no table can have, a word
  // among the numbers of the matrix.
  EXPECT_NE(NumeroErrore(buono.substr(0, buono.size() - 24)), 0);
  for (const char* conteggio : {"-1", "1E9", "40000"})
    EXPECT_NE(NumeroErrore(Sostituisci(buono, "80,1,2,0", std::string("80,") + conteggio + ",2,0")),
              0)
        << conteggio;
  EXPECT_EQ(NumeroErrore(Sostituisci(buono, "3000,600,150,8", "3000,sei,150,8")),
            Generale::ErroreTipo);
  // Bar counts beyond a whole number of 16 bits.
  EXPECT_EQ(NumeroErrore(Sostituisci(buono, "150,4,4,16", "150,4,1E7,16")),
            Generale::ErroreOverflow);
}

TEST(BloccoSismico, DefaultsGiveAFreshColumnAndZeroActions) {
  AmbienteSismica ambiente;
  Leggi(Fixture("BloccoSismico.txt"));
  Stato.PilastroCorrente.SezioneInferiore = true;
  Stato.DuttilitaCurvaturaInf = 3;
  Stato.DueTerziQ0Inf = 1;
  Sismica::ValoriDefault();
  EXPECT_EQ(Stato.ElementoSetto, 0);
  EXPECT_EQ(VariabiliPubbliche::Stato.NormativaSismica, 0);
  EXPECT_EQ(Stato.DuttilitaMedia, 0);
  EXPECT_EQ(Stato.TitoloSismica, "");
  EXPECT_EQ(Stato.PilastroPrimiDuePiani, 0);
  EXPECT_FALSE(Stato.PilastroDiBase);
  EXPECT_FALSE(Stato.PilastroMensola);
  EXPECT_EQ(Stato.NEdSismica, 0);
  EXPECT_EQ(Stato.MEdSuperiore, (std::array<double, 2>{}));
  EXPECT_EQ(Stato.MEdInferiore, (std::array<double, 2>{}));
  EXPECT_EQ(Stato.PeriodoT1, 0);
  EXPECT_EQ(Stato.PeriodoTC, 0);
  EXPECT_EQ(Stato.FattoreStrutturaQ0, 5.85);
  EXPECT_EQ(Stato.DueTerziQ0Sup, 0);
  EXPECT_EQ(Stato.DueTerziQ0Inf, 0);
  EXPECT_EQ(Stato.RapportoMomentiSup, 1.0f);
  EXPECT_EQ(Stato.RapportoMomentiInf, 1.0f);
  // Left as they were.
  EXPECT_EQ(Stato.DuttilitaCurvaturaInf, 3);
  EXPECT_EQ(Stato.DuttilitaCurvaturaSup, 6.8);
  EXPECT_EQ(Stato.ValoriRiservatiSismica, (std::array<double, 4>{1.5, 0, 0, -2.25}));
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  EXPECT_EQ(p.TipoPilastro, 0);
  EXPECT_EQ(p.Spirale, 0);
  EXPECT_FALSE(p.SezioneInferiore);
  EXPECT_EQ(p.MatriceSezionePilastro(0, 1), 0);
  EXPECT_EQ(p.StaffeCorrenti().Righe(), 0);
}
