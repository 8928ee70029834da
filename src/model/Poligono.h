#pragma once
// Plane polygon of a section outline: vertices counted from 1, closed
// implicitly (the side after the last vertex runs back to vertex 1), in either
// direction. Its section properties are left in public fields; each keeps its
// value until the routine that sets it runs again.
//
// The members are split by theme: Poligono.cpp (vertices),
// Poligono_Caratteristiche.cpp (area and section properties),
// Poligono_Estremi.cpp (extremes and bounding box), Poligono_Taglio.cpp (cut
// by a line), Poligono_Trasforma.cpp (moving and mirroring the vertices),
// Poligono_Punti.cpp (point and segment queries), Poligono_Strisce.cpp
// (strips of small rectangles), Poligono_Dividi.cpp (division by a line and by
// an area ratio), Poligono_Plastico.cpp (plastic moduli),
// Poligono_Inviluppo.cpp (convex hull), Poligono_Contorni.cpp (offset outline
// and view from the right), Poligono_Disegno.cpp (drawing on the current
// device).
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "model/Matematica.h"
#include "model/Matrice.h"
#include "model/Vettore.h"

// Section properties (mm based), set by AreaCalcola, CaratteristicheStatiche
// and CaratteristicheStaticheCerchio; callers may also write them. A copy of
// the polygon carries them over.
struct CaratteristichePoligono {
  double Area = 0;  // never negative
  double xG = 0;
  double yG = 0;
  double stat_x = 0;  // integral of y dA
  double stat_y = 0;  // integral of x dA
  double jota_x = 0;  // integral of y^2 dA, about the origin
  double jota_y = 0;  // integral of x^2 dA
  double jota_xy = 0;  // integral of x*y dA
  double jota_xG = 0;  // the same three about the centroid
  double jota_yG = 0;
  double jota_xyG = 0;
  double jota_IG = 0;  // principal centroidal moments, jota_IG >= jota_IIG
  double jota_IIG = 0;
  double AngoloJotaI = 0;  // radians, counter-clockwise from +x
  double AngoloJotaII = 0;
  double iX = 0;  // radii of gyration about the principal axes
  double iY = 0;
  double WxSuperiore = 0;  // elastic moduli for the top, bottom, right, left fibre
  double WxInferiore = 0;
  double WyDestra = 0;
  double WySinistra = 0;
  double Wplx = 0;  // plastic moduli
  double Wply = 0;
  bool NumerazioneVerticiAntioraria = false;
};

// The strips of the last DiscretizzaPoligono, from the top down, in 32-bit
// precision: per strip its height, the ordinate of its mid-line and its
// rectangles, each with its width and the abscissa of its centre. A rectangle
// stands for the part of the strip between two crossings of the mid-line;
// the elements of a row past its rectangles are 0. Fondo and AreaIntera, in
// 64 bits, serve the integration from the top down: the depth below the top
// where each strip ends, the heights added up strip by strip (element 0 is
// 0), and the area of each whole strip, as RettangolinoArea gives them.
struct StrisceRettangolini {
  static constexpr int MaxRettangoli = 20;  // per strip
  Vettore<float> Altezza;  // 1..strips
  Vettore<float> yCentro;
  Vettore<int> nRettangoli;
  Matrice<float> Larghezza;  // (strip, 1..MaxRettangoli)
  Matrice<float> xCentro;
  Vettore<double> Fondo;  // 0..strips
  Vettore<double> AreaIntera;  // 1..strips
};

// The root finder reaches yEquazione (the area residual of Dividi) through
// Matematica::Equazione.
class Poligono : public Matematica::Equazione, public CaratteristichePoligono {
 public:
  int nRettangolini_ = 0;  // strips of the last discretisation

  // A new polygon with these vertices, properties and orientation; the strips
  // of a discretisation are not carried over. The copy shares this polygon's
  // memory of computed properties (see CaratteristicheStatiche).
  Poligono Copia() const;
  // Makes copia what Copia gives, in the memory copia has: its vertex arrays,
  // and its strip tables, which the next DiscretizzaPoligono writes into and
  // Strisce() shows as they were until then. Nothing changes when the
  // vertices cannot be read.
  void CopiaIn(Poligono& copia) const;

