#pragma once
// A view of a grid that writes down what it is told, in order.
#include <string>
#include <vector>

#include "platform/FlexGrid.h"

class VistaGrigliaProva : public platform::VistaFlexGrid {
 public:
  explicit VistaGrigliaProva(platform::FlexGrid& griglia) : griglia_(griglia) {
    griglia_.ImpostaVista(this);
  }
  ~VistaGrigliaProva() override { griglia_.ImpostaVista(nullptr); }
  VistaGrigliaProva(const VistaGrigliaProva&) = delete;
  VistaGrigliaProva& operator=(const VistaGrigliaProva&) = delete;

  void CellaCambiata(int riga, int colonna) override {
    Eventi.push_back("cella " + std::to_string(riga) + "," + std::to_string(colonna));
  }
  void StrutturaCambiata() override { Eventi.push_back("struttura"); }
  void FormatoCambiato() override { Eventi.push_back("formato"); }
  void CellaCorrenteCambiata() override { Eventi.push_back("corrente"); }
  void ScorrimentoCambiato() override { Eventi.push_back("scorrimento"); }
  void GeometriaCambiata() override { Eventi.push_back("geometria"); }
  void FuocoRichiesto() override { Eventi.push_back("fuoco"); }

  std::vector<std::string> Eventi;

 private:
  platform::FlexGrid& griglia_;
};
