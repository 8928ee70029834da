// The three input grids of the main window: the floating cell editor, the
// row-count boxes, the bar-diameter frame that sums bars into an area, and the
// conversion of grid values between the window's unit and mm.
#include <functional>

#include <QLineEdit>

#include "app/Generale.h"
#include "app/Main.h"
#include "app/Messaggi.h"
#include "app/TastieraFinestra.h"
#include "drawing/MsFlex.h"
#include "model/Formato.h"
#include "model/VariabiliPubbliche.h"
#include "platform/Tasti.h"
#include "platform/qt/CasellaTestoQt.h"
#include "platform/qt/FlexGridQt.h"

using VariabiliPubbliche::Stato;

namespace {

// The control that follows a grid, focused only when it can take the focus.
class FuocoA : public platform::Focalizzabile {
 public:
  explicit FuocoA(std::function<void()> fuoco) : fuoco_(std::move(fuoco)) {}
  void SetFocus() override { fuoco_(); }

 private:
  std::function<void()> fuoco_;
};

double Fattore() { return Stato.UnitaLunghezza == "cm" ? 10 : 1; }

// M in mm from G in display units ("L"), or G from M; each column scaled by
// its factor.
void Associa(const std::string& modo, Matrice<double>& M, Matrice<double>& G, int n,
             const std::function<double(int colonna, int colonne)>& fattore) {
  if (n < 1) return;
  const bool lettura = modo == "L";
  Matrice<double>& sorgente = lettura ? G : M;
  Matrice<double>& destinazione = lettura ? M : G;
  if (!sorgente.Dimensionata()) return;
  destinazione.ReDim(1, sorgente.Ub1(), 1, sorgente.Ub2());
  const int c = sorgente.Ub2();
  for (int i = 1; i <= sorgente.Ub1(); ++i)
    for (int j = 1; j <= c; ++j) {
      const double f = fattore(j, c);
      destinazione(i, j) = lettura ? sorgente(i, j) * f : sorgente(i, j) / f;
    }
}

}  // namespace

void Main::FlexGrid_Click(int g) { MsFlex::ModificaCella(FlexGrid(g), TxtEdit(g), 0); }

void Main::FlexGrid_KeyPress(int g, int KeyAscii) {
  MsFlex::ModificaCella(FlexGrid(g), TxtEdit(g), KeyAscii);
}

void Main::FlexGrid_GotFocus(int g) {
  if (TxtEdit(g).Visible()) ConfermaCella(g);
}

void Main::ConfermaCella(int g) {
  platform::CasellaTesto& editor = TxtEdit(g);
  platform::FlexGrid& griglia = FlexGrid(g);
  const std::string prima = griglia.Text();
  griglia.SetText(editor.Text());
  editor.SetVisible(false);
  // Focus moved by a command of another window is not the user's commit.
  if (griglia.Text() != prima && isActiveWindow()) DisegnaSezioneScritta();
}

void Main::ChiudiEditori(bool prendi) {
  for (int g = 0; g <= 2; ++g) {
    if (prendi && TxtEdit(g).Visible()) ConfermaCella(g);
    TxtEdit(g).SetVisible(false);
    TxtEdit(g).SetText("");
  }
}

void Main::TxtEdit_KeyDown(int g, int& KeyCode, int Shift) {
  const std::string dopo = ControlloDopoGriglia.at(static_cast<size_t>(g));
  FuocoA prossimo([this, dopo] { Fuoco(dopo); });
  // Tab from the last cell goes on in the window's Tab order, through the
  // boxes between the grids and "Calcola".
  FuocoA seguente([editore = editor_.at(static_cast<size_t>(g))] {
    for (QWidget* w = editore->nextInFocusChain(); w != editore; w = w->nextInFocusChain())
      if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
        w->setFocus(Qt::TabFocusReason);
        return;
      }
  });
  platform::Focalizzabile* successivo = dopo.empty() ? nullptr : &prossimo;
  if (KeyCode == platform::TastoTab) successivo = &seguente;
  MsFlex::TxtEditTastoGiu(FlexGrid(g), TxtEdit(g), KeyCode, Shift, successivo, false);
}

void Main::TxtEdit_GotFocus(int g) {
  platform::Control& fraFi = Controllo("FraFi");
  if (g != 1) {
    fraFi.SetVisible(false);
    return;
  }
  if (FiInserito) {
    FiInserito = false;
    return;
  }
  if (!TxtEdit(1).Visible()) return;
  const platform::FlexGrid& barre = FlexGrid(1);
  if (barre.Row() >= 1 && barre.Col() == 1) {
    fraFi.SetVisible(true);
    Controllo("txtFi").SetText(barre.Text());
  } else {
    fraFi.SetVisible(false);
  }
}