  int nVertici() const { return nVertici_; }
  // A positive count re-creates both arrays with every coordinate 0; zero or
  // less only changes the count.
  void SetnVertici(int n);

  const Vettore<double>& CoordX() const { return x_; }
  const Vettore<double>& CoordY() const { return y_; }
  // Elements 1..Ub() of the source become the vertices (element 0 is ignored)
  // and the count becomes Ub(). A source without elements 1..Ub() leaves the
  // array as it was and the count 0. Set both x and y.
  void SetCoordX(const Vettore<double>& valori);
  void SetCoordY(const Vettore<double>& valori);

  // Vertices from elements 1..n of x and y; n below 1 gives an empty polygon.
  template <class T>
  void Coordinate(const Vettore<T>& x, const Vettore<T>& y, int n);

  // Vertex i in 1..nVertici(); xI and yI are the same accessors.
  double X(int i) const { return x_(i); }
  double Y(int i) const { return y_(i); }
  void SetX(int i, double valore) { x_(i) = valore; }
  void SetY(int i, double valore) { y_(i) = valore; }
  double xI(int i) const { return X(i); }
  double yI(int i) const { return Y(i); }
  void SetxI(int i, double valore) { SetX(i, valore); }
  void SetyI(int i, double valore) { SetY(i, valore); }

  double Perimetro() const;

  // Area and orientation; with fewer than 3 vertices Area is 0 and the
  // orientation flag keeps its value.
  void AreaCalcola();
  // Area not above 0, or with AreaRelativa not above Perimetro()^2 / 1E20.
  bool AreaNulla(bool AreaRelativa);
  // Every coordinate a finite number not farther than limite from 0.
  bool CoordinateEntro(double limite) const;
  // What keeps an outline from standing for a section: sides that cross or
  // touch, a cut to a ring outside the rest, a ring run the wrong way; the
  // cut is the side from vertex taglio to the next.
  struct DifettoLati {
    enum Tipo { Nessuno, Incrocio, TaglioFuori, VersoAnello } tipo = Nessuno;
    int taglio = 0;
  };
  // The first fault found (LatiSiToccano). The answer is kept with the
  // vertices it was found for, and given again while they stay the same.
  DifettoLati DifettoDeiLati() const;
  bool LatiIncrociati() const { return DifettoDeiLati().tipo != DifettoLati::Nessuno; }
  // Sides i and k (side i runs from vertex i to the next) cross, overlap
  // along a line or touch at a point that is not their common end, within
  // zero. A side run back by another is a cut and may touch at its ends: it
  // joins rings on whose sides the concrete flips (outline, hole, core in
  // the hole), so it runs in the concrete at both ends or in a hole at both;
  // a cut in the void around two rings joins a ring outside the outline.
  // Consecutive sides meet only at their vertex, unless one runs back along
  // the other.
  bool LatiSiToccano(int i, int k, double zero) const;
  void CaratteristicheStaticheCerchio(double RaggioEsterno, double RaggioInterno);
  // Every section property of the outline, or of a circle or ring when Cerchio.
  // SoloAzzeramento only zeroes the area and the integrals about the origin.
  // A polygon made by Copia, its original and their other copies remember
  // the properties of the last two outlines computed without error, and give
  // them again, bit for bit, for the same vertices.
  void CaratteristicheStatiche(bool SoloAzzeramento = false, bool Cerchio = false,
                               double RaggioEsterno = 0, double RaggioInterno = 0);
  // How many property calculations, program-wide, failed and said so in a
  // box: a run during which one did gives no result.
  static int CaratteristicheFallite();

  // Smallest and largest vertex coordinates, from 1E20 and -1E20; tolleranza
  // gets the larger extent / 1E9.
  void MaxMin(double& xMin, double& xMax, double& yMin, double& yMax,
              double* tolleranza = nullptr) const;
  // The larger of the x and y extents.
  double MaxDimensione() const;
  // (xMin, yMin, xMax, yMax) at indices 1..4.
  Vettore<double> BoundingBox() const;
  // Strictly inside the box shrunk by tolleranza (a negative one enlarges it).
  bool PuntoInBoundingBox(double x, double y, double tolleranza) const;

