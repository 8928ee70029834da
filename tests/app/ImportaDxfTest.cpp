#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <sstream>

#include "AmbienteFile.h"
#include "app/ImportaDxf.h"
#include "drawing/Dxf.h"
#include "platform/ErroreEsecuzione.h"

using namespace ImportaDxf;

namespace {

// Chooses the layers as a user would, and notes what it was shown.
class SceltaFissa : public SceltaLayerDxf {
 public:
  SceltaFissa(std::string contorno, std::string barre = "", std::string cavi = "",
              bool conferma = true)
      : contorno_(std::move(contorno)), barre_(std::move(barre)), cavi_(std::move(cavi)),
        conferma_(conferma) {}
  void MostraModale() override {
    ++volte;
    mostrati = Stato.LayerDxf;
    Stato.LayerContorno = contorno_;
    Stato.LayerBarre = barre_;
    Stato.LayerCavi = cavi_;
    Stato.LayerConfermati = conferma_;
  }
  int volte = 0;
  std::vector<std::string> mostrati;

 private:
  std::string contorno_, barre_, cavi_;
  bool conferma_;
};

// A group as a CAD writer that right-aligns codes in three characters writes
// it, lines ended by CR LF.
std::string G(int codice, const std::string& valore) {
  char campo[16];
  std::snprintf(campo, sizeof campo, "%3d", codice);
  return std::string(campo) + "\r\n" + valore + "\r\n";
}

std::string Tabella(const std::vector<std::string>& layer) {
  std::string s = G(0, "SECTION") + G(2, "TABLES") + G(0, "TABLE") + G(2, "LAYER") +
                  G(70, std::to_string(layer.size()));
  for (const std::string& nome : layer)
    s += G(0, "LAYER") + G(5, "10") + G(100, "AcDbSymbolTableRecord") +
         G(100, "AcDbLayerTableRecord") + G(2, nome) + G(70, "0") + G(62, "7");
  return s + G(0, "ENDTAB") + G(0, "ENDSEC");
}

struct V {
  std::string x, y;
  std::string bulge = "";
};

std::string Lw(const std::string& layer, const std::vector<V>& vertici) {
  std::string s = G(0, "LWPOLYLINE") + G(5, "2A") + G(100, "AcDbEntity") + G(8, layer) +
                  G(100, "AcDbPolyline") + G(90, std::to_string(vertici.size())) + G(70, "1");
  for (const V& v : vertici) {
    s += G(10, v.x) + G(20, v.y);
    if (!v.bulge.empty()) s += G(42, v.bulge);
  }
  return s;
}

std::string Cerchio(const std::string& layer, const std::string& x, const std::string& y,
                    const std::string& r) {
  return G(0, "CIRCLE") + G(5, "3B") + G(100, "AcDbEntity") + G(8, layer) +
         G(100, "AcDbCircle") + G(10, x) + G(20, y) + G(30, "0.0") + G(40, r);
}

std::string Dxf(const std::string& entita,
                const std::vector<std::string>& layer = {"0", "SEZIONE", "BARRE", "CAVI"}) {
  return Tabella(layer) + G(0, "SECTION") + G(2, "ENTITIES") + entita + G(0, "ENDSEC") +
         G(0, "EOF");
}

const std::string Rettangolo =
    Lw("SEZIONE", {{"0.0", "0.0"}, {"300.0", "0.0"}, {"300.0", "500.0"}, {"0.0", "500.0"}});

std::optional<SezioneDxf> Leggi(const std::string& testo, SceltaLayerDxf& scelta) {
  std::istringstream file(testo);
  return LeggeDXFLayer(file, scelta);
}

double Area(const SezioneDxf& s) {
  double doppia = 0;
  for (int i = 1; i <= s.nFigure; ++i) {
    const int j = i % s.nFigure + 1;
    doppia += double(s.Figure(i, 1)) * s.Figure(j, 2) - double(s.Figure(j, 1)) * s.Figure(i, 2);
  }
  return doppia / 2;
}

// Rows 1 to 4.
void AttendeRettangolo(const SezioneDxf& s) {
  ASSERT_GE(s.nFigure, 4);
  const float atteso[4][2] = {{0, 0}, {300, 0}, {300, 500}, {0, 500}};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(s.Figure(i, 0), 0);
    EXPECT_EQ(s.Figure(i, 1), atteso[i - 1][0]) << "vertice " << i;
    EXPECT_EQ(s.Figure(i, 2), atteso[i - 1][1]) << "vertice " << i;
  }
}

