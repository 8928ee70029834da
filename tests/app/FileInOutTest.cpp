#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "AmbienteFile.h"
#include "app/FileInOut.h"
#include "doppi/SistemaProva.h"

using namespace Generale;
using VariabiliPubbliche::RigaAcciaio;

namespace {

FileDati DaTesto(const std::string& contenuto) { return FileDati::DaContenuto(contenuto); }

// Writes through fn into a file of the environment and returns its bytes.
template <class F>
std::string Scritto(const AmbienteFile& ambiente, F fn) {
  FileDati file = FileDati::ApriScrittura(ambiente.Percorso("prova.txt"));
  fn(file);
  file.Chiudi();
  return ambiente.Leggi("prova.txt");
}

int NumeroErrore(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const ErroreFile& errore) {
    return errore.Numero();
  }
  return 0;
}

}  // namespace

TEST(FileInOut, EveryFieldTypeWrittenOnOneLineAndReadBack) {
  AmbienteFile ambiente;
  ambiente.sistema.ImpostaSeparatori(",", ".");  // the file keeps "." whatever the locale
  short s = -5;
  int i = 32000;
  float f = 0.1f, mezzo = 0.5f;
  double d = 200000, piccolo = 1e-5, negativo = -0.25, grande = 1.5e300;
  bool vero = true, falso = false;
  std::string testo = "più \"B450C\"\r\nbis";
  const std::string bytes = Scritto(ambiente, [&](FileDati& file) {
    FileInOut("S", file, s, i, f, mezzo, d, piccolo, negativo, grande, vero, falso, testo);
  });
  EXPECT_EQ(bytes,
            "-5,32000,0.1,0.5,200000,1E-05,-0.25,1.5E+300,#TRUE#,#FALSE#,"
            "\"pi\xF9 'B450C' bis\"\r\n");

  short s2 = 0;
  int i2 = 0;
  float f2 = 0, mezzo2 = 0;
  double d2 = 0, piccolo2 = 0, negativo2 = 0, grande2 = 0;
  bool vero2 = false, falso2 = true;
  std::string testo2;
  FileDati file = FileDati::ApriLettura(ambiente.Percorso("prova.txt"));
  FileInOut("L", file, s2, i2, f2, mezzo2, d2, piccolo2, negativo2, grande2, vero2, falso2, testo2);
  EXPECT_EQ(s2, s);
  EXPECT_EQ(i2, i);
  EXPECT_EQ(f2, f);
  EXPECT_EQ(mezzo2, 0.5f);
  EXPECT_EQ(d2, d);
  EXPECT_EQ(piccolo2, piccolo);
  EXPECT_EQ(negativo2, negativo);
  EXPECT_EQ(grande2, grande);
  EXPECT_TRUE(vero2);
  EXPECT_FALSE(falso2);
  EXPECT_EQ(testo2, "più 'B450C' bis");
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
}

TEST(FileInOut, FieldsAreTakenWhereverTheLinesBreak) {
  FileDati file = DaTesto("1\r\n2.5\n \"a,b\" , .5\r\n-1.5D+2,0\r\n#TRUE#,7\n");
  int a = 0, vero = 0;
  double b = 0, c = 0, e = 0;
  std::string t;
  short vuoto = 9;
  FileInOut("L", file, a, b, t);
  FileInOut("L", file, c, e, vuoto);
  FileInOut("L", file, vero);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2.5);
  EXPECT_EQ(t, "a,b");
  EXPECT_EQ(c, 0.5);
  EXPECT_EQ(e, -150);
  EXPECT_EQ(vuoto, 0);
  EXPECT_EQ(vero, -1);
  short ultimo = 0;
  FileInOut("L", file, ultimo);
  EXPECT_EQ(ultimo, 7);
}

TEST(FileInOut, WholeNumbersRoundHalfToEvenAndOverflowFails) {
  AmbienteFile ambiente;
  FileDati file = DaTesto("2.5,3.5,-2.5,32767\r\n40000,9\r\n");
  short a = 0, b = 0, c = 0, d = 0;
  FileInOut("L", file, a, b, c, d);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 4);
  EXPECT_EQ(c, -2);
  EXPECT_EQ(d, 32767);
  short e = 1, f = 1;
  EXPECT_EQ(NumeroErrore([&] { FileInOut("L", file, e, f); }), ErroreRecordIncompleto);
  EXPECT_EQ(e, 1);
  EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>{"Lettura incompleta del file"});
}

