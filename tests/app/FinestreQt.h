#pragma once
// What the window tests share: the one QApplication, the case runner's
// sections as the current section, a main window kept in memory, the
// screenshots, and closing every window a test opened.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <QApplication>
#include <QDir>
#include <QWidget>

#include "casi/EseguiCaso.h"
#include "casi/FileCaso.h"
#include "doppi/MainProva.h"
#include "model/Finestre.h"
#include "platform_qt/AppQt.h"

// The folder of the tests' sources (the working folder under ctest).
inline std::string CartellaTest() {
  const char* cartella = std::getenv("TRAMOK_TESTS");
  return cartella ? cartella : ".";
}

// The case file tests/cases/<nome>, run by the case runner: its results, and
// its section left as the current one, with the program state it set.
inline RisultatiCaso EseguiCasoDiProva(const std::string& nome) {
  std::string errore;
  const auto caso = LeggiCaso(CartellaTest() + "/cases/" + nome, errore);
  EXPECT_TRUE(caso.has_value()) << errore;
  if (!caso) return {};
  RisultatiCaso r = EseguiCaso(*caso);
  EXPECT_EQ(r.errore, "");
  return r;
}

// build/screenshots/<nome>.png, the window as the user sees it.
inline void Fotografa(QWidget& finestra, const QString& nome) {
  QApplication::processEvents();
  const QString cartella = TRAMOK_SCREENSHOTS;
  QDir().mkpath(cartella);
  EXPECT_TRUE(finestra.grab().save(cartella + "/" + nome + ".png"));
}

// Every top-level window closed and gone.
inline void ChiudiFinestre() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

// A main window in memory as the open one; the state reset after each test.
class ConMain : public ::testing::Test {
 protected:
  // Before any widget of a derived fixture.
  QApplication& app = AppQt();

  void TearDown() override {
    ChiudiFinestre();
    Finestre::Aperte = Finestre::FinestreAperte{};
  }
  void ApriMain() { Finestre::Aperte.Main = &main; }
  void ScriveMain(const char* nome, int indice, const std::string& testo) {
    main.Controllo(nome, indice).SetText(testo);
  }
  std::string TestoMain(const char* nome, int indice = platform::SenzaIndice) {
    return main.Controllo(nome, indice).Text();
  }

  MainProva main;
};