  // ---- Cut by the line a*x + b*y + c = 0

  // Crossings of the line with the sides, in side order, with the side of
  // each (side i runs from vertex i to the next). A vertex on the line is
  // given by each side through it that does not lie on the line, so once per
  // such side; sides on the line give none. The lists are re-dimensioned from
  // 1 and may end longer than m.
  void IntersezioneConRetta(double a, double b, double c, Vettore<double>& xi,
                            Vettore<double>& yi, Vettore<int>& lati, int& m) const;
  // A new polygon with crossing k inserted after vertex lati(k) (in list
  // order, at most one after each vertex); segnati(k) is 1 for an inserted
  // point, 0 for a vertex. Properties are not computed.
  Poligono PoligonoConIntersezioni(const Vettore<double>& xi, const Vettore<double>& yi,
                                   const Vettore<int>& lati, int m,
                                   Vettore<int>& segnati) const;
  // A new polygon of the vertices that are marked in segnati or whose y (x
  // with usaX) times riferimento is positive. Properties are not computed.
  Poligono PoligonoSenzaPuntiOpposti(double riferimento, const Vettore<int>& segnati,
                                     bool usaX = false) const;
  // The part on the side of the reference point (xR, yR, wR), homogeneous: wR
  // = 0 makes (xR, yR) a direction, and a negative weight points to the
  // opposite side. The crossings (32-bit) are vertices of the part; its
  // properties are computed unless the caller, who will compute them, says
  // so. None when the line meets no side.
  std::optional<Poligono> PoligonoIntersezione(double a, double b, double c, double xR,
                                               double yR, double wR,
                                               bool caratteristiche = true) const;
  // PoligonoIntersezione with stato 1; when the line meets no side, a copy of
  // the vertices with stato 0 when wR >= 0, else an empty polygon with stato
  // -1 (properties not computed either way).
  Poligono PoligonoReagente(double xR, double yR, double wR, double a, double b, double c,
                            int& stato, bool caratteristiche = true) const;
  // PoligonoReagente into parte (not this polygon), which becomes a new
  // polygon that keeps only the vertex memory it had.
  void PoligonoReagenteIn(double xR, double yR, double wR, double a, double b, double c,
                          int& stato, Poligono& parte, bool caratteristiche = true) const;

  // ---- Moving and mirroring the vertices

  // Every vertex carried by the roto-translation T(1..6); properties recomputed.
  void RotoTraslaVertici(const Vettore<double>& T);
  // Every vertex turned counter-clockwise by angolo (radians) about the centre;
  // properties recomputed.
  void RuotaVertici(double xCentro, double yCentro, double angolo);
  // The point (dx, dy) becomes the origin; properties are not recomputed.
  void Trasla(double dx, double dy);
  // Every y (with asseY) or every x becomes -(c + value); nothing recomputed.
  void SpecchiaXY(double c, bool asseY);
  // The i-th new point goes after the vertex numbered posizioni(i) before the
  // call (posizioni ascending); properties are not recomputed.
  void InseriscePunti(const Vettore<double>& xNuovi, const Vettore<double>& yNuovi, int m,
                      const Vettore<int>& posizioni);

  // ---- Points and segments

  // 1 inside, -1 outside, for the homogeneous point (x, y, w); |w| below the
  // tolerance is a point at infinity. On the boundary the half-open rule of
  // the crossings decides.
  int PuntoInPoligono(double x, double y, double w, double tolleranza) const;
  // The first of the points (x, y)(1..n), finite, that lies neither inside
  // nor on the boundary within the larger extent / 1E6 (the digits a
  // coordinate typed in a window keeps) and the rounding of the point to
  // single precision; 0 when all do. A point on a cut through a hole, on no
  // other side, lies in the hole. Each side meets only the points level with
  // it.
  int PrimoPuntoFuori(const Vettore<float>& x, const Vettore<float>& y, int n) const;
  // Crossings of the segment (xs, ys)(1..2) with the sides, end points of
  // either excluded; xi, yi and lati are re-dimensioned to 1..m on each one.
  bool IntersezioneConSegmento(const Vettore<double>& xs, const Vettore<double>& ys,
                               Vettore<double>& xi, Vettore<double>& yi, int& m,
                               Vettore<int>& lati) const;

