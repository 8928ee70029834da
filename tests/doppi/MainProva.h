#pragma once
// The main window and the seismic services as the engine reaches them: the
// window keeps its controls in memory, records its section-type clicks with
// the option's value at the click, its input reads and its data-error boxes,
// and shows or hides its result boxes as the window does; the services record
// what they are asked to write into the main window's grids.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/Finestre.h"
#include "model/VariabiliPubbliche.h"
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
  void ControlliAsseNeutro(bool visibile) override {
    for (const char* nome : {"F_h_utile", "F_y_neutro"}) form_.Controllo(nome).SetVisible(visibile);
    for (int i = 0; i <= 1; ++i) {
      form_.Controllo("lbl_h_utile", i).SetVisible(visibile);
      form_.Controllo("F_x_su_d", i).SetVisible(visibile);
    }
    form_.Controllo("lbl_y_neutro", 0).SetVisible(visibile);
    form_.Controllo("lbl_x_su_d", 0).SetVisible(visibile);
  }
  void SigmaScontrolli(bool visibile) override {
    form_.Controllo("F_sigma_s", 0).SetVisible(visibile);
    form_.Controllo("lbl_sigma_s", 0).SetVisible(visibile);
    form_.Controllo("lbl_sigma_s", 1).SetVisible(visibile);
    form_.Controllo("Label3As", 3).SetVisible(visibile);
    form_.Controllo("Label4As", 3).SetVisible(visibile);
  }
  void nIterazioniOff(std::optional<int> n) override {
    form_.Controllo("F_nMaxRettangolini", 1).SetVisible(n.has_value());
    form_.Controllo("lblRettangolini", 1).SetVisible(n.has_value());
    if (n) form_.Controllo("F_nMaxRettangolini", 1).SetText(std::to_string(*n));
  }
  // True when the engine wrote or read the control.
  bool Esiste(const std::string& nome, int indice = platform::SenzaIndice) const {
    return form_.Esiste(nome, indice);
  }
  bool FormLeggeDati(bool /*flag*/) override {
    ++letture;
    return datiValidi;
  }
  bool LetturaRifiutata() const override { return !datiValidi; }
  void AggiornaForm() override { chiamate.push_back("AggiornaForm"); }
  void ChiudiEditori(bool) override {}
  // The unit in force when the window was rewritten, as FormScriveDati
  // writes in it.
  void FormScriveDati() override {
    chiamate.push_back("FormScriveDati " + VariabiliPubbliche::Stato.UnitaLunghezza);
  }
  void DisegnaSezioneScritta() override { chiamate.push_back("DisegnaSezioneScritta"); }
  void ScriveMaterialiInForm() override { chiamate.push_back("ScriveMaterialiInForm"); }
  void ToolTipAzioniDaSLU() override { chiamate.push_back("ToolTipAzioniDaSLU"); }
  void Fuoco(const std::string& nome, int indice = platform::SenzaIndice) override {
    chiamate.push_back("Fuoco " + nome +
                       (indice == platform::SenzaIndice ? "" : "_" + std::to_string(indice)));
  }

  std::vector<std::pair<int, int>> clic;
  // The members called by the materials and units windows, in order.
  std::vector<std::string> chiamate;
  bool datiValidi = true;  // what FormLeggeDati answers
  int letture = 0;

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
