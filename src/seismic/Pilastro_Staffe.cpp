#include <algorithm>
#include <cmath>

#include "analysis/TestoSingolo.h"
#include "drawing/Grafica.h"
#include "model/Array.h"
#include "model/Formato.h"
#include "model/Intervalli.h"
#include "model/Matematica.h"
#include "platform/MsgBox.h"
#include "seismic/FinestraSismica.h"
#include "seismic/Pilastro.h"

namespace Sismica {
namespace {

using Matematica::Pi;

double AreaTondo(double d) { return Pi * d * d / 4; }

// The bar numbers of one side, from its first position to its last.
using Lato = std::vector<int>;

// Turn angles of a closed stirrup at each of its bars, positive the way the
// stirrup runs round (radians, -pi..pi); none for a tie. A bar where the
// stirrup runs straight on has a turn of 0.
std::vector<double> Svolte(const Vettore<double>& x, const Vettore<double>& y) {
  const int k = x.Conta();
  std::vector<double> svolte;
  if (k < 3) return svolte;
  double area = 0;
  for (int i = 1; i <= k; ++i) {
    const int j = i % k + 1;
    area += x(i) * y(j) - x(j) * y(i);
  }
  const double verso = area < 0 ? -1 : 1;
  for (int i = 1; i <= k; ++i) {
    const int a = i == 1 ? k : i - 1;
    const int c = i % k + 1;
    const double ux = x(i) - x(a), uy = y(i) - y(a);
    const double vx = x(c) - x(i), vy = y(c) - y(i);
    svolte.push_back(verso * std::atan2(ux * vy - uy * vx, ux * vx + uy * vy));
  }
  return svolte;
}

bool Gira(double svolta) { return std::fabs(svolta) > 1E-9; }

// Centre-line length of a stirrup through bar centres, its centre line
// offset outwards by (fi + dst) / 2: a tie reaches that far beyond each end
// bar; a closed stirrup with sharp corners adds (fi + dst) tan(a / 2) at each
// turn a (less at an inward corner; a reversal counts as a tie's end).
double LunghezzaStaffa(const Vettore<double>& x, const Vettore<double>& y, double fiDst) {
  const int k = x.Conta();
  if (k == 2) return Grafica::Distanza(x(1), y(1), x(2), y(2)) + fiDst;
  double lunghezza = 0;
  for (int i = 1; i <= k; ++i) {
    const int j = i % k + 1;
    lunghezza += Grafica::Distanza(x(i), y(i), x(j), y(j));
  }
  for (double a : Svolte(x, y))
    lunghezza += fiDst * (std::fabs(a) > Pi - 1E-9 ? 1 : std::tan(a / 2));
  return lunghezza;
}

}  // namespace

std::vector<int> Pilastro::BarreStaffa(const Matrice<float>& staffe, int riga) {
  std::vector<int> barre;
  for (int j = 2; j <= std::min(CampiStaffa, staffe.Ub2()); ++j) {
    const float barra = staffe(riga, j);
    if (barra == 0) break;
    barre.push_back(std::floor(barra) == barra && std::fabs(barra) < 1E6f ? static_cast<int>(barra)
                                                                          : -1);
  }
  return barre;
}

std::string Pilastro::StaffeMancanti(bool inferiore, bool superiore) {
  const char* dove = inferiore && superiore ? "nelle sezioni inferiore e superiore"
                     : inferiore            ? "nella sezione inferiore"
                                            : "nella sezione superiore";
  return std::string("ATTENZIONE - Inserire le staffe ") + dove + "!";
}

std::string Pilastro::ErroreStaffa(const Matrice<float>& staffe, int riga) const {
  auto campo = [&](int j) { return j <= staffe.Ub2() ? staffe(riga, j) : 0.0f; };
  int ultimo = 2;
  while (ultimo < CampiStaffa && campo(ultimo + 1) != 0) ++ultimo;
  std::string messaggio;
  const Intervalli::Intervallo& diametri = Intervalli::Di(Intervalli::Grandezza::Diametro);
  if (campo(1) < diametri.minimo) {
    messaggio = "Diametro = " + TestoSingolo(campo(1));
  } else if (campo(1) > diametri.massimo) {
    messaggio = "Diametro = " + TestoSingolo(campo(1)) + " mm: deve essere compreso tra " +
                Formattazione::TestoNumero(diametri.minimo) + " e " +
                Formattazione::TestoNumero(diametri.massimo) + " mm";
  } else if (campo(2) < 1 || campo(3) < 1) {
    messaggio = "La staffa deve congiungere almeno due punti";
  } else {
    for (int j = 3; j <= ultimo && messaggio.empty(); ++j)
      if (campo(j) == campo(j - 1)) messaggio = "Due vertici coincidenti";
    const int nBarre = nBarreDati();
    for (int j = 2; j <= ultimo && messaggio.empty(); ++j)
      if (campo(j) < 1 || campo(j) > nBarre || std::floor(campo(j)) != campo(j))
        messaggio = "la barra " + TestoSingolo(campo(j)) + " non esiste";
  }
  if (messaggio.empty()) return messaggio;
  return "Errore nella staffa " + std::to_string(riga) + ": " + messaggio;
}

bool Pilastro::StaffaMemorizzaControllo(const Matrice<float>& staffe, int riga,
                                        FinestraSismica& finestra) const {
  const std::string errore = ErroreStaffa(staffe, riga);
  platform::Control& etichetta = finestra.Controllo("lblErroreSt");
  etichetta.SetVisible(!errore.empty());
  etichetta.SetCaption(errore);
  const bool ok = errore.empty() && StaffaDoppiaControllo(staffe, riga);
  finestra.StaffeControlliSetta(ok);
  return ok;
}

bool Pilastro::StaffaDoppiaControllo(const Matrice<float>& staffe, int riga) const {
  const int j = StaffaSovrapposta(staffe, riga);
  if (j == 0) return true;
  platform::MsgBox("la staffa " + std::to_string(riga) + " si sovrappone alla staffa " +
                   std::to_string(j) + ".\r\nEliminarla o modificarla!");
  return false;
}

int Pilastro::StaffaSovrapposta(const Matrice<float>& staffe, int riga) const {
  auto barre = [&](int i) {
    const std::vector<int> lista = BarreStaffa(staffe, i);
    Vettore<int> vettore(1, static_cast<int>(lista.size()));
    std::copy(lista.begin(), lista.end(), vettore.Dati().begin());
    return vettore;
  };
  const Vettore<int> questa = barre(riga);
  if (questa.Vuoto()) return 0;
  for (int j = 1; j < riga; ++j) {
    const Vettore<int> altra = barre(j);
    if (altra.Conta() == questa.Conta() && Matematica::ArraysCoincidenti(questa, altra, true))
      return j;
  }
  return 0;
}

bool Pilastro::VerticiStaffa(int riga, Vettore<double>& x, Vettore<double>& y) const {
  return VerticiBarre(BarreStaffa(StaffeCorrenti(), riga), x, y);
}

bool Pilastro::VerticiBarre(const std::vector<int>& barre, Vettore<double>& x, Vettore<double>& y,
                            Vettore<double>* r) const {
  const int k = static_cast<int>(barre.size());
  x.ReDim(1, k);
  y.ReDim(1, k);
  if (r) r->ReDim(1, k);
  for (int i = 1; i <= k; ++i) {
    const int barra = barre[static_cast<size_t>(i - 1)];
    if (barra < 1 || barra > xBarre_.Ub()) return false;
    x(i) = xBarre_(barra);
    y(i) = yBarre_(barra);
    if (r) (*r)(i) = std::sqrt(areeBarre_(barra) / Pi);
  }
  return k >= 2;
}

float Pilastro::StaffeDiametroMinimo() const {
  if (Circolare()) return DiametroStaffaCircolare();
  float minimo = 1000;
  const Matrice<float>& staffe = StaffeCorrenti();
  for (int i = 1; i <= staffe.Righe(); ++i) minimo = std::min(minimo, staffe(i, 1));
  return minimo;
}

float Pilastro::DistanzaStaffa() const {
  return static_cast<float>(CopriFerro() - StaffeDiametroMinimo() / 2.0 - fiBarrePilastro() / 2.0);
}

float Pilastro::AreaConfinata(float& b0, float& h0) const {
  const float d = DistanzaStaffa();
  b0 = bSezione() - 2 * d;
  h0 = hSezione() - 2 * d;
  if (Circolare()) return static_cast<float>(Pi * b0 * b0 / 4);
  return b0 * h0;
}

void Pilastro::DistanzeBracciEsterni(float& primo, float& secondo) const {
  const float d = DistanzaStaffa();
  primo = hSezione() - 2 * d;
  secondo = bSezione() - 2 * d;
}

float Pilastro::StaffeVolumeRapporto(double& volume, float& area) const {
  float b0 = 0;
  float h0 = 0;
  area = AreaConfinata(b0, h0);
  volume = 0;
  if (Circolare()) {
    volume = AreaTondo(DiametroStaffaCircolare()) * Pi * b0;
  } else {
    const double fi = fiBarrePilastro();
    const Matrice<float>& staffe = StaffeCorrenti();
    Vettore<double> x;
    Vettore<double> y;
    for (int i = 1; i <= staffe.Righe(); ++i) {
      if (!VerticiStaffa(i, x, y)) continue;
      const double dst = staffe(i, 1);
      volume += AreaTondo(dst) * LunghezzaStaffa(x, y, fi + dst);
    }
  }
  return area > 0 ? static_cast<float>(volume / area) : 0;
}

// A tie between the two bars of an intermediate row counts along the first
// direction, any other tie along the second; a closed stirrup has two legs
// each way.
void Pilastro::StaffeAreaComplessivaBracci(float& primo, float& secondo) const {
  primo = 0;
  secondo = 0;
  if (Circolare()) {
    primo = secondo = static_cast<float>(2 * AreaTondo(DiametroStaffaCircolare()));
    return;
  }
  const Matrice<float>& staffe = StaffeCorrenti();
  Vettore<double> x;
  Vettore<double> y;
  for (int i = 1; i <= staffe.Righe(); ++i) {
    if (!VerticiStaffa(i, x, y)) continue;
    const float a = static_cast<float>(AreaTondo(staffe(i, 1)));
    if (x.Conta() > 2) {
      primo += 2 * a;
      secondo += 2 * a;
    } else if (std::abs(staffe(i, 2) - staffe(i, 3)) == 1) {
      primo += a;
    } else {
      secondo += a;
    }
  }
}

BarreAncorate Pilastro::StaffeDistanzeBarreAncorate() const {
  BarreAncorate esito;
  const int n = xBarre_.Conta();
  std::vector<bool> legata(static_cast<size_t>(n) + 1, false);
  const Matrice<float>& staffe = StaffeCorrenti();
  Vettore<double> x;
  Vettore<double> y;
  // A bar is held where a stirrup turns round it or a tie ends at it.
  for (int i = 1; i <= staffe.Righe(); ++i) {
    if (!VerticiStaffa(i, x, y)) continue;
    const std::vector<int> barre = BarreStaffa(staffe, i);
    const std::vector<double> svolte = Svolte(x, y);
    for (size_t j = 0; j < barre.size(); ++j)
      if (svolte.empty() || Gira(svolte[j])) legata[static_cast<size_t>(barre[j])] = true;
  }
  esito.Legate = static_cast<int>(std::count(legata.begin(), legata.end(), true));

  const int nb = nBarreBase();
  const int nh = nBarreAltezza();
  const std::vector<PosizioneBarra> posizioni = NumerazioneBarre();
  if (posizioni.empty() || static_cast<int>(posizioni.size()) != n) return esito;
  Lato sopra(static_cast<size_t>(nb)), sotto(static_cast<size_t>(nb));
  Lato sinistra(static_cast<size_t>(nh)), destra(static_cast<size_t>(nh));
  for (int barra = 1; barra <= n; ++barra) {
    const PosizioneBarra& p = posizioni[static_cast<size_t>(barra - 1)];
    if (p.Riga == 1) sopra[static_cast<size_t>(p.Colonna - 1)] = barra;
    if (p.Riga == nh) sotto[static_cast<size_t>(p.Colonna - 1)] = barra;
    if (p.Colonna == 1) sinistra[static_cast<size_t>(p.Riga - 1)] = barra;
    if (p.Colonna == nb) destra[static_cast<size_t>(p.Riga - 1)] = barra;
  }
  // Consecutive held bars of a side, two positions or more apart: a gap.
  for (const Lato& lato : {sopra, sotto, sinistra, destra}) {
    int precedente = -1;
    for (int k = 0; k < static_cast<int>(lato.size()); ++k) {
      const int barra = lato[static_cast<size_t>(k)];
      if (!legata[static_cast<size_t>(barra)]) continue;
      if (precedente >= 0) {
        const int prima = lato[static_cast<size_t>(precedente)];
        if (k - precedente > 2) esito.Lacuna = true;
        const double d =
            Grafica::Distanza(xBarre_(prima), yBarre_(prima), xBarre_(barra), yBarre_(barra));
        esito.DistanzaMax = std::max(esito.DistanzaMax, static_cast<float>(d));
        esito.SommaQuadrati += d * d;
      }
      precedente = k;
    }
  }
  return esito;
}

}  // namespace Sismica