TEST(FileInOut, FailedReadKeepsEarlierFieldsClosesTheFileAndReportsOnce) {
  AmbienteFile ambiente;
  FileDati file = DaTesto("1,abc,3\r\n4\r\n");
  double a = 0, b = -1, c = -1;
  EXPECT_EQ(NumeroErrore([&] { FileInOut("L", file, a, b, c); }), ErroreRecordIncompleto);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, -1);
  EXPECT_EQ(c, -1);
  EXPECT_FALSE(file.Aperto());
  EXPECT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_EQ(ambiente.box.Mostrati()[0].icona, platform::Icona::Nessuna);
  EXPECT_EQ(ambiente.box.Mostrati()[0].titolo, "");
  // Past the end of a file is the same failure.
  FileDati corto = DaTesto("1\r\n");
  int x = 0, y = 0;
  EXPECT_EQ(NumeroErrore([&] { FileInOut("L", corto, x, y); }), ErroreRecordIncompleto);
  EXPECT_EQ(x, 1);
}

TEST(FileInOut, SilentRecordEndsTheReadingWithoutABox) {
  AmbienteFile ambiente;
  FileDati file = DaTesto("1.5\r\n");
  float a = 0, b = 0;
  FileInOutSenzaMessaggio("L", file, a);
  EXPECT_EQ(a, 1.5f);
  EXPECT_EQ(NumeroErrore([&] { FileInOutSenzaMessaggio("L", file, b); }), ErroreFineLettura);
  EXPECT_FALSE(file.Aperto());
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
}

TEST(FileInOut, ConditionalRecordGatesOnTheFileVersion) {
  AmbienteFile ambiente;
  FileDati nuovo = DaTesto("3\r\n");
  int valore = 0;
  FileInOutCond("L", nuovo, "7.8", "5.0", valore);
  EXPECT_EQ(valore, 3);

  FileDati vecchio = DaTesto("4\r\n");
  EXPECT_EQ(NumeroErrore([&] { FileInOutCond("L", vecchio, "6.2", "6.5", valore); }),
            ErroreFineLettura);
  EXPECT_EQ(valore, 3);
  EXPECT_FALSE(vecchio.Aperto());
  EXPECT_TRUE(ambiente.box.Mostrati().empty());

  // A bad field stops the reading like any record, instead of reading on
  // with the fields out of place.
  FileDati guasto = DaTesto("x\r\n5\r\n");
  EXPECT_EQ(NumeroErrore([&] { FileInOutCond("L", guasto, "7.8", "5.0", valore); }),
            ErroreRecordIncompleto);
  EXPECT_FALSE(guasto.Aperto());
  EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>{"Lettura incompleta del file"});

  // Writing ignores the versions.
  const std::string bytes =
      Scritto(ambiente, [&](FileDati& file) { FileInOutCond("S", file, "0", "7.8", valore); });
  EXPECT_EQ(bytes, "3\r\n");
}

TEST(FileInOut, VersionsCompareByTheirNumbers) {
  const char* ordine[] = {"0",   "5.0", "5.1", "5.2", "5.3", "6.0",  "6.2",
                          "6.5", "7.0", "7.6", "7.8", "7.10", "10.0"};
  for (std::size_t k = 0; k + 1 < std::size(ordine); ++k) {
    EXPECT_TRUE(VersioneMinore(ordine[k], ordine[k + 1])) << ordine[k];
    EXPECT_FALSE(VersioneMinore(ordine[k + 1], ordine[k])) << ordine[k];
  }
  EXPECT_FALSE(VersioneMinore("7.8", "7.8"));
  // Readable: this program's layout or an older one.
  for (const char* v : {"0", "5.3", "7.8"}) EXPECT_TRUE(VersioneLeggibile(v)) << v;
  for (const char* v : {"7.9", "10.0", "8", "", "7.8a", "7..8", "12345678901.0"})
    EXPECT_FALSE(VersioneLeggibile(v)) << v;
}

TEST(FileInOut, WrongModeShowsTheRoutinesBoxAndLeavesTheFile) {
  AmbienteFile ambiente;
  FileDati file = DaTesto("1\r\n\"a\",\"b\"\r\n");
  int n = 0;
  Vettore<float> v(1, 1);
  std::vector<std::string> testi;
  FileInOut("X", file, n);
  FileInOutSenzaMessaggio("l", file, n);
  FileInOutCond("", file, "7.8", "5.0", n);
  FileInOutMat("s", file, v);
  FileInOutStringColl("LS", file, testi);
  EXPECT_EQ(ambiente.box.Testi(),
            (std::vector<std::string>{
                "Errore nella Sub FileInOut", "Errore nella Sub FileInOutSenzaMessaggio",
                "Errore nella Sub FileInOutCond", "Errore nella Sub FileInOutMat",
                "Errore nella Sub FileInOutStringColl"}));
  FileInOut("L", file, n);
  EXPECT_EQ(n, 1);
}

