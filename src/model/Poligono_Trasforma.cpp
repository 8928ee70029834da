// Moving, turning and mirroring the vertices, and inserting new ones.
#include "drawing/Grafica_Geometria.h"
#include "drawing/Grafica_Polilinee.h"
#include "model/Poligono.h"

void Poligono::RotoTraslaVertici(const Vettore<double>& T) {
  Grafica::RotoTraslaPunti(x_, y_, T, x_, y_, nVertici_);
  CaratteristicheStatiche();
}

void Poligono::RuotaVertici(double xCentro, double yCentro, double angolo) {
  Grafica::RuotaPuntiPolare(nVertici_, x_, y_, xCentro, yCentro, angolo);
  CaratteristicheStatiche();
}

void Poligono::Trasla(double dx, double dy) {
  for (int i = 1; i <= nVertici_; ++i) {
    x_(i) -= dx;
    y_(i) -= dy;
  }
}

void Poligono::SpecchiaXY(double c, bool asseY) {
  Vettore<double>& valori = asseY ? y_ : x_;
  for (int i = 1; i <= nVertici_; ++i) valori(i) = -(c + valori(i));
}

void Poligono::InseriscePunti(const Vettore<double>& xNuovi, const Vettore<double>& yNuovi,
                              int m, const Vettore<int>& posizioni) {
  Grafica::InseriscePuntiPoligonale(x_, y_, nVertici_, xNuovi, yNuovi, m, posizioni);
}
