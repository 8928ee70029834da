#pragma once
// Physical ranges of the material constants, factors, dimensions and actions
// that the engine and the windows read: one table, one reason a row. A value
// outside its range has no physical meaning and is refused where it enters.
#include <optional>
#include <string>

namespace Intervalli {

enum class Grandezza {
  Fck,
  Fcd,
  RapportoFccFcd,
  AlfaCC,
  GammaC,
  GammaS,
  ModuloEs,
  FydBarre,
  FydCavi,
  Fyk,
  EpsCu,
  EpsC2,
  EpsSu,
  RapportoN,
  Rck,
  SigmaCAmm,
  SigmaSAmm,
  TauC,
  FattoreConfidenza,
  GammaAzioni,
  Coordinata,
  Lunghezza,
  LunghezzaLibera,
  AreaAcciaio,
  PrecompressioneCavo,
  Forza,
  Momento,
  Angolo,
  VerticiCerchio,
  DuttilitaCurvatura,
  FattoreStruttura,
  Periodo,
  RapportoMomenti,
  Diametro,
};

struct Intervallo {
  const char* nome;  // as the user reads it
  double minimo;
  double massimo;
  bool minimoEscluso;  // (minimo, massimo] rather than [minimo, massimo]
  const char* unita;  // unit of the text, after multiplying by scala
  double scala;
  const char* motivo;
  bool zeroAmmesso = false;  // 0, "not given", besides the range
};

const Intervallo& Di(Grandezza g);

// Whether valore is a finite number inside the range of g.
bool Dentro(Grandezza g, double valore);

// How a sentence gives lengths and areas: in mm and mm², or in the unit the
// windows' boxes show (UnitaLunghezza) for a value typed there.
enum class Lunghezze { InMm, Mostrate };

// Empty when valore is inside; otherwise a sentence that names the value,
// its range and the reason, for the user; nome, when given, in place of the
// table's.
std::string FuoriIntervallo(Grandezza g, double valore, const std::string& nome = "",
                            Lunghezze lunghezze = Lunghezze::InMm);

// "nome = valore unità" of a value of g.
std::string TestoValore(Grandezza g, double valore, const std::string& nome = "",
                        Lunghezze lunghezze = Lunghezze::InMm);

// Empty when the axes of bars of diameter barra, at copriferro from the
// faces, stay inside a section whose smaller side is lato and short of its
// centre; otherwise a sentence that names the cover and the room there is,
// in the unit the windows show. All in mm.
std::string CopriferroFuori(double copriferro, double lato, double barra,
                            const std::string& nome = "c");
// The sentence for a side narrower than minimo, which no cover fits: the
// stirrups and bars of diameter barra short of the centre need it.
std::string LatoSenzaCopriferro(double lato, double minimo, const std::string& nome);
// The same for bars spread on a circle of the given radius, at copriferro
// from its edge: their centres between the edge and the centre, or the hole
// of raggioInterno (its edge included).
std::string CopriferroCerchioFuori(double copriferro, double raggio, double raggioInterno,
                                   const std::string& nome);
// The sentence for bars on a circle of the given radius drawn as a polygon
// of vertici sides that fall beyond its chords: the cover must reach
// R(1 - cos(pi/vertici)), or the polygon needs more vertices.
std::string CopriferroOltreLeCorde(double copriferro, double raggio, int vertici,
                                   const std::string& nome);

// The whole number from 0 to massimo a typed text holds, blanks around it
// aside; nothing for any other text.
std::optional<int> Conteggio(const std::string& testo, int massimo);
// Empty when testo holds such a count of bars; otherwise a sentence that
// names the count, as typed, and what it must be.
std::string NumeroBarreFuori(const std::string& testo, const std::string& nome, int massimo);

}  // namespace Intervalli
