// The values of a project read out of their ranges: outline, steel, actions
// and lengths, each back to 0 (the circle's vertices to 52) and named in the
// box of the values replaced; before a save, the first of them named.
#include <algorithm>
#include <string>
#include <vector>

#include "app/BloccoMateriali.h"
#include "app/ProgettoFile.h"
#include "model/GeneraleTesto.h"
#include "model/Matrice.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/StatoSismica.h"

namespace ProgettoFile {
namespace {

using FileImpostazioni::Sostituisce;
using G = Intervalli::Grandezza;
using VariabiliPubbliche::Stato;

// A column of a table: kN and kNm of the acting points scaled to N and Nmm.
struct Colonna {
  G grandezza;
  const char* nome;
  double scala = 1;
};

// Rows 1 to n of m, "nome di i" for the value of column j of row i. A
// figure's side of 0 is one not given yet, as the window writes an empty
// cell: the calculation names it.
template <class T>
void Righe(std::string& elenco, Matrice<T>& m, int n, const std::vector<Colonna>& colonne,
           const std::string& di) {
  if (!m.Dimensionata()) return;
  for (int i = std::max(1, m.Lb1()); i <= std::min(n, m.Ub1()); ++i)
    for (int j = 1; j <= std::min(static_cast<int>(colonne.size()), m.Ub2()); ++j) {
      const Colonna& c = colonne[static_cast<size_t>(j - 1)];
      if (c.grandezza == G::Lunghezza && m(i, j) == 0) continue;
      Sostituisce(elenco, c.grandezza, m(i, j), 0,
                  std::string(c.nome) + " " + di + " " + std::to_string(i), c.scala);
    }
}

std::vector<Colonna> ColonneFigure() {
  switch (Stato.TipoSezione) {
    case 0:
    case 1:
    case 2: return {{G::Lunghezza, "b"}, {G::Lunghezza, "h"}};
    case 3: return {{G::Lunghezza, "b sup."}, {G::Lunghezza, "b inf."}, {G::Lunghezza, "h"}};
    case 5: return {{G::Coordinata, "x"}, {G::Coordinata, "y"}};
    default: return {};
  }
}

std::vector<Colonna> ColonneAcciaio(bool cavi) {
  std::vector<Colonna> c{{G::AreaAcciaio, "area"}};
  if (Stato.TipoSezione <= 3)
    c.push_back({G::Coordinata, "d"});
  else
    c.insert(c.end(), {{G::Coordinata, "x"}, {G::Coordinata, "y"}});
  if (cavi) c.push_back({G::PrecompressioneCavo, "σ"});
  return c;
}

void ColonnaSismica(std::string& elenco) {
  auto& s = Sismica::Stato;
  Sostituisce(elenco, G::Forza, s.NEdSismica, 0, "NEd sismico");
  for (double* m : {&s.MEdSuperiore[0], &s.MEdSuperiore[1], &s.MEdInferiore[0], &s.MEdInferiore[1]})
    Sostituisce(elenco, G::Momento, *m, 0, "MEd sismico");
  // Sizes of the column; 0 is one not given yet.
  const struct {
    int riga, colonna;
    const char* nome;
  } misure[] = {{0, 1, "b del pilastro"}, {0, 2, "h del pilastro"}, {0, 3, "c del pilastro"},
                {0, 4, "L del pilastro"}, {1, 1, "R del pilastro"}, {1, 2, "c del pilastro"},
                {1, 3, "L del pilastro"}};
  Sismica::Pilastro& p = s.PilastroCorrente;
  for (const auto& m : misure) {
    float valore = p.MatriceSezionePilastro(m.riga, m.colonna);
    Sostituisce(elenco, G::LunghezzaLibera, valore, 0, m.nome);
    p.SetMatriceSezionePilastro(m.riga, m.colonna, valore);
  }
}

}  // namespace

std::string SostituisceValoriFuoriIntervallo(DatiFinestra& dati) {
  using VariabiliPubbliche::Stato;
  std::string elenco;
  Righe(elenco, Stato.MatriceFigure, dati.nFigureForm, ColonneFigure(),
        Stato.TipoSezione == 5 ? "del vertice" : "della figura");
  auto& c = Stato.DatiSezioneCircolare;
  if (c[0] != 0) Sostituisce(elenco, G::Lunghezza, c[0], 0, "Il raggio");
  Sostituisce(elenco, G::LunghezzaLibera, c[2], 0, "Il diametro delle barre");
  Sostituisce(elenco, G::LunghezzaLibera, c[3], 0, "La distanza delle barre dal bordo");
  Sostituisce(elenco, G::LunghezzaLibera, c[4], 0, "Il raggio interno");
  Sostituisce(elenco, G::VerticiCerchio, Stato.NumeroVerticiCerchio, 52, "Il numero di vertici");
  Righe(elenco, Stato.MatriceBarre, dati.nBarreForm, ColonneAcciaio(false), "della barra");
  Righe(elenco, Stato.MatriceCavi, dati.nCaviForm, ColonneAcciaio(true), "del cavo");
  for (size_t k = 0; k < 2; ++k) {
    Sostituisce(elenco, G::Forza, dati.NForm[k], 0, "N", 1e3);
    Sostituisce(elenco, G::Momento, dati.MxForm[k], 0, "Mx", 1e6);
    Sostituisce(elenco, G::Momento, dati.MyForm[k], 0, "My", 1e6);
    Sostituisce(elenco, G::Forza, dati.VForm[k], 0, "V", 1e3);
    if (!FileImpostazioni::SoloControllo::Attivo())
      Stato.AzioneV[k] = static_cast<float>(dati.VForm[k] * 1000);
  }
  Matrice<float>& mn = Stato.AzioniDominioMN;
  if (mn.Dimensionata())
    Righe(elenco, mn, mn.Ub1(), {{G::Forza, "N", 1e3}, {G::Momento, "M", 1e6}}, "del punto");
  Sostituisce(elenco, G::LunghezzaLibera, Stato.LunghezzaL0, 0, "L0");
  Sostituisce(elenco, G::Coordinata, Stato.XN, 0, "xN");
  Sostituisce(elenco, G::Coordinata, Stato.YN, 0, "yN");
  ColonnaSismica(elenco);
  return elenco;
}

std::string PrimoValoreFuoriIntervallo(DatiFinestra dati) {
  // As the file would hold them: no figures beside bars alone, the shears
  // of the state.
  const auto& stato = VariabiliPubbliche::Stato;
  if (stato.SoloBarre) dati.nFigureForm = 0;
  for (size_t k = 0; k < 2; ++k) dati.VForm[k] = Generale::DivisoPotenzaDieci(stato.AzioneV[k], 3);
  const FileImpostazioni::SoloControllo controllo;
  const std::string materiale = FileImpostazioni::SostituisceValoriFuoriIntervallo();
  return materiale.empty() ? SostituisceValoriFuoriIntervallo(dati) : materiale;
}

}  // namespace ProgettoFile