std::string Fixture(const std::string& nome) {
  const char* test = std::getenv("TRAMOK_TESTS");
  return (std::filesystem::path(test ? test : ".") / "app" / "fixtures" / nome).string();
}

class ImportaDxfTest : public ::testing::Test {
 protected:
  void SetUp() override { Stato = StatoImportaDxf{}; }
  void TearDown() override { Stato = StatoImportaDxf{}; }
  AmbienteFile ambiente;
};

TEST_F(ImportaDxfTest, OutlineAndBarsOnTheirLayersGiveTheRows) {
  // Areas: pi * 8^2 = 201.06 -> 201; centres 12.5 -> 12 and 13.5 -> 14 (ties to even).
  SceltaFissa scelta("SEZIONE", "BARRE");
  const auto s = Leggi(Dxf(Rettangolo + Cerchio("BARRE", "12.5", "13.5", "8.0") +
                           Cerchio("BARRE", "260", "40.0", "8") + Cerchio("0", "1", "1", "50")),
                       scelta);
  ASSERT_TRUE(s);
  EXPECT_EQ(scelta.mostrati, (std::vector<std::string>{"0", "SEZIONE", "BARRE", "CAVI"}));
  AttendeRettangolo(*s);
  ASSERT_EQ(s->nBarre, 2);
  EXPECT_EQ(s->Barre.Lb1(), 0);
  EXPECT_EQ(s->Barre(1, 1), 201);
  EXPECT_EQ(s->Barre(1, 2), 12);
  EXPECT_EQ(s->Barre(1, 3), 14);
  EXPECT_EQ(s->Barre(2, 1), 201);
  EXPECT_EQ(s->Barre(2, 2), 260);
  EXPECT_EQ(s->Barre(2, 3), 40);
  EXPECT_EQ(s->nCavi, 0);
  EXPECT_FALSE(s->ArchiSostituiti);
  EXPECT_EQ(s->nFigure, 4);
  EXPECT_TRUE(Stato.LayerConfermati);
  EXPECT_TRUE(ambiente.box.Testi().empty());

  // 0.01 mm, ties to even: 12.125 -> 12.12; -3.135 as a single is -3.13499999.
  const auto r = Leggi(Dxf(Lw("SEZIONE", {{"12.125", "0.125"}, {"100", "1.0E2"}, {"-3.135", "5"}})),
                       scelta);
  ASSERT_TRUE(r);
  EXPECT_FLOAT_EQ(r->Figure(1, 1), 12.12f);
  EXPECT_FLOAT_EQ(r->Figure(1, 2), 0.12f);
  EXPECT_FLOAT_EQ(r->Figure(2, 1), 100);
  EXPECT_FLOAT_EQ(r->Figure(2, 2), 100);
  EXPECT_FLOAT_EQ(r->Figure(3, 1), -3.13f);
}

TEST_F(ImportaDxfTest, EachClosingMessageFromItsDrawing) {
  struct Caso {
    const char* nome;
    std::string entita;
    SceltaFissa scelta;
    bool sezione;
    std::vector<std::string> messaggi;
  } casi[] = {
      {"second outline", Rettangolo + Cerchio("BARRE", "1", "1", "8") + Rettangolo,
       SceltaFissa("SEZIONE", "BARRE", "CAVI"), false, {MessaggioContornoNonUnivoco}},
      {"no outline", Cerchio("BARRE", "1", "1", "8") + Lw("0", {{"0", "0"}, {"1", "0"}}),
       SceltaFissa("SEZIONE", "BARRE"), false, {MessaggioContornoNonTrovato}},
      {"no outline nor bars", Rettangolo, SceltaFissa("BARRE", "SEZIONE", "CAVI"), false,
       {MessaggioContornoNonTrovato, MessaggioBarreNonTrovate, MessaggioCaviNonTrovati}},
      {"no bars", Rettangolo + Cerchio("CAVI", "1", "1", "8"), SceltaFissa("SEZIONE", "BARRE"),
       true, {MessaggioBarreNonTrovate}},
      {"no tendons", Rettangolo + Cerchio("BARRE", "1", "1", "8"),
       SceltaFissa("SEZIONE", "BARRE", "CAVI"), true, {MessaggioCaviNonTrovati}},
      {"one layer for bars and tendons", Rettangolo + Cerchio("CAVI", "1", "1", "8"),
       SceltaFissa("SEZIONE", "CAVI", "CAVI"), true, {MessaggioCaviNonTrovati}},
      {"arcs", Lw("SEZIONE", {{"0", "0"}, {"300", "0", "0.5"}, {"300", "500"}}),
       SceltaFissa("SEZIONE"), true, {MessaggioArchiSostituiti}},
      {"cancelled", Rettangolo, SceltaFissa("SEZIONE", "", "", false), false, {}},
  };
  for (Caso& caso : casi) {
    ambiente.box.Svuota();
    const auto s = Leggi(Dxf(caso.entita), caso.scelta);
    EXPECT_EQ(s.has_value(), caso.sezione) << caso.nome;
    EXPECT_EQ(Stato.LayerConfermati, caso.sezione) << caso.nome;
    EXPECT_EQ(ambiente.box.Testi(), caso.messaggi) << caso.nome;
    for (const auto& m : ambiente.box.Mostrati())
      EXPECT_EQ(m.icona, platform::Icona::Esclamazione) << caso.nome;
  }
}

