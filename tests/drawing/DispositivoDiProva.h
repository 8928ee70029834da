#pragma once
// An external device that records what reaches it, registered under its name
// for its lifetime.
#include <string>
#include <utility>
#include <vector>

#include "drawing/DispositivoEsterno.h"
#include "drawing/GraficaStato.h"

struct ChiamataEsterna {
  std::string nome;
  std::vector<Grafica::Numero> numeri;  // polylines: x1, y1, x2, y2 ...
  std::string testo;
  int colore;
};

class DispositivoDiProva : public Grafica::DispositivoEsterno {
 public:
  using Numero = Grafica::Numero;
  using VettoreNumeri = Grafica::VettoreNumeri;

  explicit DispositivoDiProva(std::string nome) : nome_(std::move(nome)) {
    Grafica::RegistraDispositivoEsterno(nome_, this);
  }
  ~DispositivoDiProva() override { Grafica::RegistraDispositivoEsterno(nome_, nullptr); }

  void Linea(Numero x1, Numero y1, Numero x2, Numero y2) override {
    Registra("Linea", {x1, y1, x2, y2});
  }
  void Cerchio(Numero x, Numero y, Numero r) override { Registra("Cerchio", {x, y, r}); }
  void Poligonale(short n, const VettoreNumeri& x, const Vettore<double>& y) override {
    Registra("Poligonale", Punti(n, x, y));
  }
  void PoligonoChiuso(short n, const VettoreNumeri& x, const Vettore<double>& y) override {
    Registra("PoligonoChiuso", Punti(n, x, y));
  }
  void Testo(Numero x, double y, Numero h, const std::string& testo) override {
    Registra("Testo", {x, y, h}, testo);
  }
  void CreaStileTesto(short indice, const std::string& nome, const std::string& font) override {
    Registra("CreaStileTesto", {static_cast<int>(indice)}, nome + "|" + font);
  }
  void AttivaStileTesto(short indice) override {
    Registra("AttivaStileTesto", {static_cast<int>(indice)});
  }

  std::vector<ChiamataEsterna> chiamate;

 private:
  static std::vector<Numero> Punti(short n, const VettoreNumeri& x, const Vettore<double>& y) {
    std::vector<Numero> numeri;
    for (int i = 1; i <= n; ++i) numeri.insert(numeri.end(), {x(i), y(i)});
    return numeri;
  }
  void Registra(std::string nome, std::vector<Numero> numeri, std::string testo = {}) {
    chiamate.push_back(
        {std::move(nome), std::move(numeri), std::move(testo), Grafica::Stato.ColoreCorrente});
  }

  std::string nome_;
};
