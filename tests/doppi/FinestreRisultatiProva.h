#pragma once
// The result windows as the engine reaches them: controls in memory, the grid
// and chart models themselves, and the M-N window's load points recorded as
// calls.
#include <string>
#include <utility>

#include "model/Finestre.h"
#include "platform/FormInMemoria.h"

// A window interface answered by controls kept in memory, under its name.
template <class Interfaccia>
class FinestraInMemoria : public Interfaccia {
 public:
  explicit FinestraInMemoria(std::string nome) : form_(std::move(nome)) {}
  std::string Name() const override { return form_.Name(); }
  platform::Control& Controllo(const std::string& nome,
                               int indice = platform::SenzaIndice) override {
    return form_.Controllo(nome, indice);
  }

 private:
  platform::FormInMemoria form_;
};

class DominioMNProva : public FinestraInMemoria<Finestre::FinestraDominioMN> {
 public:
  DominioMNProva() : FinestraInMemoria("DominioMN") {}
  platform::FlexGrid& GridMN() override { return griglia; }
  platform::Chart& Graph1() override { return grafico; }
  void CalcolaDominioMNgraficoPuntoSollecit() override { ++puntiSollecitazione; }

  platform::FlexGrid griglia;
  platform::Chart grafico;
  int puntiSollecitazione = 0;
};

class DominioMxMyProva : public FinestraInMemoria<Finestre::FinestraDominio> {
 public:
  DominioMxMyProva() : FinestraInMemoria("DominioMxMy") {}
  platform::FlexGrid& GridMN() override { return griglia; }
  platform::Chart& Graph1() override { return grafico; }

  platform::FlexGrid griglia;
  platform::Chart grafico;
};

class MomCurvProva : public FinestraInMemoria<Finestre::FinestraMomentoCurvatura> {
 public:
  explicit MomCurvProva(std::string nome = "MomCurv") : FinestraInMemoria(std::move(nome)) {}
  platform::Chart& Graph1() override { return grafico; }
  platform::FlexGrid& Grid1() override { return griglia; }

  platform::FlexGrid griglia;
  platform::Chart grafico;
};