TEST_F(ImportaDxfTest, BareCodesAndLineFeedsReadAsAlignedCrLf) {
  const std::string allineato = Dxf(Rettangolo + Cerchio("BARRE", "40", "40", "8") +
                                    Cerchio("CAVI", "150", "250", "7.5"));
  std::string nudo;  // codes without blanks, LF alone
  std::istringstream righe(allineato);
  bool codice = true;
  for (std::string riga; std::getline(righe, riga); codice = !codice) {
    riga.pop_back();  // the CR
    if (codice) riga.erase(0, riga.find_first_not_of(' '));
    nudo += riga + "\n";
  }
  std::string soloCr = allineato;
  std::erase(soloCr, '\n');

  SceltaFissa scelta("SEZIONE", "BARRE", "CAVI");
  const auto atteso = Leggi(allineato, scelta);
  ASSERT_TRUE(atteso);
  EXPECT_EQ(Leggi(nudo, scelta), atteso);
  EXPECT_EQ(Leggi(soloCr, scelta), atteso);
}

TEST_F(ImportaDxfTest, ArcsBecomeChordsWithinATenthOfAPercent) {
  // A whole circle from two half circles, a shallow arc, a three-quarter disc.
  const double r = 1000;
  struct Caso {
    std::vector<VerticeDxf> vertici;
    bool chiusa;
    double area;
  } casi[] = {
      {{{-r, 0, 1}, {r, 0, 1}}, true, std::numbers::pi * r * r},
      {{{0, 0, 0.05}, {1000, 0, 0}, {1000, 1000, 0}, {0, 1000, 0}}, true, 0},
      {{{0, 0, 0}, {r, 0, std::tan(3 * std::numbers::pi / 8)}, {0, -r, 0}}, true,
       3 * std::numbers::pi * r * r / 4},
  };
  // The shallow arc bulges out below: angle t = 4 atan(0.05), segment
  // ra^2/2 (t - sin t) with ra = 500 / sin(t/2).
  const double t = 4 * std::atan(0.05), ra = 500 / std::sin(t / 2);
  casi[1].area = 1e6 + ra * ra / 2 * (t - std::sin(t));
  for (const Caso& caso : casi) {
    const auto punti = ContornoConCorde(caso.vertici, caso.chiusa);
    double doppia = 0;
    for (std::size_t i = 0; i < punti.size(); ++i) {
      const auto& q = punti[(i + 1) % punti.size()];
      doppia += punti[i].real() * q.imag() - q.real() * punti[i].imag();
    }
    EXPECT_NEAR(std::fabs(doppia / 2), caso.area, 0.001 * caso.area);
    EXPECT_GT(punti.size(), caso.vertici.size());
  }
  // An open polyline's last bulge has no side to bend.
  EXPECT_EQ(ContornoConCorde({{0, 0, 0}, {1, 0, 0}, {1, 1, 1}}, false).size(), 3u);
}

TEST_F(ImportaDxfTest, TruncatedDrawingFailsBeforeTheChooserAtEveryCut) {
  const std::string intero = Dxf(Rettangolo + Cerchio("BARRE", "40", "40", "8"));
  const std::size_t marcatore = intero.rfind("EOF");
  for (std::size_t n = 0; n < marcatore + 3; n += 7) {
    SceltaFissa scelta("SEZIONE", "BARRE");
    try {
      Leggi(intero.substr(0, n), scelta);
      ADD_FAILURE() << "nessun errore a " << n;
    } catch (const platform::ErroreEsecuzione& errore) {
      EXPECT_STREQ(errore.what(), TestoFineFile);
    }
    EXPECT_EQ(scelta.volte, 0);
  }
  SceltaFissa scelta("SEZIONE", "BARRE");
  EXPECT_TRUE(Leggi(intero.substr(0, marcatore + 3), scelta));
}

