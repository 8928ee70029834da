#pragma once
// A seismic window that keeps its controls in memory and records the lists
// it is asked to show; and the column most checks start from.
#include <functional>
#include <initializer_list>
#include <vector>

#include "AmbienteSismica.h"
#include "platform/FormInMemoria.h"
#include "seismic/FinestraSismica.h"

class FinestraSismicaProva : public Sismica::FinestraSismica {
 public:
  // The shape frames are hidden: the column keeps the data a test gives it.
  FinestraSismicaProva() {
    for (int i : {0, 1}) form_.Controllo("PilastroFrm", i).SetVisible(false);
  }
  std::string Name() const override { return "FrmSismica"; }
  platform::Control& Controllo(const std::string& nome,
                               int indice = platform::SenzaIndice) override {
    return form_.Controllo(nome, indice);
  }
  void AzioniLeggeScrive(bool Scrive) override {
    if (!Scrive) ++LettureAzioni;
  }
  void ListaPrescrizioniNew(const std::vector<std::string>& coll) override {
    Mostrate.push_back(coll);
  }
  void StaffeControlliSetta(bool abilita) override { ComandiStaffe.push_back(abilita); }

  int LettureAzioni = 0;
  std::vector<Sismica::Prescrizioni> Mostrate;
  std::vector<bool> ComandiStaffe;

 private:
  platform::FormInMemoria form_{"FrmSismica"};
};

// Stirrup records, one per row, the fields not given 0.
inline Matrice<float> RecordStaffe(std::initializer_list<std::vector<float>> righe) {
  Matrice<float> staffe(1, static_cast<int>(righe.size()), 1, Sismica::Pilastro::CampiStaffa);
  int i = 0;
  for (const auto& riga : righe) {
    ++i;
    for (size_t j = 0; j < riga.size(); ++j) staffe(i, static_cast<int>(j) + 1) = riga[j];
  }
  return staffe;
}

// Italian separators; fcd and fyd of C25/30 and B450C by the code's
// formulas; a 400 x 400 column, cover 40, storey 3000, critical length 600,
// 4 x 4 bars of 16 at both ends, one hoop of 8 round the corner bars at
// pitches 100 and 150, NEd 680 kN; the bottom end current.
class AmbienteColonna : public AmbienteSismica {
 public:
  AmbienteColonna() {
    sistema.ImpostaSeparatori(",", ".");
    VariabiliPubbliche::Stato.Fcd = 25 * 0.85 / 1.5;
    VariabiliPubbliche::Stato.Fyd[0] = 450 / 1.15;
    Sismica::Stato.NEdSismica = 680000;
    Sismica::Pilastro& p = Colonna();
    const float riga0[] = {400, 400, 40, 3000, 600, 150, 4, 4, 16, 100, 4, 4, 16, 100};
    for (int j = 1; j <= 14; ++j) p.SetMatriceSezionePilastro(0, j, riga0[j - 1]);
    for (bool inferiore : {false, true}) {
      p.SezioneInferiore = inferiore;
      Staffe({{8, 1, 4, 12, 9}});
    }
  }

  static Sismica::Pilastro& Colonna() { return Sismica::Stato.PilastroCorrente; }

  // The stirrups of the current end.
  static void Staffe(std::initializer_list<std::vector<float>> righe) {
    Colonna().StaffeMemorizza(RecordStaffe(righe));
  }

  // One end's bars and critical pitch of a rectangular column.
  static void Barre(int nb, int nh, float fi) {
    Sismica::Pilastro& p = Colonna();
    const int inizio = p.SezioneInferiore ? 11 : 7;
    p.SetMatriceSezionePilastro(0, inizio, static_cast<float>(nb));
    p.SetMatriceSezionePilastro(0, inizio + 1, static_cast<float>(nh));
    p.SetMatriceSezionePilastro(0, inizio + 2, fi);
  }

  FinestraSismicaProva finestra;
};

// One row of a rule table: the code and class, what the row changes in the
// standard column, and the texts expected.
struct CasoRegole {
  const char* nome;
  int normativa;  // 0 NTC, 1 EC8
  int duttilitaMedia;
  std::function<void()> prepara;
  Sismica::Prescrizioni attese;
};

// The row's name in test reports, not its bytes.
inline void PrintTo(const CasoRegole& caso, std::ostream* os) { *os << caso.nome; }

// Rows written from the clauses: the stirrup rules (RegoleStaffeTest.cpp) and
// the geometry rules (RegoleGeometriaTest.cpp) of the standard column.
extern const std::vector<CasoRegole> CasiStaffe;
extern const std::vector<CasoRegole> CasiGeometria;

// The row's code and class, a curvature ductility of 6.8 at the bottom end,
// then the row's changes.
inline void Prepara(const CasoRegole& caso) {
  VariabiliPubbliche::Stato.NormativaSismica = caso.normativa;
  Sismica::Stato.DuttilitaMedia = caso.duttilitaMedia;
  Sismica::Stato.DuttilitaCurvaturaInf = 6.8;
  caso.prepara();
}
