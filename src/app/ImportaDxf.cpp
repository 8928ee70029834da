#include "app/ImportaDxf.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>

#include "model/Formattazione.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/FileLeggibile.h"
#include "platform/MsgBox.h"

namespace ImportaDxf {
namespace {

struct Gruppo {
  int codice = -1;  // -1: the code is not a whole number
  std::string valore;
};

// Groups [inizio + 1, fine) of the entity whose type is at inizio.
struct Entita {
  std::size_t inizio = 0;
  std::size_t fine = 0;
};

struct Cerchio {
  float x = 0;
  float y = 0;
  float raggio = 0;
};

using Gruppi = std::vector<Gruppo>;

int NumeroCodice(const std::string& codice) {
  int numero = -1;
  const char* fine = codice.data() + codice.size();
  const auto [p, errore] = std::from_chars(codice.data(), fine, numero);
  return errore == std::errc() && p == fine ? numero : -1;
}

bool E(const Gruppo& g, int codice, const char* valore) {
  return g.codice == codice && g.valore == valore;
}

// Every group of the file, up to its "EOF" marker.
Gruppi LeggeGruppi(std::istream& ingresso) {
  FileDxf file(ingresso);
  Gruppi gruppi;
  do {
    Coppia c = ReadCodes(file);
    gruppi.push_back({NumeroCodice(c.Codice), std::move(c.Valore)});
  } while (!E(gruppi.back(), 0, "EOF"));
  return gruppi;
}

std::size_t FineEntita(const Gruppi& g, std::size_t inizio) {
  std::size_t i = inizio + 1;
  while (i < g.size() && g[i].codice != 0) ++i;
  return i;
}

// The entities of the ENTITIES sections, in file order.
std::vector<Entita> EntitaDelDisegno(const Gruppi& g) {
  std::vector<Entita> entita;
  bool dentro = false;
  for (std::size_t i = 0; i < g.size(); ++i) {
    if (g[i].codice != 0) continue;
    if (g[i].valore == "SECTION") {
      dentro = i + 1 < g.size() && E(g[i + 1], 2, "ENTITIES");
    } else if (g[i].valore == "ENDSEC") {
      dentro = false;
    } else if (dentro) {
      entita.push_back({i, FineEntita(g, i)});
    }
  }
  return entita;
}

const std::string* Valore(const Gruppi& g, const Entita& e, int codice) {
  for (std::size_t i = e.inizio + 1; i < e.fine; ++i)
    if (g[i].codice == codice) return &g[i].valore;
  return nullptr;
}

std::string Layer(const Gruppi& g, const Entita& e) {
  const std::string* layer = Valore(g, e, 8);
  return layer ? *layer : std::string();
}

// The names of the layer table; a drawing without one gives the layers its
// entities are on.
std::vector<std::string> LayerDelDisegno(const Gruppi& g, const std::vector<Entita>& entita) {
  std::vector<std::string> layer;
  for (std::size_t i = 0; i + 1 < g.size(); ++i) {
    if (!E(g[i], 0, "TABLE") || !E(g[i + 1], 2, "LAYER")) continue;
    for (std::size_t j = i + 2; j < g.size() && !E(g[j], 0, "ENDTAB"); ++j) {
      if (!E(g[j], 0, "LAYER")) continue;
      const std::string* nome = Valore(g, {j, FineEntita(g, j)}, 2);
      if (nome) layer.push_back(*nome);
    }
    return layer;
  }
  for (const Entita& e : entita) {
    const std::string nome = Layer(g, e);
    if (std::find(layer.begin(), layer.end(), nome) == layer.end()) layer.push_back(nome);
  }
  return layer;
}

[[noreturn]] void Incompleta(const Gruppi& g, const Entita& e, int codice) {
  throw platform::ErroreEsecuzione(62, "Entità " + g[e.inizio].valore +
                                           " incompleta nel file DXF: manca il codice " +
                                           std::to_string(codice) + ".");
}

// A number of the file ("." as decimal point) read by the regional rules
// after ToglieDecimali, as a single.
float NumeroDelFile(const std::string& valore) {
  std::string testo = valore;
  ToglieDecimali(testo);
  const std::string separatore = Formattazione::SeparatoreDecimale();
  if (separatore != ".") {
    const std::size_t p = testo.find(separatore);
    if (p != std::string::npos) testo.replace(p, separatore.size(), ".");
  }
  const std::size_t inizio = testo.find_first_not_of(" \t");
  const std::size_t fine = testo.find_last_not_of(" \t");
  double numero = 0;
  bool valido = inizio != std::string::npos;
  if (valido) {
    const char* a = testo.data() + inizio + (testo[inizio] == '+' ? 1 : 0);
    const char* b = testo.data() + fine + 1;
    const auto [p, errore] = std::from_chars(a, b, numero);
    valido = errore == std::errc() && p == b && std::isfinite(numero) &&
             std::fabs(numero) <= std::numeric_limits<float>::max();
  }
  if (!valido)
    throw platform::ErroreEsecuzione(13, "Numero non valido nel file DXF: \"" + valore + "\"");
  return static_cast<float>(numero);
}

float NumeroRichiesto(const Gruppi& g, const Entita& e, int codice) {
  const std::string* valore = Valore(g, e, codice);
  if (!valore) Incompleta(g, e, codice);
  return NumeroDelFile(*valore);
}

// Vertices of a lightweight polyline: each x (10) followed by its y (20),
// then perhaps its widths (40, 41) and bulge (42).
std::vector<VerticeDxf> VerticiLwPolyline(const Gruppi& g, const Entita& e) {
  std::vector<VerticeDxf> vertici;
  for (std::size_t i = e.inizio + 1; i < e.fine; ++i) {
    if (g[i].codice == 10) {
      if (i + 1 == e.fine || g[i + 1].codice != 20) Incompleta(g, e, 20);
      vertici.push_back({NumeroDelFile(g[i].valore), NumeroDelFile(g[i + 1].valore), 0});
      ++i;
    } else if (g[i].codice == 42 && !vertici.empty()) {
      vertici.back().bulge = NumeroDelFile(g[i].valore);
    }
  }
  return vertici;
}

bool Chiusa(const Gruppi& g, const Entita& e) {
  const std::string* flag = Valore(g, e, 70);
  if (!flag) return false;
  const float bit = NumeroDelFile(*flag);
  return bit > 0 && bit < 65536 && (static_cast<int>(bit) & 1) != 0;
}

// A value of the matrices: beyond a single's range it overflows.
float Arrotonda(double valore, double scala) {
  const double arrotondato = std::nearbyint(valore * scala) / scala;
  if (!(std::fabs(arrotondato) <= std::numeric_limits<float>::max()))
    throw platform::ErroreEsecuzione(
        6, "Una coordinata o un'area del disegno supera il massimo di un numero a singola "
           "precisione (3.4E+38).");
  return static_cast<float>(arrotondato);
}

// Counts are 16-bit, as the window's grids count their rows.
void ControllaConteggio(std::size_t n, const char* cosa) {
  constexpr auto massimo = static_cast<std::size_t>(std::numeric_limits<short>::max());
  if (n > massimo)
    throw platform::ErroreEsecuzione(6, "Il disegno ha " + std::to_string(n) + " " + cosa +
                                            ": una sezione ne può avere al più " +
                                            std::to_string(massimo) + ".");
}

void ScriveCerchi(const std::vector<Cerchio>& cerchi, int colonne, int& n, Matrice<float>& m,
                  const char* cosa) {
  if (cerchi.empty()) return;
  ControllaConteggio(cerchi.size(), cosa);
  n = static_cast<int>(cerchi.size());
  m.ReDim(0, n, 1, colonne);
  for (int i = 1; i <= n; ++i) {
    const Cerchio& c = cerchi[static_cast<std::size_t>(i - 1)];
    const double raggio = c.raggio;
    m(i, 1) = Arrotonda(3.14159265358979 * raggio * raggio, 1);
    m(i, 2) = Arrotonda(c.x, 1);
    m(i, 3) = Arrotonda(c.y, 1);
  }
}

struct Letti {
  std::vector<VerticeDxf> contorno;
  bool chiuso = false;
  std::vector<Cerchio> barre;
  std::vector<Cerchio> cavi;
};

// The entity pass: false when a second outline was met.
bool LeggeEntita(const Gruppi& g, const std::vector<Entita>& entita, Letti& letti) {
  for (std::size_t k = 0; k < entita.size(); ++k) {
    const Entita& e = entita[k];
    const std::string& tipo = g[e.inizio].valore;
    if (tipo == "LWPOLYLINE" || tipo == "POLYLINE") {
      std::vector<VerticeDxf> vertici;
      if (tipo == "LWPOLYLINE") {
        if (Layer(g, e) == Stato.LayerContorno) vertici = VerticiLwPolyline(g, e);
      } else {
        for (; k + 1 < entita.size() && g[entita[k + 1].inizio].valore == "VERTEX"; ++k) {
          const Entita& v = entita[k + 1];
          if (Layer(g, e) != Stato.LayerContorno) continue;
          const std::string* bulge = Valore(g, v, 42);
          vertici.push_back({NumeroRichiesto(g, v, 10), NumeroRichiesto(g, v, 20),
                             bulge ? NumeroDelFile(*bulge) : 0});
        }
      }
      if (vertici.empty()) continue;
      if (!letti.contorno.empty()) return false;
      letti.contorno = std::move(vertici);
      letti.chiuso = Chiusa(g, e);
    } else if (tipo == "CIRCLE") {
      const std::string layer = Layer(g, e);
      std::vector<Cerchio>* cerchi = nullptr;
      if (!Stato.LayerBarre.empty() && layer == Stato.LayerBarre)
        cerchi = &letti.barre;
      else if (!Stato.LayerCavi.empty() && layer == Stato.LayerCavi)
        cerchi = &letti.cavi;
      if (cerchi)
        cerchi->push_back({NumeroRichiesto(g, e, 10), NumeroRichiesto(g, e, 20),
                           NumeroRichiesto(g, e, 40)});
    }
  }
  return true;
}

void Avviso(const char* testo) {
  platform::MsgBox(testo, platform::Pulsanti::Ok, platform::Icona::Esclamazione);
}

}  // namespace

std::optional<SezioneDxf> LeggeDXFLayer(std::istream& file, SceltaLayerDxf& scelta) {
  const Gruppi g = LeggeGruppi(file);
  const std::vector<Entita> entita = EntitaDelDisegno(g);
  Stato.LayerDxf = LayerDelDisegno(g, entita);
  scelta.MostraModale();
  if (!Stato.LayerConfermati) return std::nullopt;

  Letti letti;
  if (!LeggeEntita(g, entita, letti)) {
    Stato.LayerConfermati = false;
    Avviso(MessaggioContornoNonUnivoco);
    return std::nullopt;
  }

  SezioneDxf sezione;
  if (!letti.contorno.empty()) {
    const std::vector<std::complex<double>> punti = ContornoConCorde(letti.contorno, letti.chiuso);
    ControllaConteggio(punti.size(), "vertici di contorno");
    sezione.nFigure = static_cast<int>(punti.size());
    sezione.Figure.ReDim(1, sezione.nFigure, 0, 2);
    for (int i = 1; i <= sezione.nFigure; ++i) {
      sezione.Figure(i, 1) = Arrotonda(punti[static_cast<std::size_t>(i - 1)].real(), 100);
      sezione.Figure(i, 2) = Arrotonda(punti[static_cast<std::size_t>(i - 1)].imag(), 100);
    }
    const std::size_t lati = letti.contorno.size() - (letti.chiuso ? 0 : 1);
    sezione.ArchiSostituiti = std::any_of(letti.contorno.begin(), letti.contorno.begin() + lati,
                                          [](const VerticeDxf& v) { return v.bulge != 0; });
  }
  ScriveCerchi(letti.barre, 3, sezione.nBarre, sezione.Barre, "barre");
  ScriveCerchi(letti.cavi, 4, sezione.nCavi, sezione.Cavi, "cavi");

  if (letti.contorno.empty()) {
    Stato.LayerConfermati = false;
    Avviso(MessaggioContornoNonTrovato);
  }
  if (!Stato.LayerBarre.empty() && sezione.nBarre == 0) Avviso(MessaggioBarreNonTrovate);
  if (!Stato.LayerCavi.empty() && sezione.nCavi == 0) Avviso(MessaggioCaviNonTrovati);
  if (sezione.ArchiSostituiti) Avviso(MessaggioArchiSostituiti);
  if (!Stato.LayerConfermati) return std::nullopt;
  return sezione;
}

std::optional<SezioneDxf> ImportaFileDxf(const std::string& percorso, SceltaLayerDxf& scelta) {
  try {
    const std::string motivo = platform::MotivoNonLeggibile(percorso, DimensioneMassima);
    if (!motivo.empty()) throw platform::ErroreEsecuzione(75, motivo);
    std::ifstream file(percorso, std::ios::binary);
    if (!file) throw platform::ErroreFile(errno, percorso);
    // A drawing saved in UTF-16 has a zero in each of its first characters.
    char inizio[2] = {'0', '0'};
    file.read(inizio, 2);
    const auto byte = [](char c) { return static_cast<unsigned char>(c); };
    if (inizio[0] == 0 || inizio[1] == 0 || (byte(inizio[0]) >= 0xFE && byte(inizio[1]) >= 0xFE))
      throw platform::ErroreEsecuzione(
          5, "Il file è scritto in UTF-16: salvare il disegno come DXF di testo ASCII.");
    file.clear();
    file.seekg(0);
    return LeggeDXFLayer(file, scelta);
  } catch (const platform::ErroreEsecuzione& errore) {
    Stato.LayerConfermati = false;
    platform::MsgBox("Il disegno " + percorso + " non può essere importato.\r\n" +
                     errore.Descrizione());
    return std::nullopt;
  }
}

}  // namespace ImportaDxf