TEST_F(ImportaDxfTest, ReadFailuresAreShownAndGiveNoSection) {
  std::vector<V> molti;
  for (int i = 0; i < 40000; ++i) molti.push_back({std::to_string(i), std::to_string(i % 2)});
  const struct {
    std::string testo;
    std::string messaggio;
  } casi[] = {
      {Dxf(Rettangolo).substr(0, 200), TestoFineFile},
      {Dxf(Lw("SEZIONE", {{"0", "0"}, {"1,5", "0"}, {"1", "1"}})),
       "Numero non valido nel file DXF: \"1,5\""},
      {Dxf(Rettangolo + G(0, "CIRCLE") + G(8, "BARRE") + G(10, "1") + G(20, "1")),
       "Entità CIRCLE incompleta nel file DXF: manca il codice 40."},
      {Dxf(Lw("SEZIONE", {{"0", "0"}, {"1", "0"}}) + G(10, "2")),
       "Entità LWPOLYLINE incompleta nel file DXF: manca il codice 20."},
      // pi * (1E20)^2 is beyond a single's range.
      {Dxf(Rettangolo + Cerchio("BARRE", "1", "1", "1E20")),
       "Una coordinata o un'area del disegno supera il massimo di un numero a singola precisione "
       "(3.4E+38)."},
      {Dxf(Lw("SEZIONE", molti)),
       "Il disegno ha 40000 vertici di contorno: una sezione ne può avere al più 32767."},
      {std::string("\xFF\xFE" "0\0\r\0\n\0", 8),
       "Il file è scritto in UTF-16: salvare il disegno come DXF di testo ASCII."},
      {Dxf(Lw("SEZIONE", {{"0", "0"}, {"1", "nan"}, {"1", "1"}})),
       "Numero non valido nel file DXF: \"nan\""},
  };
  for (const auto& caso : casi) {
    ambiente.box.Svuota();
    ambiente.Scrivi("prova.dxf", caso.testo);
    SceltaFissa scelta("SEZIONE", "BARRE");
    EXPECT_FALSE(ImportaFileDxf(ambiente.Percorso("prova.dxf"), scelta));
    EXPECT_FALSE(Stato.LayerConfermati);
    EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>{"Il disegno " + ambiente.Percorso("prova.dxf") +
                                                             " non può essere importato.\r\n" + caso.messaggio});
  }
  SceltaFissa scelta("SEZIONE");
  EXPECT_FALSE(ImportaFileDxf(ambiente.Percorso("manca.dxf"), scelta));
  EXPECT_EQ(ambiente.box.Testi().size(), 2u);
  std::filesystem::create_directory(ambiente.Percorso("cartella.dxf"));
  EXPECT_FALSE(ImportaFileDxf(ambiente.Percorso("cartella.dxf"), scelta));
  EXPECT_NE(ambiente.box.Testi().back().find("cartella.dxf non può essere letto: è una cartella."),
            std::string::npos);
}

TEST_F(ImportaDxfTest, EntityStartsNeedGroupCodeZero) {
  // A text reading "CIRCLE" on the bar layer is a text; its height is no radius.
  SceltaFissa scelta("SEZIONE", "BARRE");
  const auto s = Leggi(Dxf(Rettangolo + G(0, "TEXT") + G(8, "BARRE") + G(10, "5") + G(20, "5") +
                           G(40, "25") + G(1, "CIRCLE") + Cerchio("BARRE", "40", "40", "8")),
                       scelta);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->nBarre, 1);
  EXPECT_EQ(s->Barre(1, 1), 201);
}

TEST_F(ImportaDxfTest, DecimalPointBecomesTheRegionalSeparator) {
  std::string testo = "12.5.1";
  ambiente.sistema.ImpostaSeparatori(",", ".");
  EXPECT_EQ(ToglieDecimali(testo), "12,5.1");
  EXPECT_EQ(testo, "12,5.1");
  std::string intero = "100";
  EXPECT_EQ(ToglieDecimali(intero), "100");
  // The numbers of the file read the same whatever the locale.
  SceltaFissa scelta("SEZIONE", "BARRE");
  const std::string disegno = Dxf(Rettangolo + Cerchio("BARRE", "12.5", "13.5", "8.0"));
  const auto virgola = Leggi(disegno, scelta);
  ambiente.sistema.ImpostaSeparatori(".", ",");
  EXPECT_EQ(Leggi(disegno, scelta), virgola);
}

