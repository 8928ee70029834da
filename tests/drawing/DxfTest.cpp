#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "AmbienteDisegno.h"
#include "CartellaProva.h"
#include "drawing/Dxf.h"
#include "drawing/Grafica_Disegno.h"
#include "platform/ErroreEsecuzione.h"

using namespace Grafica;

namespace {

// The lines of a file ended by CR LF; a line ended otherwise fails the test.
std::vector<std::string> Righe(const std::string& contenuto) {
  std::vector<std::string> righe;
  std::size_t inizio = 0;
  while (inizio < contenuto.size()) {
    const std::size_t fine = contenuto.find("\r\n", inizio);
    if (fine == std::string::npos) {
      ADD_FAILURE() << "riga senza CR LF: " << contenuto.substr(inizio);
      break;
    }
    EXPECT_EQ(contenuto.find('\n', inizio), fine + 1);
    righe.push_back(contenuto.substr(inizio, fine - inizio));
    inizio = fine + 2;
  }
  return righe;
}

using Linee = std::vector<std::string>;

const Linee Testa{"  0", "SECTION", "  2", "ENTITIES"};
const Linee Coda{"  0", "ENDSEC", "  0", "EOF"};

class Dxf : public AmbienteDisegno {
 protected:
  void TearDown() override {
    InterrompiFileDxf();
    AmbienteDisegno::TearDown();
  }
  // The entity lines of a file drawn by disegna, between header and trailer.
  template <class Disegno>
  Linee Entita(Disegno disegna) {
    const std::string nome = cartella / "prova.dxf";
    ApriFileDxf(nome, 1);
    disegna();
    ChiudiFileDxf();
    Linee righe = Righe(LeggiFile(nome));
    EXPECT_TRUE(righe.size() >= 8);
    EXPECT_EQ(Linee(righe.begin(), righe.begin() + 4), Testa);
    EXPECT_EQ(Linee(righe.end() - 4, righe.end()), Coda);
    return Linee(righe.begin() + 4, righe.end() - 4);
  }

  CartellaProva cartella;
};

}  // namespace

TEST_F(Dxf, FileWithoutEntitiesIsTheSectionAlone) {
  const std::string nome = cartella / "vuoto.dxf";
  // An existing file is emptied.
  { std::ofstream(nome) << "vecchio contenuto\n"; }
  ApriFileDxf(nome, 3);
  EXPECT_EQ(Stato.FileDxf, 3);
  ChiudiFileDxf();
  Linee attese = Testa;
  attese.insert(attese.end(), Coda.begin(), Coda.end());
  EXPECT_EQ(Righe(LeggiFile(nome)), attese);
}

TEST_F(Dxf, LineAndCircleCarryLayerColourInSixCharactersAndZ) {
  const Linee righe = Entita([] {
    ImpostaColore(13, "DXF");
    LineaDxf(12.5, -0.25, 1e-7, 123456789.0);
    ImpostaColore(7, "DXF");
    CerchioDxf(1.5f, 2.0f, 0.1f);
  });
  EXPECT_EQ(righe, (Linee{"  0", "LINE",  "  8", "0",   " 62", "    13", " 10", "12.5", " 20",
                          "-0.25", " 30", "0.0", " 11", "1e-07",  " 21", "123456789", " 31",
                          "0.0",  "  0", "CIRCLE", "  8", "0", " 62", "     7", " 10", "1.5",
                          " 20",  "2",   " 30", "0.0", " 40", "0.1"}));
}

TEST_F(Dxf, NumbersKeepTheirPrecisionSevenDigitsForSinglesFifteenForDoubles) {
  EXPECT_EQ(NumeroDxf(12.3f), "12.3");
  EXPECT_EQ(NumeroDxf(static_cast<double>(12.3f)), "12.3000001907349");
  EXPECT_EQ(NumeroDxf(1234.5678f), "1234.568");
  EXPECT_EQ(NumeroDxf(1234.56789012345678), "1234.56789012346");
  EXPECT_EQ(NumeroDxf(-0.001), "-0.001");
  EXPECT_EQ(NumeroDxf(1e20), "1e+20");
  EXPECT_EQ(NumeroDxf(0), "0");
}

TEST_F(Dxf, PolylinesWriteTheirVerticesAndClosedOnesRepeatTheFirst) {
  Vettore<float> x{0, 4, 4};
  Vettore<double> y{0, 0, 3.5};
  const Linee righe = Entita([&] {
    ImpostaColore(1, "DXF");
    PoligonoChiusoDxf(3, x, y);
    PoligonaleDxf(3, x, y);
  });
  const Linee testa{"  0", "POLYLINE", "  8", "0", " 66", "     1", " 62", "     1",
                    " 10", "0.0",      " 20", "0.0", " 30", "0.0"};
  auto vertice = [](const char* vx, const char* vy) {
    return Linee{"  0", "VERTEX", "  8", "0", " 10", vx, " 20", vy, " 30", "0.0"};
  };
  Linee attese;
  for (bool chiusa : {true, false}) {
    attese.insert(attese.end(), testa.begin(), testa.end());
    for (const Linee& v : {vertice("0", "0"), vertice("4", "0"), vertice("4", "3.5")})
      attese.insert(attese.end(), v.begin(), v.end());
    if (chiusa) {
      const Linee primo = vertice("0", "0");
      attese.insert(attese.end(), primo.begin(), primo.end());
    }
    attese.insert(attese.end(), {"  0", "SEQEND", "  8", "0"});
  }
  EXPECT_EQ(righe, attese);
}