  // ---- Strips of small rectangles

  // Fills altezza, larghezza (32-bit) and yMax with the extents; unless
  // soloDimensioni, cuts the polygon into n horizontal strips from the top,
  // each with its rectangles between pairs of crossings of its mid-line.
  // False, after telling the user, when a strip needs more than
  // StrisceRettangolini::MaxRettangoli rectangles: it keeps the first ones.
  bool DiscretizzaPoligono(int n, double& altezza, double& larghezza, double& yMax,
                           bool soloDimensioni = false);
  // Strips 1..n of a circle of the given radius centred at the origin, one
  // rectangle each, written over the tables of an earlier DiscretizzaPoligono
  // (nRettangolini_ unchanged). False, nothing done, when they hold fewer
  // than n strips.
  bool DiscretizzaCerchio(int n, double raggio);
  const StrisceRettangolini& Strisce() const { return strisce_; }
  // Strip i from depth s down to t = min(t + its height, L): returns its
  // area; m receives the mid-depth. Inline, as the integration loops call
  // them strip by strip.
  double RettangolinoArea(double& t, double L, double s, double& m, int i) const;
  // The strips from the top down, each cut at depth L, to the one that
  // reaches it: f(m, Sx, Sy) for each, with m the middle depth of its part
  // and its first moments about y = y0 (Sx) and about x = x0 (Sy), the lever
  // arm in y being the strip's own mid-line. Inline, on the tables as plain
  // arrays, as the ultimate run calls it at every run.
  template <class F>
  void MomentiStrisce(double L, double x0, double y0, F&& f) const;

  // ---- Division by a line and by an area ratio

  // The parts above and below the line y = c (right and left of x = c with
  // verticale); properties are not computed. A line that misses the polygon
  // leaves one part empty and a copy of the polygon in the other.
  void DividiY(double c, std::optional<Poligono>& sopra, std::optional<Poligono>& sotto,
               bool verticale = false) const;
  // The line that puts the fraction rapporto of the area above it (right of
  // it with verticale), found by the root finder; c receives it.
  void Dividi(double rapporto, std::optional<Poligono>& sopra, std::optional<Poligono>& sotto,
              double& c, bool verticale = false);
  // Area above the line c (right of it when verticale is given and not 0)
  // less the fraction of Dividi.
  double yEquazione(double& c, const std::optional<double>& verticale) override;

  // ---- Plastic moduli

  static double WplasticoCerchio(double RaggioEsterno, double RaggioInterno);
  // About the horizontal (vertical) line that halves the area, which linea
  // receives; of the circle or ring of the radii when Cerchio. 0 when no
  // such line is found.
  double Wplastico(bool Verticale, bool Cerchio = false, double RaggioEsterno = 0,
                   double RaggioInterno = 0, double* linea = nullptr);
  // Wplx and Wply of the outline, 0 without area; Area must be up to date.
  void Wplastici();

  // ---- Derived outlines

  // The offset of this outline through (xP, yP), in 32-bit precision, into
  // bersaglio; sets Grafica's coincidence tolerance to MaxDimensione() / 1E6.
  void OffsetPerPunto(double xP, double yP, Poligono& bersaglio) const;
  // A new polygon: the convex hull, counter-clockwise from the lowest vertex
  // (lowest index on a tie), in 32-bit precision; properties not computed.
  Poligono PoligonoConvessoCircoscritto() const;
  // The vertices that nothing of the outline hides on their right.
  void VistaDaDestra(Vettore<double>& x, Vettore<double>& y, int& n) const;

  // ---- Drawing on the current device of Grafica

  // The closed outline. With dueAnelli the vertices hold two rings one after
  // the other: vertices 1 to n/2 - 1 and n/2 + 2 to n (n/2 rounded down).
  void Plotta(double divisore, bool dueAnelli = false) const;
  // Hatching at angolo degrees with linee bands, or a spacing of -linee.
  void Tratteggia(double angolo, double linee, double scala) const;
  // The number of each vertex written at it, altezza tall.
  void NumeraVertici(double altezza) const;
  // The rectangles of the last strips, carried into place with T(1..6).
  void PlottaRettangolini(const Vettore<double>& T) const;

