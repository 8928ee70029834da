#pragma once
// The result windows as the engine reaches them: controls in memory, the grid
// and chart models themselves, and the M-N window's load points recorded as
// calls.
#include <string>
#include <utility>

#include "model/Finestre.h"
#include "platform/FormInMemoria.h"

class DominioMNProva : public Finestre::FinestraDominioMN {
 public:
  std::string Name() const override { return form_.Name(); }
  platform::Control& Controllo(const std::string& nome,
                              int indice = platform::SenzaIndice) override {
    return form_.Controllo(nome, indice);
  }
  platform::FlexGrid& GridMN() override { return griglia; }
  platform::Chart& Graph1() override { return grafico; }
  void CalcolaDominioMNgraficoPuntoSollecit() override { ++puntiSollecitazione; }

  platform::FlexGrid griglia;
  platform::Chart grafico;
  int puntiSollecitazione = 0;

 private:
  platform::FormInMemoria form_{"DominioMN"};
};

class DominioMxMyProva : public Finestre::FinestraDominio {
 public:
  std::string Name() const override { return form_.Name(); }
  platform::Control& Controllo(const std::string& nome,
                              int indice = platform::SenzaIndice) override {
    return form_.Controllo(nome, indice);
  }
  platform::FlexGrid& GridMN() override { return griglia; }
  platform::Chart& Graph1() override { return grafico; }

  platform::FlexGrid griglia;
  platform::Chart grafico;

 private:
  platform::FormInMemoria form_{"DominioMxMy"};
};

class MomCurvProva : public Finestre::FinestraMomentoCurvatura {
 public:
  explicit MomCurvProva(std::string nome = "MomCurv") : form_(std::move(nome)) {}
  std::string Name() const override { return form_.Name(); }
  platform::Control& Controllo(const std::string& nome,
                              int indice = platform::SenzaIndice) override {
    return form_.Controllo(nome, indice);
  }
  platform::Chart& Graph1() override { return grafico; }
  platform::FlexGrid& Grid1() override { return griglia; }

  platform::FlexGrid griglia;
  platform::Chart grafico;

 private:
  platform::FormInMemoria form_;
};