TEST_F(Dxf, TextIsOneLineInTheWesternCodePage) {
  const Linee righe = Entita([] {
    ImpostaColore(13, "DXF");
    TestoDxf(10, 20, 2.5, "N = 1,5 \"kN\"");
    TestoDxf(0, 0, 1, "Riga 1\r\nRiga 2\nRiga 3\rfine");
    TestoDxf(0, 0, 1, "Tensione σ in N/mm² è 5 €");
  });
  EXPECT_EQ(Linee(righe.begin(), righe.begin() + 16),
            (Linee{"  0", "TEXT", "  8", "0", " 62", " 13 ", " 10", "10", " 20", "20", " 30",
                   "0.0", " 40", "2.5", "  1", "N = 1,5 \"kN\""}));
  EXPECT_EQ(righe[31], "Riga 1 Riga 2 Riga 3 fine");
  EXPECT_EQ(righe[47], "Tensione ? in N/mm\xB2 \xE8 5 \x80");
}

TEST_F(Dxf, TheDrawingInterfaceWritesIntoTheOpenFile) {
  const Linee righe = Entita([] {
    ImpostaDispositivo(1, "DXF", nullptr);
    ImpostaOffsetY(10);
    ImpostaColore(5);
    Vettore<double> x{0, 1}, y{0, 2};
    EXPECT_TRUE(PlottaLinea(0, 0, 1, 4, 2));
    EXPECT_TRUE(PlottaPoligonale(2, x, y, 1));
    EXPECT_TRUE(PlottaTesto(0, 0, 2, "A", 1, true));
  });
  // y = 10 + y / 2 for the line.
  EXPECT_EQ(Linee(righe.begin() + 8, righe.begin() + 16),
            (Linee{" 20", "10", " 30", "0.0", " 11", "1", " 21", "12"}));
  // n = 2 closed gives three vertices.
  EXPECT_EQ(std::count(righe.begin(), righe.end(), "VERTEX"), 3);
  // The marker lowers the text by 1.5 heights.
  const auto testo = std::find(righe.begin(), righe.end(), "TEXT");
  ASSERT_NE(testo, righe.end());
  EXPECT_EQ(*(testo + 8), "7");
}

TEST_F(Dxf, FileErrorsAreRaisedWithTheirNumbers) {
  auto numero = [](auto operazione) {
    try {
      operazione();
    } catch (const platform::ErroreEsecuzione& e) {
      return e.Numero();
    }
    return 0;
  };
  // No file open.
  EXPECT_EQ(numero([] { LineaDxf(0, 0, 1, 1); }), 52);
  EXPECT_EQ(numero([] { ChiudiFileDxf(); }), 52);
  // A folder that is not there.
  EXPECT_EQ(numero([&] { ApriFileDxf(cartella / "manca/prova.dxf", 1); }), 76);
  // One file at a time: the open one is left as it is.
  const std::string primo = cartella / "primo.dxf";
  ApriFileDxf(primo, 1);
  EXPECT_EQ(numero([&] { ApriFileDxf(cartella / "secondo.dxf", 1); }), 55);
  CerchioDxf(0, 0, 1);
  ChiudiFileDxf();
  EXPECT_EQ(Righe(LeggiFile(primo)).size(), 8u + 14u);
  // A full disk shows when the data reach it; the file is closed all the same.
  ApriFileDxf("/dev/full", 1);
  EXPECT_EQ(numero([] { ChiudiFileDxf(); }), 61);
  EXPECT_EQ(numero([] { LineaDxf(0, 0, 1, 1); }), 52);
}

// What a CAD program could not read back never reaches the file: entities
// with a number that is not finite and polylines of fewer than two vertices are left out; a
// colour outside 0..256 goes by layer; control characters become blanks.
TEST_F(Dxf, UnreadableValuesAreLeftOutOrCleaned) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Linee vuote = Entita([&] {
    LineaDxf(0.0, 0.0, inf, 1.0);
    LineaDxf(nan, 0.0, 1.0, 1.0);
    CerchioDxf(0.0, 0.0, -1.0);
    CerchioDxf(0.0, inf, 1.0);
    TestoDxf(0.0, nan, 2.0, "x");
    const Vettore<double> x{0, 1}, y{0, nan};
    PoligonaleDxf(2, x, y);
    PoligonoChiusoDxf(1, x, x);
    PoligonaleDxf(0, x, x);
  });
  EXPECT_EQ(vuote, Linee{});

  Stato.ColoreCorrente = 999;
  const Linee testo = Entita([] { TestoDxf(1.0, 2.0, 3.0, "a\tb\x01" "c\x7F"); });
  ASSERT_EQ(testo.size(), 16u);
  EXPECT_EQ(testo[5], " 256 ");
  EXPECT_EQ(testo[15], "a b c ");
  Stato.ColoreCorrente = -3;
  const Linee linea = Entita([] { LineaDxf(0.0, 0.0, 1.0, 1.0); });
  ASSERT_GE(linea.size(), 6u);
  EXPECT_EQ(linea[5], "   256");
}

// The drawing saved before stays whole until the new one is complete, and
// a link is written through.
TEST_F(Dxf, TheOldFileStaysUntilTheNewOneIsClosed) {
  const std::string nome = cartella / "disegno.dxf";
  { std::ofstream(nome) << "vecchio\n"; }
  ApriFileDxf(nome, 1);
  LineaDxf(0.0, 0.0, 1.0, 1.0);
  EXPECT_EQ(LeggiFile(nome), "vecchio\n");
  InterrompiFileDxf();
  EXPECT_EQ(LeggiFile(nome), "vecchio\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.Percorso()), {}), 1);

  const std::string link = cartella / "link.dxf";
  std::filesystem::create_symlink("disegno.dxf", link);
  ApriFileDxf(link, 1);
  ChiudiFileDxf();
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(Righe(LeggiFile(nome)).size(), 8u);
}
