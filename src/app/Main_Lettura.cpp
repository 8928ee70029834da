// The main window read into the program state and the current section: the
// window's units converted to mm, N and Nmm, the outline built and checked.
#include <QRadioButton>
#include <cmath>

#include "analysis/Correnti.h"
#include "app/Generale.h"
#include "app/Main.h"
#include "drawing/Grafica_Estremi.h"
#include "drawing/MsFlex.h"
#include "model/Intervalli.h"
#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

using VariabiliPubbliche::Stato;

namespace {

// The index of the option chosen among 0..ultimo, or the value kept.
int Scelta(Main& m, const char* nome, int ultimo, int attuale) {
  for (int i = 0; i <= ultimo; ++i)
    if (m.Controllo(nome, i).Checked()) return i;
  return attuale;
}

void Sposta(Vettore<float>& x, Vettore<float>& y, int n, double dx, double dy) {
  for (int i = 1; i <= n; ++i) {
    x(i) = static_cast<float>(x(i) - dx);
    y(i) = static_cast<float>(y(i) - dy);
  }
}

// A width or height below 0 would mirror its figure: the outline of the
// positive one, under a sign the user did not mean.
bool FigurePositive(const ::Matrice<double>& figure, int n, int colonne) {
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= colonne; ++j)
      if (figure(i, j) < 0) return false;
  return true;
}

// A number typed with the locale's separators, or the data error.
double NumeroLocale(const platform::Control& casella) {
  const std::optional<double> n = Generale::NumeroTesto(casella.Text());
  if (!n) throw Generale::CasellaNonNumerica(casella, Generale::NumeroNonValido(casella.Text()));
  return *n;
}

}  // namespace

void Main::FormLeggeDatiBarreCavi(int& nRighe, int& nElementi, int Griglia, ::Matrice<double>& Matrice,
                                  ::Matrice<double>& MatriceGriglia, Vettore<float>& Area,
                                  Vettore<float>& x, Vettore<float>& y,
                                  Vettore<float>* Precompressione) {
  nRighe = Conteggio(Generale::ValNumero(Controllo("txtRigheGriglia", Griglia)));
  nElementi = nRighe;
  const bool figure = Stato.TipoSezione <= 3;
  const bool cavi = Griglia == 2;
  if (nRighe > 0) {
    const int colonne = (figure ? 2 : 3) + (cavi ? 1 : 0);
    MatriceGriglia.ReDim(1, nRighe, 1, colonne);
    MsFlex::LeggeGriglia(FlexGrid(Griglia), MatriceGriglia, 1, 1, false);
    if (cavi)
      MatriceCaviAssociata("L", Matrice, MatriceGriglia, nRighe);
    else
      MatriceBarreAssociata("L", Matrice, MatriceGriglia, nRighe);
    for (Vettore<float>* v : {&Area, &x, &y}) v->ReDim(1, nRighe);
    if (Precompressione) Precompressione->ReDim(1, nRighe);
  }
  for (int i = 1; i <= nRighe; ++i) {
    Area(i) = static_cast<float>(Matrice(i, 1));
    // A figure section's row is a layer on the axis at its depth below the top.
    x(i) = figure ? 0.0f : static_cast<float>(Matrice(i, 2));
    y(i) = static_cast<float>(figure ? -Matrice(i, 2) : Matrice(i, 3));
    if (Precompressione) (*Precompressione)(i) = static_cast<float>(Matrice(i, figure ? 3 : 4));
  }
}

bool Main::FormLeggeDati(bool mostraMessaggio) {
  return LeggeORifiuta(mostraMessaggio, [&] { return LeggeFinestra(mostraMessaggio); });
}

bool Main::LeggeORifiuta(bool perCalcolo, const std::function<bool()>& leggi) {
  // A number the window cannot read stops the reading: the data are wrong.
  const Generale::RifiutaNumeriNonValidi rifiuta;
  letturaRifiutata_ = false;
  letturaPerCalcolo_ = perCalcolo;
  try {
    return leggi();
  } catch (const Generale::NumeroNonValido& motivo) {
    const std::string nome = NonNumero(motivo);
    if (!nome.empty()) return RifiutaLettura(nome, platform::Icona::Critica);
    MessaggioErroreDati();
    letturaRifiutata_ = true;
    return false;
  }
}

bool Main::RifiutaLettura(const std::string& motivo, platform::Icona icona) {
  // A calculation refused here reads as one refused by the engine's checks.
  if (letturaPerCalcolo_)
    SezioneCA::MostraDatiNonValidi(motivo, icona);
  else
    platform::MsgBox(motivo, platform::Pulsanti::Ok, icona);
  letturaRifiutata_ = true;
  return false;
}

