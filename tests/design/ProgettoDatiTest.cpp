// Options, their first-time defaults and the reading of the inputs.
#include <cmath>

#include "ProgettoProva.h"

using VariabiliPubbliche::Stato;

namespace {

TEST_F(ProgettoProva, FirstTimeDefaultsFollowTheVerificationType) {
  Stato.OpzioniProgetto = false;
  Stato.TipoVerifica = 1;
  Stato.EpsSProgetto = 0;
  modello_.OpzioniInizializza();
  EXPECT_TRUE(Stato.OpzioniProgetto);
  EXPECT_EQ(Stato.TipoVerificaProgetto, 1);
  EXPECT_EQ(C("OpTipoVerifica", 1).Value(), 1);
  EXPECT_EQ(C("OpTipoVerifica", 0).Value(), 0);
  EXPECT_EQ(C("DiaMin").Text(), "16");
  EXPECT_EQ(C("DiaMax").Text(), "20");
  EXPECT_EQ(C("ComboStaffe").Text(), " 8");
  EXPECT_EQ(C("ComboBracci").Text(), "4 ");
  EXPECT_EQ(C("ComboReggi").Text(), "12");
  EXPECT_EQ(C("chkAutoDiametri").Value(), 1);
  EXPECT_TRUE(C("DiaMin").Enabled());
  EXPECT_FALSE(C("chkFi", 2).Enabled());
  EXPECT_EQ(C("chkFiC", 0).Value(), 1);
  EXPECT_EQ(C("chkFiC", 1).Value(), 0);
  EXPECT_EQ(C("comboFi", 2).Text(), "20");
  EXPECT_EQ(C("OptionFissa", 0).Value(), 1);
  // Concrete and steel fail together: eps_s = 0.01 = 5.11 eps_yd, x/d =
  // 3.5/13.5 and the redistribution 0.44 + 1.25 x/d.
  EXPECT_NEAR(Stato.EpsSProgetto, 0.01, 1e-9);
  EXPECT_EQ(C("txtEpsS").Text(), "5.11");
  EXPECT_EQ(C("Slider1").Value(), 51);
  EXPECT_EQ(C("txtxSud", 0).Text(), "0.259");
  EXPECT_EQ(C("txtxSud", 1).Text(), "0.764");
  // Later openings keep what was chosen.
  Stato.DiametroMinimo = 24;
  Stato.TipoVerifica = 0;
  modello_.OpzioniInizializza();
  EXPECT_EQ(Stato.DiametroMinimo, 24);
  EXPECT_EQ(Stato.TipoVerificaProgetto, 1);
}

// Manual rows: bottom 16 (2 fixed) and 20; top 12.
class Zone : public ProgettoProva {
 protected:
  Zone() {
    Dati(150, 0, 500, 300);
    C("chkAutoDiametri").SetValue(0);
    C("chkFi", 0).SetValue(1);
    C("comboFi", 0).SetText("16");
    C("txtNfi", 0).SetText("2");
    C("chkFi", 1).SetValue(1);
    C("comboFi", 1).SetText("20");
    C("txtNfi", 1).SetText("0");
    C("chkFiC", 0).SetValue(1);
    C("comboFiC", 0).SetText("12");
  }
};

TEST_F(Zone, PositiveMomentPutsTheBottomRowsInTension) {
  ASSERT_TRUE(modello_.LeggiOpzioni());
  EXPECT_EQ(modello_.SegnoMomento, 1);
  EXPECT_EQ(modello_.DiametriTesi, (std::vector<int>{16, 20}));
  EXPECT_EQ(modello_.DiametriCompressi, (std::vector<int>{12}));
  ASSERT_EQ(modello_.BarreFisseTese.size(), 3u);
  EXPECT_NEAR(modello_.BarreFisseTese[0], 2 * M_PI * 64, 1e-3);
  EXPECT_EQ(modello_.BarreFisseTese[1], 2);
}

TEST_F(Zone, NegativeOrZeroMomentPutsTheTopRowsInTension) {
  C("F_Mxsd", 0).SetText("-150");
  ASSERT_TRUE(modello_.LeggiOpzioni());
  EXPECT_EQ(modello_.AzioneMx[0], 150e6);
  EXPECT_EQ(Stato.OpzioniAzioniProgetto[0], -1);
  EXPECT_EQ(modello_.SegnoMomento, -1);
  EXPECT_EQ(modello_.DiametriTesi, (std::vector<int>{12}));
  EXPECT_EQ(modello_.DiametriCompressi, (std::vector<int>{16, 20}));
  C("F_Mxsd", 0).SetText("0");
  ASSERT_TRUE(modello_.LeggiOpzioni());
  EXPECT_EQ(modello_.SegnoMomento, 0);
  EXPECT_EQ(modello_.DiametriTesi, (std::vector<int>{12}));
}

// A shear of 1E308 kN would leave a stirrup pitch of 0 ("φ8/0"): actions out
// of their range are refused and named; 1E9 kN is the last one taken.
TEST_F(Zone, ActionsOutOfRangeAreRefused) {
  C("F_Vsd", 0).SetText("1E308");
  EXPECT_FALSE(modello_.LeggiOpzioni());
  ASSERT_EQ(msg_.Testi().size(), 1u);
  EXPECT_EQ(msg_.Testi()[0].rfind("V non è un numero finito", 0), 0u) << msg_.Testi()[0];
  C("F_Vsd", 0).SetText("1E9");
  EXPECT_TRUE(modello_.LeggiOpzioni());
  EXPECT_EQ(Stato.AzioneV[0], 1e12f);
  C("F_Mxsd", 1).SetText("-2E11");
  EXPECT_FALSE(modello_.LeggiOpzioni());
  EXPECT_EQ(msg_.Testi().back().rfind("M = -200000000000 kNm", 0), 0u) << msg_.Testi().back();
}

TEST_F(Zone, AZoneWithoutDiametersIsRefused) {
  C("chkFiC", 0).SetValue(0);
  EXPECT_FALSE(modello_.LeggiDati());
  EXPECT_EQ(msg_.Testi(), std::vector<std::string>{
                              "Deve essere selezionato almeno un diametro per l'armatura tesa e "
                              "compressa"});
}

TEST_F(ProgettoProva, AutomaticRange) {
  Dati(150, 0, 500, 300);
  C("DiaMin").SetText("24");
  C("DiaMax").SetText("26");
  ASSERT_TRUE(modello_.LeggiOpzioni());
  EXPECT_EQ(modello_.DiametriTesi, (std::vector<int>{24, 26}));
  ASSERT_TRUE(modello_.LeggiDati());
  ASSERT_TRUE(modello_.Progetta());
  ASSERT_GT(modello_.AsTesaEffettiva, 0);
  // Six diameters: refused before any sizing, the bars of the last run gone.
  C("DiaMin").SetText("16");
  EXPECT_FALSE(modello_.LeggiDati());
  EXPECT_EQ(msg_.Testi().back(), "Numero massimo diametri = 3");
  EXPECT_TRUE(modello_.CombinazioniTese.empty());
  EXPECT_TRUE(modello_.CombinazioniCompresse.empty());
  EXPECT_EQ(modello_.AsTesaEffettiva, 0);
  EXPECT_EQ(modello_.CombinazioneCompressa[0], 0);
}

// c = 20 / 2 + 20 + 8 = 38; 3c = 114 > 100: 150 with steps of 50.
TEST_F(ProgettoProva, ShallowDepthEnlarged) {
  Dati(150, 0, 100, 300, 20, 0, 50);
  Stato.PassoArrotondamento[0] = 50;
  ASSERT_TRUE(modello_.LeggiDati());
  EXPECT_EQ(modello_.DistanzaFerri, 38);
  EXPECT_EQ(modello_.AltezzaSezione, 150);
  EXPECT_EQ(modello_.AltezzaUtile, 112);
  EXPECT_EQ(C("txtSez", 0).Text(), " 150");
  EXPECT_EQ(msg_.Testi(),
            std::vector<std::string>{"L'altezza della sezione, troppo piccola, viene aumentata"});
}

TEST_F(ProgettoProva, InputsBroughtWithinRange) {
  Dati(150, -80, 500, 300, 20, 120);
  EXPECT_FALSE(modello_.LeggiDati());  // refused, not brought to 99 %
  EXPECT_EQ(msg_.Testi(), std::vector<std::string>{"A's/As deve essere < 100"});
  C("txtPro", 1).SetText("99");
  C("txtCotTeta").SetText("3");
  ASSERT_TRUE(modello_.LeggiDati());
  EXPECT_FLOAT_EQ(Stato.RapportoAsCompressa, 0.99f);
  EXPECT_EQ(Stato.CotTeta, 2.5f);
  EXPECT_EQ(C("txtCotTeta").Text(), "2.5");
  // A shear of either sign needs the same stirrups.
  EXPECT_EQ(Stato.AzioneV[0], 80000);
  C("txtCotTeta").SetText("0.5");
  ASSERT_TRUE(modello_.LeggiDati());
  EXPECT_EQ(Stato.CotTeta, 1);
  EXPECT_EQ(C("txtCotTeta").Text(), "1");
  // Refused: a negative cover, a fixed width of nothing.
  C("txtPro", 0).SetText("-5");
  EXPECT_FALSE(modello_.LeggiDati());
  Dati(150, 0, 500, 0);
  Stato.DimensioneFissa = 1;
  EXPECT_FALSE(modello_.LeggiDati());
  // 1 mm holds no cover: stirrups of 8 and bars of 20 need 2 x 8 + 3 x 20 = 76 mm, named by
  // the width; at 77 a cover under (77 - 16 - 20) / 2 - 20 = 0.5 fits.
  for (const auto& [b, c, atteso] :
       {std::tuple{1.0, 0.0, "B = 1 mm: deve essere maggiore di 76 mm;"}, {77.0, 0.4, ""}}) {
    Dati(150, 0, 500, b, c);
    msg_.Svuota();
    EXPECT_EQ(modello_.LeggiDati(), *atteso == 0);
    const std::string primo = msg_.Testi().empty() ? "" : msg_.Testi()[0];
    EXPECT_EQ(primo.substr(0, primo.find('\r')), atteso);
  }
}

}  // namespace