 private:
  // Abscissas where the line y = yp crosses the sides by the half-open rule:
  // a side counts when exactly one of its ends has y >= yp. Exact at vertices
  // on the line, so the count is always even.
  void AscisseSuOrizzontale(double yp, std::vector<double>& ascisse) const;
  // This polygon with the crossings of the line inserted (32-bit, marked in
  // segnati); false when the line meets no side.
  bool ConIntersezioni(double a, double b, double c, Poligono& risultato,
                       Vettore<int>& segnati) const;
  // Where side i, from vertex i to vertex j, meets the line on whose side
  // si and sj lie (the values of a*x + b*y + c at its ends): false when it
  // does not or lies on it.
  bool IncrocioLato(int i, int j, double si, double sj, double& x, double& y) const;
  // The vertices of p marked in segnati or where a*x + b*y + c has the sign
  // of lato.
  // A polygon of vertices 1..n of x and y, 1-based, whose memory it takes.
  static Poligono DaVertici(Vettore<double>&& x, Vettore<double>&& y, int n);
  // The cut of PoligonoIntersezione into parte, as PoligonoReagenteIn says;
  // false, with parte empty, when the line meets no side.
  bool IntersezioneIn(double a, double b, double c, double xR, double yR, double wR,
                      Poligono& parte) const;
  static Poligono ParteDaUnLato(const Poligono& p, const Vettore<int>& segnati, double a,
                                double b, double c, double lato);

  // Moves the running depth t down by strip i, not past L; m is the middle
  // of the part from s to t.
  void AvanzaProfondita(int i, double& t, double L, double s, double& m) const {
    t += strisce_.Altezza(i);
    if (t > L) t = L;
    m = (s + t) / 2;
  }
  // The strip tables for n strips: kept when they already have that size,
  // so that only the rectangles written change, else new ones of zeros.
  void DimensionaStrisce(int n);
  // Fondo and AreaIntera from the heights and widths of the tables.
  void SommeStrisce();

  // Every field below is set by CopiaIn, or kept there as strip memory.
  Vettore<double> x_;
  Vettore<double> y_;
  int nVertici_ = 0;
  StrisceRettangolini strisce_;
  // Working memory of DiscretizzaPoligono, kept between calls: the mid-line
  // of each strip, the run of strips each side crosses, where each strip's
  // crossings start in incroci_, the crossings strip after strip.
  std::vector<double> mezzerie_;
  std::vector<std::pair<int, int>> striscePerLato_;
  std::vector<int> primoIncrocio_;
  std::vector<double> incroci_;
  // What the strip tables were last cut from: the vertices, x then y, and
  // the count of strips (-1 for none), and whether every rectangle fitted.
  // The same outline cut into as many strips keeps the tables.
  struct TaglioStrisce {
    std::vector<double> vertici;
    int strisce = -1;
    bool completo = true;
  } taglio_;
  bool StessoTaglio(int strisce) const;
  // The vertices, x then y, into vertici; whether vertici holds them bit for
  // bit (0 and -0 apart).
  void ScriviVertici(std::vector<double>& vertici) const;
  bool StessiVertici(const std::vector<double>& vertici) const;
  // Tells the user that some rectangles of a strip were left out.
  static void AvvisoFrastagliato();
  float rapportoAree_ = 0;  // the fraction of Dividi, read by yEquazione