TEST(FileInOut, FailedWriteDropsTheFileAndReportsOnce) {
  AmbienteFile ambiente;
  ambiente.Scrivi("prova.txt", "vecchio\r\n");
  FileDati file = FileDati::ApriScrittura(ambiente.Percorso("prova.txt"));
  int n = 1;
  file.Interrompi();  // as after a failure: the file number no longer works
  EXPECT_EQ(NumeroErrore([&] { FileInOut("S", file, n); }), ErroreRecordIncompleto);
  EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>{"Scrittura incompleta del file"});
  EXPECT_EQ(NumeroErrore([&] { FileInOutSenzaMessaggio("S", file, n); }), ErroreFileChiuso);
  EXPECT_EQ(ambiente.box.Mostrati().size(), 1u);
  EXPECT_EQ(ambiente.Leggi("prova.txt"), "vecchio\r\n");
  EXPECT_EQ(ambiente.Nomi(), std::set<std::string>{"prova.txt"});
}

TEST(FileInOut, ArraysOneRowPerLineAndNothingForAnEmptyOne) {
  AmbienteFile ambiente;
  Vettore<float> valori{1.5f, -2};
  Vettore<RigaAcciaio> righe{{"B450C", 450, 540, 255}, {"Trefolo", 1620, 1800.5, 1080}};
  Vettore<float> vuoto;
  const std::string bytes = Scritto(ambiente, [&](FileDati& file) {
    FileInOutMat("S", file, valori);
    FileInOutMat("S", file, vuoto);
    FileInOutMat("S", file, righe);
  });
  EXPECT_EQ(bytes, "1.5\r\n-2\r\n\"B450C\",450,540,255\r\n\"Trefolo\",1620,1800.5,1080\r\n");

  FileDati file = FileDati::ApriLettura(ambiente.Percorso("prova.txt"));
  Vettore<float> valori2(1, 2);
  Vettore<RigaAcciaio> righe2(1, 2);
  FileInOutMat("L", file, valori2);
  FileInOutMat("L", file, vuoto);
  FileInOutMat("L", file, righe2);
  EXPECT_EQ(valori2, valori);
  EXPECT_EQ(righe2, righe);
  EXPECT_TRUE(vuoto.Vuoto());
  // Errors pass on, without a box.
  Vettore<float> oltre(1, 1);
  EXPECT_EQ(NumeroErrore([&] { FileInOutMat("L", file, oltre); }), ErroreFineFile);
  EXPECT_TRUE(ambiente.box.Mostrati().empty());
}

TEST(FileInOut, GradeCellsTakeQuotedTextsByTheRegionalRules) {
  SeparatoriProva italiano(",", ".");
  FileDati file = DaTesto("\"B450C\",\"450,5\",\"1.540\",255.5\r\n\"x\",\"\",\"\",\"abc\"\r\n");
  Vettore<RigaAcciaio> righe(1, 2);
  FileInOutMat("L", file, righe);
  EXPECT_EQ(righe(1), (RigaAcciaio{"B450C", 450.5, 1540, 255.5}));
  EXPECT_EQ(righe(2), (RigaAcciaio{"x", 0, 0, 0}));
}

// Where a number stands, an empty field, a word or a text left open is no
// zero: the record fails, the variable keeps its value.
TEST(FileInOut, EmptyOrNonNumericFieldsAndOpenQuotesFailTheRecord) {
  AmbienteFile ambiente;
  for (const char* testo : {",5\r\n", "abc,5\r\n", "#TRUE,5\r\n"}) {
    FileDati file = DaTesto(testo);
    double a = 7, b = 7;
    EXPECT_THROW(FileInOut("L", file, a, b), ErroreFile) << testo;
    EXPECT_EQ(a, 7) << testo;
  }
  for (const char* testo : {"\"B450C\",,1,2\r\n", "\"B450C\",abc,1,2\r\n"}) {
    FileDati file = DaTesto(testo);
    Vettore<RigaAcciaio> righe(1, 1);
    EXPECT_THROW(FileInOutMat("L", file, righe), ErroreFile) << testo;
  }
  FileDati aperta = DaTesto("\"B450C,Trefolo\r\n200000,0.0675\r\n");
  std::string sigla;
  double Es = 0;
  EXPECT_THROW(FileInOut("L", aperta, sigla, Es), ErroreFile);
}

TEST(FileInOut, TextCollectionsKeepLineBreaksOnOneLine) {
  AmbienteFile ambiente;
  std::string titolo = "Trave\r\nappoggiata \"A\"";
  std::string versione;
  const std::string bytes = Scritto(
      ambiente, [&](FileDati& file) { RecordVersione("S", file, titolo, versione, "7.8"); });
  EXPECT_EQ(bytes,
            "\"Trave\x01\x01"
            "appoggiata 'A'\",\"7.8\"\r\n");
  FileDati file = FileDati::ApriLettura(ambiente.Percorso("prova.txt"));
  std::string titolo2;
  RecordVersione("L", file, titolo2, versione, "7.8");
  EXPECT_EQ(titolo2, "Trave\r\nappoggiata 'A'");
  EXPECT_EQ(versione, "7.8");
}