bool Main::LeggeMateriali() {
  CaricaMateriali();
  // The laws divide by Es: one of 0 or less is refused before them, and
  // never enters the state.
  const double es = Generale::ValNumero(Controllo("F_Es", 0));
  if (es <= 0) {
    return RifiutaLettura(Intervalli::FuoriIntervallo(Intervalli::Grandezza::ModuloEs, es),
                          platform::Icona::Critica);
  }
  return true;
}

bool Main::MaterialiValidi() {
  const std::string motivo =
      Materiali::CostantiNonValide(false, VariabiliPubbliche::TipoVerificaSlu());
  return motivo.empty() || RifiutaLettura(motivo, platform::Icona::Critica);
}

bool Main::LeggeFinestra(bool mostraMessaggio) {
  Controllo("FraFi").SetVisible(false);
  Stato.TitoloSezione = Controllo("txtTitolo").Text();
  Stato.NumeroRettangoli = Conteggio(Generale::ValNumero(Controllo("F_nMaxRettangolini", 0)));
  // Too many sides are out of range, and kept out of the state; too few have
  // their own message.
  const double lati = std::nearbyint(Generale::ValNumero(Controllo("F_Vertici")));
  if (lati > Intervalli::Di(Intervalli::Grandezza::VerticiCerchio).massimo) {
    return RifiutaLettura(Intervalli::FuoriIntervallo(Intervalli::Grandezza::VerticiCerchio, lati),
                          platform::Icona::Esclamazione);
  }
  Stato.NumeroVerticiCerchio = Conteggio(lati);
  if (Stato.NumeroVerticiCerchio < 3) {
    return RifiutaLettura("Il numero di vertici deve essere >= 3", platform::Icona::Esclamazione);
  }
  // The ultimate strips are counted: none cannot make a calculation.
  if (Stato.NumeroRettangoli < 1) {
    return RifiutaLettura("N° rett. = " + Controllo("F_nMaxRettangolini", 0).Text() +
                              ": deve essere un numero intero compreso tra 1 e 32767.",
                          platform::Icona::Critica);
  }
  Stato.LunghezzaL0 =
      static_cast<float>(VariabiliPubbliche::LunghezzaInMm(Generale::ValNumero(Controllo("F_L0"))));
  std::array<double, 2> N{}, Mx{}, My{};
  for (int i = 0; i <= 1; ++i) {
    const auto k = static_cast<size_t>(i);
    NForm[k] = Generale::ValNumero(Controllo("F_N", i));
    MxForm[k] = Generale::ValNumero(Controllo("F_Mxsd", i));
    MyForm[k] = Generale::ValNumero(Controllo("F_MySd", i));
    N[k] = NForm[k] * 1000;
    Mx[k] = MxForm[k] * 1000000;
    My[k] = MyForm[k] * 1000000;
  }
  Stato.AngoloFlessione = static_cast<float>(Generale::ValNumero(Controllo("F_Angolo")));
  for (int i = 0; i <= 1; ++i)
    Stato.RapportoN[static_cast<size_t>(i)] =
        static_cast<float>(NumeroLocale(Controllo("F_Es_su_Ec", i)));
  Stato.TipoSezione = Scelta(*this, "OpTipoSezione", 5, Stato.TipoSezione);
  Stato.PuntoApplicazioneN = Scelta(*this, "OpPuntoN", 2, Stato.PuntoApplicazioneN);
  Stato.TipoVerifica = Scelta(*this, "OpTipoVerifica", 1, Stato.TipoVerifica);
  Stato.TipoFlessione = Scelta(*this, "OpTipoFlessione", 1, Stato.TipoFlessione);
  if (Stato.TipoFlessione == 0) Stato.AngoloFlessione = 0;
  nBarreCerchio = 0;

  // An outline imported from a drawing is read as a list of vertices.
  const bool vertici = Stato.TipoSezione == 5 || Stato.TipoSezione == 6;
  float raggioBarre = 0;
  if (Stato.TipoSezione != 4) {
    const int colonne = Stato.TipoSezione == 3 ? 3 : 2;
    nFigureForm = Conteggio(Generale::ValNumero(Controllo("txtRigheGriglia", 0)));
    if (nFigureForm > 0) {
      GrigliaFigure.ReDim(1, nFigureForm, 1, colonne);
      MsFlex::LeggeGriglia(FlexGrid(0), GrigliaFigure, 1, 1, false);
      MatriceFigureAssociata("L");
    }
    if (!vertici && !FigurePositive(Stato.MatriceFigure, nFigureForm, colonne)) {
      return RifiutaLettura("Le dimensioni delle figure devono essere numeri non negativi.",
                            platform::Icona::Critica);
    }
    nVerticiForm = vertici ? nFigureForm : nFigureForm * 4;
    if (nVerticiForm > 0) {
      xVerticiForm.ReDim(1, nVerticiForm);
      yVerticiForm.ReDim(1, nVerticiForm);
    }
    if (!Stato.SoloBarre) {
      if (vertici) {
        for (int i = 1; i <= nVerticiForm; ++i) {
          xVerticiForm(i) = static_cast<float>(Stato.MatriceFigure(i, 1));
          yVerticiForm(i) = static_cast<float>(Stato.MatriceFigure(i, 2));
        }
      } else {
        CoordinateSezione(nVerticiForm);
      }
    }
  } else if (!LeggeCerchio(raggioBarre)) {
    return false;
  }

  int nBarre = 0, nCavi = 0;
  FormLeggeDatiBarreCavi(nBarre, nBarreForm, 1, Stato.MatriceBarre, GrigliaBarre, AreaBarreForm,
                         xBarreForm, yBarreForm);
  FormLeggeDatiBarreCavi(nCavi, nCaviForm, 2, Stato.MatriceCavi, GrigliaCavi, AreaCaviForm,
                         xCaviForm, yCaviForm, &PrecompressioneCaviForm);
  FormLeggeDatiBarreCerchio(nBarre, raggioBarre);
  if (!Stato.Precompresso) nCavi = nCaviForm = 0;

  double xMin, xMax, yMin, yMax;
  if (Stato.TipoSezione <= 3 && nVerticiForm > 0) {
    // Figure sections are centred on the box of their outline.
    Grafica::RettangoloIngombro(nVerticiForm, xVerticiForm, yVerticiForm, xMin, xMax, yMin, yMax);
    const double xc = (xMin + xMax) / 2, yc = (yMin + yMax) / 2;
    Sposta(xVerticiForm, yVerticiForm, nVerticiForm, xc, yc);
    Sposta(xBarreForm, yBarreForm, nBarre, xc, yc);
    Sposta(xCaviForm, yCaviForm, nCavi, xc, yc);
  }
  Grafica::RettangoloIngombro(nVerticiForm, xVerticiForm, yVerticiForm, xMin, xMax, yMin, yMax);
  if (!LeggeMateriali()) return false;
  if (Stato.SoloBarre) {
    Grafica::RettangoloIngombro(nBarre, xBarreForm, yBarreForm, xMin, xMax, yMin, yMax);
    nVerticiForm = 4;
    xVerticiForm.ReDim(1, 4);
    yVerticiForm.ReDim(1, 4);
    const float xs[] = {static_cast<float>(xMin), static_cast<float>(xMax)};
    const float ys[] = {static_cast<float>(yMin), static_cast<float>(yMax)};
    xVerticiForm(1) = xs[0], yVerticiForm(1) = ys[0];
    xVerticiForm(2) = xs[1], yVerticiForm(2) = ys[0];
    xVerticiForm(3) = xs[1], yVerticiForm(3) = ys[1];
    xVerticiForm(4) = xs[0], yVerticiForm(4) = ys[1];
  }
  VariabiliPubbliche::MaterialiCorrenti().InizializzaMateriali(Stato.ModuloEs);
  const std::shared_ptr<SezioneCA> sezione = VariabiliPubbliche::SezioneCorrente();
  sezione->Coordinate(xVerticiForm, yVerticiForm, nVerticiForm);
  sezione->BarreDati(nBarre, xBarreForm, yBarreForm, AreaBarreForm, Stato.RapportoN, nCavi, xCaviForm,
                     yCaviForm, AreaCaviForm, PrecompressioneCaviForm);
  if (sezione->AreaNulla()) {
    if (Stato.SoloBarre)
      return RifiutaLettura("Devono essere presenti almeno 3 barre non allineate",
                            platform::Icona::Critica);
    // Saved and designed as it stands: a section not drawn yet.
    if (mostraMessaggio) return RifiutaLettura("La sezione ha area nulla", platform::Icona::Critica);
    return false;
  }
  sezione->Sollecitazioni(N, Mx, My);
  switch (Stato.PuntoApplicazioneN) {
    case 0:
      Stato.XN = static_cast<float>((xMin + xMax) / 2);
      Stato.YN = static_cast<float>((yMin + yMax) / 2);
      break;
    case 1: {
      Poligono& contorno = *sezione->Poligono();
      // A centroid that could not be computed, as its box said, is no point.
      const int fallite = Poligono::CaratteristicheFallite();
      contorno.CaratteristicheStatiche();
      if (Poligono::CaratteristicheFallite() != fallite) {
        letturaRifiutata_ = true;  // its own box has said why
        return false;
      }
      Stato.XN = static_cast<float>(contorno.xG);
      Stato.YN = static_cast<float>(contorno.yG);
      break;
    }
    default:
      Stato.XN = static_cast<float>(VariabiliPubbliche::LunghezzaInMm(Generale::ValNumero(Controllo("F_xN", 0))));
      Stato.YN = static_cast<float>(VariabiliPubbliche::LunghezzaInMm(Generale::ValNumero(Controllo("F_xN", 1))));
      break;
  }
  sezione->xPtoCalcoloM = Stato.XN;
  sezione->yPtoCalcoloM = Stato.YN;
  return true;
}
