#pragma once
// The M-N interaction domain: the resisting domain of the current section
// drawn (or listed) by the engine, and the acting load points N-M typed into
// a small grid beside it, the first one mirroring the main window's first
// action set.
#include "app/FinestraGrafico.h"
#include "model/Finestre.h"
#include "platform/qt/CasellaTestoQt.h"

class QGroupBox;
class QPushButton;

class DominioMN : public FinestraGrafico, public Finestre::FinestraDominioMN {
 public:
  explicit DominioMN(QWidget* genitore = nullptr);

  std::string Name() const override { return "DominioMN"; }
  platform::Control& Controllo(const std::string& nome,
                               int indice = platform::SenzaIndice) override {
    return Controlli().Controllo(nome, indice);
  }
  platform::FlexGrid& GridMN() override { return Griglia().Griglia(); }
  platform::Chart& Graph1() override { return Grafico().Grafico(); }
  // The acting points as blue dots, series 3 of the chart.
  void CalcolaDominioMNgraficoPuntoSollecit() override;

  // The domain again with one point more per region.
  void btnCalcolaMN_Click();
  // "Valori" / "Grafico".
  void cmdValori_Click();
  // 0 "Aggiunge", 2 "Elimina".
  void cmdSol_Click(int Index);

  // Row 1 of the acting points becomes the main window's first action set
  // (kN, kNm), as every load of the window makes it; rows 2 on stay.
  static void PrimaRigaAzioni(double N, double M);
  // The main window's first action set, as it is now, into row 1 of the
  // acting points, the grid and the chart; a change this window wrote
  // itself is already there.
  void AzioniDaMain();

  platform::FlexGridQt& GridSol() { return *gridSol_; }
  platform::CasellaTestoQt& TxtEditSol() { return *txtEditSol_; }

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  class FuocoRidisegna : public platform::Focalizzabile {
   public:
    explicit FuocoRidisegna(QPushButton*& bottone) : bottone_(bottone) {}
    void SetFocus() override;

   private:
    QPushButton*& bottone_;
  };

  void Form_Load();
  void GridSol_Click();
  // The grid read into the acting points, which are drawn again; from row
  // 1 the first point goes back into the main window.
  void RidisegnaSollecitazioni();
  void Modifica(int tasto);

  platform::FlexGridQt* gridSol_;
  platform::CasellaTestoQt* txtEditSol_;
  QPushButton* cmdValori_;
  QPushButton* btnCalcolaMN_;
  QPushButton* cmdSol_[3];
  FuocoRidisegna fuocoRidisegna_{cmdSol_[1]};
};