void Main::TxtEdit_LostFocus(int g) {
  if (TxtEdit(g).Visible()) {
    ConfermaCella(g);
  } else {
    Controllo("FraFi").SetVisible(false);
  }
}

void Main::txtRigheGriglia_KeyPress(int g, int KeyAscii) {
  if (KeyAscii != platform::TastoInvio) return;
  ImpostaGriglia(g);
  platform::FlexGrid& griglia = FlexGrid(g);
  if (griglia.Cols() > 1) griglia.SetCol(1);
  if (griglia.Rows() > 1) griglia.SetRow(1);
  if (RigheGriglia.at(static_cast<size_t>(g)) > 0) MsFlex::ModificaCella(griglia, TxtEdit(g), 0);
}

void Main::txtTitolo_KeyPress(int KeyAscii) {
  if (KeyAscii != platform::TastoInvio) return;
  switch (Stato.TipoSezione) {
    case 0:
    case 1: {
      platform::FlexGrid& g = FlexGrid(0);
      if (g.Rows() < 2 || g.Cols() < 2) return;
      g.SetCol(1);
      g.SetRow(1);
      MsFlex::ModificaCella(g, TxtEdit(0), 0);
      break;
    }
    case 2:
    case 3:
    case 5: Fuoco("txtRigheGriglia", 0); break;
    case 4: Fuoco("RaggioTxt", 0); break;
    default: break;
  }
}

void Main::CalcolaAreaFi() {
  float as = 0;
  for (int k = 0; k <= 2; ++k) {
    const double diametro = Generale::ValNumero(Controllo("comboFi", k).Text());
    const double n = Generale::ValNumero(Controllo("txtNfi", k));
    as += static_cast<float>(n * VariabiliPubbliche::AreaBarra(diametro));
  }
  Controllo("txtFi").SetText(VariabiliPubbliche::FormattaArea(as));
}

void Main::cmdFi_Click(int Index) {
  if (Index != 0) return CalcolaAreaFi();
  const std::string area = Controllo("txtFi").Text();
  FlexGrid(1).SetText(area);
  DisegnaSezioneScritta();
  platform::CasellaTestoQt& editor = *editor_[1];
  editor.SetText(area);
  editor.SetVisible(true);
  // The focus given here must not reopen the frame.
  FiInserito = true;
  editor.SetFocus();
  Generale::SelezionaTesto(editor);
  Controllo("FraFi").SetVisible(false);
}

void Main::UpDownFi_UpClick(int k) {
  const double n = Generale::ValNumero(Controllo("txtNfi", k));
  Controllo("txtNfi", k).SetText(Formattazione::TestoNumero(n + 1));
}

void Main::UpDownFi_DownClick(int k) {
  const double n = Generale::ValNumero(Controllo("txtNfi", k));
  if (n > 0) Controllo("txtNfi", k).SetText(Formattazione::TestoNumero(n - 1));
}

void Main::FraFi_Click() { Controllo("FraFi").SetVisible(false); }

void Main::Helpfcc_Click() { Messaggi::MessaggioFccFcd(); }

void Main::MatriceFigureAssociata(const std::string& modo) {
  const int righe = modo == "L" ? GrigliaFigure.Righe() : Stato.MatriceFigure.Righe();
  Associa(modo, Stato.MatriceFigure, GrigliaFigure, righe, [](int, int) { return Fattore(); });
}

void Main::MatriceBarreAssociata(const std::string& modo, Matrice<double>& M, Matrice<double>& G,
                                 int n) {
  Associa(modo, M, G, n, [](int colonna, int) {
    const double f = Fattore();
    return colonna == 1 ? f * f : f;
  });
}

void Main::MatriceCaviAssociata(const std::string& modo, Matrice<double>& M, Matrice<double>& G,
                                int n) {
  Associa(modo, M, G, n, [](int colonna, int colonne) {
    const double f = Fattore();
    if (colonna == colonne) return 1.0;  // the prestress value, not a length
    return colonna == 1 ? f * f : f;
  });
}

void Main::DatiCerchioAssociati(const std::array<float, 5>& sorgente,
                                std::array<float, 5>& destinazione, int direzione) {
  const bool cm = Stato.UnitaLunghezza == "cm";
  const float h = !cm ? 1.0f : direzione == 1 ? 0.1f : 10.0f;
  for (size_t k = 0; k < 5; ++k) destinazione[k] = k == 1 ? sorgente[k] : sorgente[k] * h;
}
