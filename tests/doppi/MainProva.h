#pragma once
// The main window and the seismic services as the engine reaches them: the
// window keeps its controls in memory and records its section-type clicks
// with the option's value at the click, its input reads and its data-error
// boxes; the services record what they are asked to write into the main
// window's grids.
#include <string>
#include <utility>
#include <vector>

#include "model/Finestre.h"
#include "platform/FormInMemoria.h"

class MainProva : public Finestre::FinestraMain {
 public:
  std::string Name() const override { return form_.Name(); }
  platform::Control& Controllo(const std::string& nome,
                              int indice = platform::SenzaIndice) override {
    return form_.Controllo(nome, indice);
  }
  void OpTipoSezione_Click(int Index) override {
    clic.emplace_back(Index, form_.Controllo("OpTipoSezione", Index).Value());
  }
  bool FormLeggeDati(bool /*flag*/) override {
    ++letture;
    return datiValidi;
  }
  void MessaggioErroreDati() override { ++erroriDati; }

  std::vector<std::pair<int, int>> clic;
  bool datiValidi = true;  // what FormLeggeDati answers
  int letture = 0;
  int erroriDati = 0;

 private:
  platform::FormInMemoria form_{"Main"};
};

class SismicaProva : public Finestre::ServiziSismica {
 public:
  void EsportaVerticiInMain(int n, const Vettore<double>& x, const Vettore<double>& y) override {
    vertici.push_back({n, x, y});
  }
  void EsportaBarreInMain(int n, const Vettore<float>& x, const Vettore<float>& y,
                          const Vettore<float>& aree) override {
    barre.push_back({n, x, y, aree});
  }
  short ColorePlottaSezione() override { return 7; }
  short ColorePlottaSub() override { return 7; }

  struct Vertici {
    int n;
    Vettore<double> x, y;
  };
  struct Barre {
    int n;
    Vettore<float> x, y, aree;
  };
  std::vector<Vertici> vertici;
  std::vector<Barre> barre;
};
