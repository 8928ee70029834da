#include <gtest/gtest.h>

#include "AmbienteDisegno.h"
#include "drawing/Autocad.h"
#include "drawing/DispositivoAutocad.h"
#include "drawing/Grafica_Disegno.h"
#include "platform/AutoCadRegistrato.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/MsgBoxScriptato.h"

using namespace Grafica;
using platform::ChiamataAutoCad;

namespace {

const char* const Versionata = "AutoCAD.Application.17";
const char* const Generica = "AutoCAD.Application";
const char* const MessaggioAssente =
    "Impossibile aprire Autocad.\r\nControllare che la versione di Autocad non sia LT";

class Autocad : public AmbienteDisegno {
 protected:
  std::vector<std::string> Membri(const std::string& oggetto = {}) const {
    std::vector<std::string> membri;
    for (const ChiamataAutoCad& c : oggetto.empty() ? autocad.Chiamate() : autocad.Chiamate(oggetto))
      membri.push_back(c.oggetto + "." + c.membro + (c.testo.empty() ? "" : " " + c.testo));
    return membri;
  }

  platform::MsgBoxScriptato messaggi;
  platform::AutoCadRegistrato autocad;
  DispositivoAutocad dwg{"DWG", [] { return std::string("C:\\Windows"); }};
  DispositivoAutocad blocco{"BLOCCO", [] { return std::string("C:\\Windows"); }};
};

}  // namespace

TEST_F(Autocad, TheVersionedClassComesFirstThenTheGenericOneRunningOrStarted) {
  autocad.Registra(Generica, true, "AutoCAD generico");
  auto versionata = autocad.Registra(Versionata, true, "AutoCAD 2009");
  ASSERT_TRUE(AvviaAutocad());
  EXPECT_EQ(Stato.ApplicazioneAutocad, versionata);
  EXPECT_EQ(Stato.DocumentoAutocad, versionata->documento);
  EXPECT_EQ(Stato.ModelSpaceAutocad, versionata->documento->ModelSpace());
  EXPECT_EQ(Membri(), (std::vector<std::string>{"Automazione.GetObject AutoCAD.Application.17",
                                                "Application.Visible AutoCAD 2009",
                                                "Automazione.AppActivate AutoCAD 2009"}));
  // Only the generic class, not running: it is started.
  platform::AutoCadRegistrato altro;
  auto generica = altro.Registra(Generica, false, "AutoCAD");
  std::vector<std::string> classi;
  ASSERT_TRUE(AvviaAutocad());
  for (const ChiamataAutoCad& c : altro.Chiamate("Automazione")) classi.push_back(c.membro + " " + c.testo);
  EXPECT_EQ(classi, (std::vector<std::string>{
                        "GetObject AutoCAD.Application.17", "CreateObject AutoCAD.Application.17",
                        "GetObject AutoCAD.Application", "CreateObject AutoCAD.Application",
                        "AppActivate AutoCAD"}));
  EXPECT_EQ(Stato.ApplicazioneAutocad, generica);
  EXPECT_TRUE(messaggi.Mostrati().empty());
}

TEST_F(Autocad, WithNoAutocadTheUserIsToldAndNothingIsAttached) {
  // The platform's own automation reaches no AutoCAD.
  platform::ImpostaAutoCadAutomazione(nullptr);
  EXPECT_FALSE(AvviaAutocad());
  ASSERT_EQ(messaggi.Mostrati().size(), 1u);
  EXPECT_EQ(messaggi.Mostrati()[0].testo, MessaggioAssente);
  EXPECT_EQ(messaggi.Mostrati()[0].icona, platform::Icona::Critica);
  EXPECT_EQ(Stato.ApplicazioneAutocad, nullptr);
  EXPECT_EQ(Stato.ModelSpaceAutocad, nullptr);
  // Drawing on "DWG" then raises, it does not crash.
  ImpostaDispositivo(1, "DWG", nullptr);
  try {
    PlottaLinea(0, 0, 1, 1, 1);
    ADD_FAILURE() << "nessun errore";
  } catch (const platform::ErroreEsecuzione& e) {
    EXPECT_EQ(e.Numero(), platform::Errori::VariabileOggettoNonImpostata);
  }
  // The recording one, with no class registered, answers the same way.
  platform::ImpostaAutoCadAutomazione(&autocad);
  EXPECT_FALSE(AvviaAutocad());
  EXPECT_EQ(Membri("Automazione").size(), 4u);
}

TEST_F(Autocad, WithoutAnActiveDocumentThePreviousOneIsKept) {
  auto prima = autocad.Registra(Versionata, true, "AutoCAD");
  ASSERT_TRUE(AvviaAutocad());
  const auto documento = Stato.DocumentoAutocad;
  const auto modelSpace = Stato.ModelSpaceAutocad;
  prima->documento = nullptr;
  EXPECT_TRUE(AvviaAutocad());
  EXPECT_EQ(Stato.DocumentoAutocad, documento);
  EXPECT_EQ(Stato.ModelSpaceAutocad, modelSpace);
  // A window that cannot be brought to the front does not matter either.
  platform::AutoCadRegistrato senzaFinestra;
  auto applicazione = senzaFinestra.Registra(Generica, true, "");
  EXPECT_TRUE(AvviaAutocad());
  EXPECT_EQ(Stato.ApplicazioneAutocad, applicazione);
  EXPECT_EQ(Stato.DocumentoAutocad, applicazione->documento);
  EXPECT_EQ(senzaFinestra.Chiamate("Automazione").back().membro, "AppActivate");
}