TEST(FileInOut, VersionRecordWithTheTitleAloneIsVersionZero) {
  std::string titolo, versione = "x";
  FileDati solo = DaTesto("\"Pilastro\"\r\n");
  RecordVersione("L", solo, titolo, versione, "7.8");
  EXPECT_EQ(titolo, "Pilastro");
  EXPECT_EQ(versione, "0");
  FileDati senzaVirgolette = DaTesto("Pilastro, 2\r\n");
  RecordVersione("L", senzaVirgolette, titolo, versione, "7.8");
  EXPECT_EQ(titolo, "Pilastro, 2");
  EXPECT_EQ(versione, "0");
  FileDati aperto = DaTesto("\"Pilastro\",\"7.8\r\n");
  std::vector<std::string> testi;
  EXPECT_EQ(NumeroErrore([&] { FileInOutStringColl("L", aperto, testi); }), ErroreTipo);
}

TEST(FileDati, ReadsWindows1252WithAnyLineEndAndUtf8AfterAMark) {
  FileDati cp1252 = DaTesto("\"qualit\xE0 \x80\"\r1\n");
  std::string t;
  int n = 0;
  FileInOut("L", cp1252, t, n);
  EXPECT_EQ(t, "qualità €");
  EXPECT_EQ(n, 1);
  FileDati utf8 = DaTesto("\xEF\xBB\xBF\"qualità\"\r\n");
  FileInOut("L", utf8, t);
  EXPECT_EQ(t, "qualità");
}

TEST(FileDati, WritingReplacesTheFileOnlyWhenClosed) {
  AmbienteFile ambiente;
  ambiente.Scrivi("prova.txt", "vecchio\r\n");
  {
    FileDati file = FileDati::ApriScrittura(ambiente.Percorso("prova.txt"));
    file.ScriviRiga("nuovo \u2192");  // a character Windows-1252 lacks
    EXPECT_EQ(ambiente.Leggi("prova.txt"), "vecchio\r\n");
    file.Chiudi();
  }
  EXPECT_EQ(ambiente.Leggi("prova.txt"), "nuovo ?\r\n");
  {
    FileDati abbandonato = FileDati::ApriScrittura(ambiente.Percorso("prova.txt"));
    abbandonato.ScriviRiga("perso");
  }
  EXPECT_EQ(ambiente.Leggi("prova.txt"), "nuovo ?\r\n");
  EXPECT_EQ(ambiente.Nomi(), std::set<std::string>{"prova.txt"});
  EXPECT_EQ(NumeroErrore([&] { FileDati::ApriLettura(ambiente.Percorso("manca.txt")); }),
            ErroreFileNonTrovato);
  EXPECT_EQ(NumeroErrore([&] { FileDati::ApriScrittura(ambiente.Percorso("manca/x.txt")); }),
            ErroreAccesso);
  // The owner's permissions kept; read-only by its mode bits (root too) not replaced.
  namespace fs = std::filesystem;
  const std::string percorso = ambiente.Percorso("prova.txt");
  fs::permissions(percorso, fs::perms::owner_read | fs::perms::owner_write);
  FileDati privato = FileDati::ApriScrittura(percorso);
  privato.ScriviRiga("privato");
  privato.Chiudi();
  EXPECT_EQ(fs::status(percorso).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(percorso, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(NumeroErrore([&] { FileDati::ApriScrittura(percorso); }), ErroreSolaLettura);
  EXPECT_EQ(ambiente.Leggi("prova.txt"), "privato\r\n");
}

// A device or a file beyond the largest is refused unread, by its name.
TEST(FileDati, DevicesAndOversizedFilesRefusedUnread) {
  AmbienteFile ambiente;
  const std::string enorme = ambiente.Percorso("enorme.slu");
  ambiente.Scrivi("enorme.slu", "");
  std::filesystem::resize_file(enorme, FileDati::DimensioneMassima + 1);
  for (const std::string percorso : {std::string("/dev/null"), enorme}) {
    try {
      FileDati::ApriLettura(percorso);
      ADD_FAILURE() << percorso;
    } catch (const ErroreFile& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Il file " + percorso + " non può essere letto: ", 0), 0u);
    }
  }
}

TEST(FileInOut, NumbersThatCannotBeReadBackAreNotWritten) {
  AmbienteFile ambiente;
  ambiente.Scrivi("prova.txt", "vecchio\r\n");
  double nan = std::numeric_limits<double>::quiet_NaN();
  FileDati file = FileDati::ApriScrittura(ambiente.Percorso("prova.txt"));
  EXPECT_EQ(NumeroErrore([&] { FileInOut("S", file, nan); }), ErroreRecordIncompleto);
  EXPECT_EQ(ambiente.Leggi("prova.txt"), "vecchio\r\n");
}
