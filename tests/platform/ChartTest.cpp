#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "doppi/SistemaProva.h"
#include "platform/Chart.h"

using platform::Chart;

namespace {

class VistaProva : public platform::VistaChart {
 public:
  void ContenutoCambiato() override { ++contenuto; }
  void GeometriaCambiata() override { ++geometria; }
  void CopiaRichiesta() override { ++copie; }
  int contenuto = 0, geometria = 0, copie = 0;
};

void Scrivi(Chart& c, int riga, int colonna, const std::string& testo) {
  c.SetRow(riga);
  c.SetColumn(colonna);
  c.SetData(testo);
}

}  // namespace

TEST(Chart, TheCurrentCellReadsAndWritesTheTable) {
  Chart c;
  EXPECT_EQ(c.Row(), 0);
  EXPECT_THROW(c.SetData("1"), std::out_of_range);
  c.SetRowCount(3);
  c.SetColumnCount(2);
  EXPECT_EQ(c.Row(), 1);
  EXPECT_EQ(c.Column(), 1);
  Scrivi(c, 3, 2, "7,5");
  Scrivi(c, 1, 1, "a");
  EXPECT_EQ(c.Testo(3, 2), "7,5");
  c.SetRow(3);
  c.SetColumn(2);
  EXPECT_EQ(c.Data(), "7,5");
  EXPECT_THROW(c.SetRow(4), std::out_of_range);
  EXPECT_THROW(c.SetColumn(0), std::out_of_range);
  EXPECT_THROW(c.Testo(1, 3), std::out_of_range);

  c.SetRowCount(2);
  EXPECT_EQ(c.Row(), 2);
  c.SetRowCount(3);
  EXPECT_EQ(c.Testo(3, 2), "");  // a row cut and added again comes back empty
  c.SetRowCount(2);
  c.SetColumnCount(4);
  EXPECT_EQ(c.Testo(1, 1), "a");
  EXPECT_EQ(c.Testo(2, 4), "");
  c.SetRowCount(0);
  EXPECT_EQ(c.Row(), 0);
}

TEST(Chart, ResizedEitherWayTheCellsThatStayKeepTheirValuesAndTheRestComeEmpty) {
  // Against a table kept cell by cell: rows and columns cut and added in
  // turn, with texts and numbers in every cell written.
  Chart c;
  std::vector<std::vector<std::string>> attesa;
  int righe = 0, colonne = 0;
  unsigned seme = 7;
  for (int passo = 0; passo < 200; ++passo) {
    seme = seme * 1103515245u + 12345u;
    righe = static_cast<int>(seme >> 16) % 6;
    if (passo % 3 != 0) colonne = static_cast<int>(seme >> 8) % 7;
    c.SetRowCount(righe);
    c.SetColumnCount(colonne);
    attesa.resize(static_cast<size_t>(righe));
    for (auto& riga : attesa) riga.resize(static_cast<size_t>(colonne));
    for (int r = 1; r <= righe; ++r)
      for (int k = 1; k <= colonne; ++k)
        ASSERT_EQ(c.Testo(r, k), attesa[r - 1][k - 1]) << "passo " << passo;
    if (righe == 0 || colonne == 0) continue;
    const int r = static_cast<int>(seme >> 4) % righe + 1, k = static_cast<int>(seme >> 12) % colonne + 1;
    c.SetRow(r);
    c.SetColumn(k);
    if (passo % 2 == 0) {
      c.SetDataNumero(passo);
    } else {
      c.SetData("t" + std::to_string(passo));
    }
    attesa[r - 1][k - 1] = c.Testo(r, k);
  }
}

TEST(Chart, ANumberIsKeptAsItIsAndWrittenOnlyWhenItsTextIsRead) {
  const SeparatoriProva virgola(",", ".");
  Chart c;
  c.SetRowCount(1);
  c.SetColumnCount(4);
  VistaProva vista;
  c.ImpostaVista(&vista);
  const double valori[] = {0.1f, -0.0, 1.0 / 3 * 1E-5, 2E15};
  // 0.1f is 0.100000001490116119384765625: 15 significant digits.
  const char* testi[] = {"0,100000001490116", "0", "3,33333333333333E-06", "2E+15"};
  for (int k = 1; k <= 4; ++k) {
    c.SetColumn(k);
    c.SetDataNumero(valori[k - 1]);
    EXPECT_EQ(c.Numero(1, k), valori[k - 1]);
    EXPECT_EQ(c.Testo(1, k), testi[k - 1]);
  }
  EXPECT_EQ(vista.contenuto, 4);
  c.SetData("7,5");
  EXPECT_FALSE(c.Numero(1, 4));
  EXPECT_EQ(c.Data(), "7,5");
  c.ImpostaVista(nullptr);
}

TEST(Chart, SeriesItemsFollowTheColumnsEachPairWithItsOwnColour) {
  Chart c;
  c.SetColumnCount(4);
  EXPECT_THROW(c.SeriesCollection(5), std::out_of_range);
  const platform::SerieGrafico& prima = c.SeriesCollection(1);
  const platform::SerieGrafico& seconda = c.SeriesCollection(3);
  EXPECT_NE(prima.Pen.VtColor, seconda.Pen.VtColor);
  EXPECT_EQ(c.SeriesCollection(2).Pen.VtColor, prima.Pen.VtColor);
  EXPECT_EQ(seconda.DataPoint.Marker.FillColor, seconda.Pen.VtColor);
  EXPECT_FALSE(seconda.SeriesMarker.Show);

  c.SeriesCollection(3).LegendText = "M-NEd";
  c.SetColumnCount(2);
  c.SetColumnCount(4);
  EXPECT_EQ(c.SeriesCollection(3).LegendText, "");
  c.SeriesCollection(1).LegendText = "M-NRd";
  c.SetColumnCount(6);
  EXPECT_EQ(c.SeriesCollection(1).LegendText, "M-NRd");
}

TEST(Chart, TheViewIsToldOfChangesAndOfCopies) {
  Chart c;
  VistaProva vista;
  c.ImpostaVista(&vista);
  c.SetColumnCount(2);
  c.SetRowCount(1);
  Scrivi(c, 1, 1, "1");
  c.SeriesCollection(1).Pen.Width = 3;
  c.SetTitle("Dominio");
  c.SetUniformAxis(false);
  EXPECT_EQ(vista.contenuto, 6);
  c.SetRow(1);  // moving the current cell changes nothing shown
  EXPECT_EQ(vista.contenuto, 6);
  c.SetLeft(150);
  c.EditCopy();
  EXPECT_EQ(vista.geometria, 1);
  EXPECT_EQ(vista.copie, 1);
  c.ImpostaVista(nullptr);
  c.EditCopy();
  EXPECT_EQ(vista.copie, 1);
}