TEST_F(Autocad, EachPrimitiveAddsOneEntityAndColoursIt) {
  autocad.Registra(Versionata, true, "AutoCAD");
  ASSERT_TRUE(AvviaAutocad());
  autocad.Svuota();
  ImpostaDispositivo(1, "DWG", nullptr);
  ImpostaOffsetY(1);
  ImpostaColore(13);
  Vettore<double> x{0, 4, 4, 0}, y{0, 0, 3, 3};
  PlottaLinea(1, 2, 3, 4, 2);
  PlottaCerchio(5.5, 6, 0.5, 1);
  PlottaPoligonale(4, x, y, 1);
  PlottaPoligonale2(2, x, y, 1);
  PlottaTesto(10, 20, 2.5, "Sezione", 1);
  const std::vector<ChiamataAutoCad> attese{
      {"ModelSpace", "AddLine", {1, 2, 0, 3, 3, 0}, ""},
      {"Entity", "Color", {13}, ""},
      {"ModelSpace", "AddCircle", {5.5, 7, 0, 0.5}, ""},
      {"Entity", "Color", {13}, ""},
      {"ModelSpace", "AddLightWeightPolyline", {0, 1, 4, 1, 4, 4, 0, 4, 0, 1}, ""},
      {"Entity", "Color", {13}, ""},
      {"ModelSpace", "AddLightWeightPolyline", {0, 1, 4, 1}, ""},
      {"Entity", "Color", {13}, ""},
      {"ModelSpace", "AddText", {10, 21, 0, 2.5}, "Sezione"},
      {"Entity", "Color", {13}, ""}};
  ASSERT_EQ(autocad.Chiamate().size(), attese.size());
  for (std::size_t i = 0; i < attese.size(); ++i) {
    EXPECT_EQ(autocad.Chiamate()[i].oggetto, attese[i].oggetto) << i;
    EXPECT_EQ(autocad.Chiamate()[i].membro, attese[i].membro) << i;
    EXPECT_EQ(autocad.Chiamate()[i].numeri, attese[i].numeri) << i;
    EXPECT_EQ(autocad.Chiamate()[i].testo, attese[i].testo) << i;
  }
  EXPECT_NE(Stato.UltimoTestoAutocad, nullptr);
}

TEST_F(Autocad, ABlockTargetReceivesTheEntitiesAndTheMarkerDoesNotLowerTheText) {
  auto b = autocad.CreaBlocco("Staffa");
  ImpostaDispositivo(1, "BLOCCO", b.get());
  ImpostaColore(2);
  PlottaTesto(10, 20, 2.5, "A", 1, true);
  ImpostaDispositivo(1, "DWG", nullptr);
  Stato.ModelSpaceAutocad = autocad.CreaBlocco("ModelSpace");
  PlottaTesto(10, 20, 2.5, "A", 1, true);
  ASSERT_EQ(Membri("Staffa"), std::vector<std::string>{"Staffa.AddText A"});
  EXPECT_EQ(autocad.Chiamate("Staffa")[0].numeri, (std::vector<double>{10, 20, 0, 2.5}));
  EXPECT_EQ(autocad.Chiamate("ModelSpace")[0].numeri, (std::vector<double>{10, 16.25, 0, 2.5}));
  EXPECT_EQ(autocad.Chiamate("Entity")[0].numeri, std::vector<double>{2});
  // A target that is no AutoCAD container.
  ImpostaDispositivo(1, "BLOCCO", &video);
  EXPECT_THROW(PlottaCerchio(0, 0, 1, 1), platform::ErroreEsecuzione);
  EXPECT_TRUE(video.Chiamate().empty());
}

TEST_F(Autocad, TextStylesTakeTheirFontFromTheWindowsFolder) {
  autocad.Registra(Versionata, true, "AutoCAD");
  ASSERT_TRUE(AvviaAutocad());
  autocad.AggiungiFont("C:\\Windows\\fonts\\Arial.ttf");
  autocad.Svuota();
  EXPECT_TRUE(ImpostaStileTesto(1, "Sezione", "Arial", "DWG"));
  EXPECT_TRUE(ImpostaStileTesto(2, "Quote", "Manca"));
  EXPECT_TRUE(ImpostaFont(2));
  EXPECT_TRUE(ImpostaFont(1));
  EXPECT_EQ(Membri(), (std::vector<std::string>{
                          "Document.TextStyles.Add Sezione",
                          "TextStyle.fontFile Sezione|C:\\Windows\\fonts\\Arial.ttf",
                          "Document.TextStyles.Add Quote",
                          "TextStyle.fontFile Quote|C:\\Windows\\fonts\\Manca.ttf",
                          "Document.ActiveTextStyle Quote", "Document.ActiveTextStyle Sezione"}));
  // The missing font is told, and the style is there all the same.
  ASSERT_EQ(messaggi.Mostrati().size(), 1u);
  EXPECT_EQ(messaggi.Mostrati()[0].testo, "Font file C:\\Windows\\fonts\\Manca.ttf not found");
  EXPECT_EQ(messaggi.Mostrati()[0].icona, platform::Icona::Informazione);
  EXPECT_EQ(Stato.NomiStiliTesto(2), "Quote");
  // A style never created cannot be made active.
  EXPECT_THROW(ImpostaFont(3), platform::ErroreEsecuzione);
}