// The section every drawing below holds: see tests/app/genera_dxf.py.
void AttendeSezione(const SezioneDxf& s, bool cavi) {
  ASSERT_EQ(s.nBarre, 4);
  const float barre[4][2] = {{40, 40}, {260, 40}, {260, 460}, {40, 460}};
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(s.Barre(i, 1), 201);
    EXPECT_EQ(s.Barre(i, 2), barre[i - 1][0]);
    EXPECT_EQ(s.Barre(i, 3), barre[i - 1][1]);
  }
  if (!cavi) return;
  // pi * 7.5^2 = 176.71 -> 177, no prestress.
  ASSERT_EQ(s.nCavi, 1);
  EXPECT_EQ(s.Cavi(1, 1), 177);
  EXPECT_EQ(s.Cavi(1, 2), 150);
  EXPECT_EQ(s.Cavi(1, 3), 250);
  EXPECT_EQ(s.Cavi(1, 4), 0);
}

TEST_F(ImportaDxfTest, EzdxfDrawingsInR12AndR2000GiveTheSameSection) {
  SceltaFissa scelta("SEZIONE", "BARRE", "CAVI");
  const auto r12 = ImportaFileDxf(Fixture("sezione_r12.dxf"), scelta);
  ASSERT_TRUE(r12);
  EXPECT_EQ(scelta.mostrati,
            (std::vector<std::string>{"0", "Defpoints", "SEZIONE", "BARRE", "CAVI", "QUOTE"}));
  const auto r2000 = ImportaFileDxf(Fixture("sezione_r2000.dxf"), scelta);
  ASSERT_TRUE(r2000);
  EXPECT_EQ(r12->nFigure, 4);
  AttendeRettangolo(*r12);
  AttendeSezione(*r12, true);
  EXPECT_EQ(r12, r2000);
  EXPECT_TRUE(ambiente.box.Testi().empty());

  // The same arcs in both layouts, one bulging out, the other cut in.
  SceltaFissa contorno("SEZIONE");
  const auto fuori = ImportaFileDxf(Fixture("archi_r2000.dxf"), contorno);
  const auto dentro = ImportaFileDxf(Fixture("archi_r12.dxf"), contorno);
  ASSERT_TRUE(fuori && dentro);
  EXPECT_EQ(ambiente.box.Testi(), std::vector<std::string>(2, MessaggioArchiSostituiti));
  const double mezzoCerchio = std::numbers::pi * 150 * 150 / 2;
  EXPECT_NEAR(Area(*fuori), 120000 + mezzoCerchio, 0.001 * (120000 + mezzoCerchio));
  EXPECT_NEAR(Area(*dentro), 120000 - mezzoCerchio, 0.001 * (120000 - mezzoCerchio));
  // Every vertex kept in order; the chords on the circle about (150, 400).
  for (const SezioneDxf* s : {&*fuori, &*dentro}) {
    EXPECT_EQ(s->Figure(2, 1), 300);
    EXPECT_EQ(s->Figure(3, 2), 400);
    EXPECT_EQ(s->Figure(s->nFigure, 1), 0);
    EXPECT_EQ(s->Figure(s->nFigure, 2), 400);
    for (int i = 4; i < s->nFigure; ++i)
      EXPECT_NEAR(std::hypot(s->Figure(i, 1) - 150.0, s->Figure(i, 2) - 400.0), 150, 0.01);
  }
}

TEST_F(ImportaDxfTest, DrawingOfTheProgramsOwnWriterReadsBack) {
  const std::string percorso = ambiente.Percorso("scritto.dxf");
  Grafica::ApriFileDxf(percorso, 1);
  const Vettore<double> x{0.0, 300.0, 300.0, 0.0}, y{0.0, 0.0, 500.0, 500.0};
  Grafica::PoligonoChiusoDxf(4, x, y);
  for (const auto& [cx, cy] : {std::pair{40.0, 40.0}, {260.0, 40.0}, {260.0, 460.0}, {40.0, 460.0}})
    Grafica::CerchioDxf(cx, cy, 8.0);
  Grafica::TestoDxf(10.0, 10.0, 25.0, "CIRCLE");
  Grafica::ChiudiFileDxf();

  // Everything is on layer "0" and the file has no layer table.
  SceltaFissa scelta("0", "0");
  const auto s = ImportaFileDxf(percorso, scelta);
  ASSERT_TRUE(s);
  EXPECT_EQ(scelta.mostrati, std::vector<std::string>{"0"});
  AttendeSezione(*s, false);
  // The writer closes the outline by repeating its first point, kept as a vertex.
  ASSERT_EQ(s->nFigure, 5);
  AttendeRettangolo(*s);
  EXPECT_EQ(s->Figure(5, 1), 0);
  EXPECT_EQ(s->Figure(5, 2), 0);
}

}  // namespace