  struct Tagli;  // Poligono_Tagli.h
  // LatiSiToccano within tagli.zero, and the fault found.
  bool LatiSiToccano(int i, int k, Tagli& tagli, DifettoLati& difetto) const;
  int Verso() const;
  // The fault of the cut of side i, run back by side k: none when it runs in
  // the concrete at both ends, or in a hole at both.
  DifettoLati::Tipo DifettoDelTaglio(int i, int k, Tagli& tagli) const;
  // Whether the cut of side i runs in the concrete (false: in a hole), as
  // both its ends tell; nothing when they disagree.
  std::optional<bool> TaglioNelCalcestruzzo(int i, Tagli& tagli) const;
  // The sides of the cuts through holes, found by DifettoDeiLati.
  const std::vector<int>& TagliNelVuoto() const;
  // Whether d, from vertex m, points into the concrete, all the runs of the
  // outline through m taken; nothing where they all run along cuts.
  std::optional<bool> VersoIlCalcestruzzo(int m, double dx, double dy, Tagli& tagli) const;
  // The search of LatiIncrociati: the sides whose boxes meet, found by a
  // sweep along one axis, the sides ordered by merging the outline's
  // stretches when they are few, or else in a grid of cells.
  DifettoLati CercaLatiIncrociati(std::vector<int>& nelVuoto) const;
  // The last answer of DifettoDeiLati and the vertices it holds for; shared,
  // never changed, by the copies of the polygon.
  struct ControlloLati {
    std::vector<double> vertici;  // x then y
    DifettoLati difetto;
    std::vector<int> nelVuoto;  // the sides of cuts through holes
  };
  mutable std::shared_ptr<const ControlloLati> controlloLati_;

  // The properties CaratteristicheStatiche found for two outlines, each with
  // its vertices, and which of the two was used last.
  struct MemoriaCaratteristiche {
    struct Voce {
      std::vector<double> vertici;
      CaratteristichePoligono valori;
    };
    std::array<Voce, 2> voci;
    int recente = 0;
  };
  mutable std::shared_ptr<MemoriaCaratteristiche> memoria_;
  // The remembered properties of these vertices; false when there are none.
  bool CaratteristicheRicordate();
  void RicordaCaratteristiche();
};

template <class T>
void Poligono::Coordinate(const Vettore<T>& x, const Vettore<T>& y, int n) {
  // Built aside, so that a short source leaves the polygon as it was.
  Vettore<double> nuoviX, nuoviY;
  if (n >= 1) {
    nuoviX.ReDim(1, n);
    nuoviY.ReDim(1, n);
    for (int i = 1; i <= n; ++i) {
      nuoviX(i) = static_cast<double>(x(i));
      nuoviY(i) = static_cast<double>(y(i));
    }
  }
  x_ = std::move(nuoviX);
  y_ = std::move(nuoviY);
  nVertici_ = n >= 1 ? n : 0;
}

inline double Poligono::RettangolinoArea(double& t, double L, double s, double& m, int i) const {
  AvanzaProfondita(i, t, L, s, m);
  double area = 0;
  for (int k = 1; k <= strisce_.nRettangoli(i); ++k) area += strisce_.Larghezza(i, k) * (t - s);
  return area;
}

template <class F>
void Poligono::MomentiStrisce(double L, double x0, double y0, F&& f) const {
  const int n = nRettangolini_;
  if (n < 1) return;
  constexpr int massimo = StrisceRettangolini::MaxRettangoli;
  const StrisceRettangolini& st = strisce_;
  const float* altezze = st.Altezza.DaUno(n);
  const float* yCentri = st.yCentro.DaUno(n);
  const int* rettangoli = st.nRettangoli.DaUno(n);
  // Rows 1..n of the rectangle tables, from (1, 1), once known to be there.
  st.Larghezza(n, massimo), st.xCentro(n, massimo);
  const float* larghezze = &st.Larghezza(1, 1);
  const float* xCentri = &st.xCentro(1, 1);
  double t = 0;
  for (int i = 0; i < n; ++i) {
    const double s = t;
    t += altezze[i];
    if (t > L) t = L;
    const double m = (s + t) / 2;
    const int nr = rettangoli[i];
    if (nr > massimo) st.Larghezza(i + 1, nr), st.xCentro(i + 1, nr);  // checked past them
    const float* b = larghezze + static_cast<size_t>(i) * st.Larghezza.Colonne();
    const float* x = xCentri + static_cast<size_t>(i) * st.xCentro.Colonne();
    double Sx = 0, Sy = 0;
    for (int k = 0; k < nr; ++k) {
      const double a = (t - s) * b[k];
      Sx += a * (yCentri[i] - y0);
      Sy += a * (x[k] - x0);
    }
    f(m, Sx, Sy);
    if (t >= L) break;
  }
}
