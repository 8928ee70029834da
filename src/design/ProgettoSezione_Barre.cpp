// The list of bar combinations of one zone, and the choice of another.
#include <QLayout>
#include <QPushButton>

#include "design/ProgettoSezione.h"
#include "drawing/MsFlex.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/FlexGridQt.h"

using VariabiliPubbliche::Stato;

platform::FlexGrid& ProgettoSezione::flexBarre() {
  return findChild<platform::FlexGridQt*>("flexBarre")->Griglia();
}

bool ProgettoSezione::ListaTesa() const { return (SuperioriInLista == 0) == (modello_.SegnoMomento == 1); }

void ProgettoSezione::CombinazioniBarre(bool superiori) {
  SuperioriInLista = superiori ? 1 : 0;
  auto* frame = findChild<QWidget*>("FrameBarre");
  form_.Controllo("FrameBarre")
      .SetCaption(superiori ? "Combinazioni barre superiori" : "Combinazioni barre inferiori");
  frame->setAutoFillBackground(true);
  QPalette p = frame->palette();
  p.setColor(QPalette::Window, QColor(superiori ? ColoreSuperiori : ColoreInferiori));
  frame->setPalette(p);
  const ModelloProgetto& m = modello_;
  const bool tesa = ListaTesa();
  const auto& diametri = tesa ? m.DiametriTesi : m.DiametriCompressi;
  const auto& combinazioni = tesa ? m.CombinazioniTese : m.CombinazioniCompresse;
  const auto& fisse = tesa ? m.BarreFisseTese : m.BarreFisseCompresse;
  const int k = static_cast<int>(diametri.size());
  // Shown first: the grid's columns are sized from the place it takes.
  form_.Controllo("FrameOsservazioni").SetVisible(false);
  frame->show();
  if (QLayout* disposizione = centralWidget()->layout()) disposizione->activate();
  platform::FlexGrid& g = flexBarre();
  // One row a combination, its area with the holders and fixed bars, then
  // the holders and the count of each diameter.
  VariabiliPubbliche::DimensionaGriglia(g, k + 2, static_cast<int>(combinazioni.size()), 0.5);
  MsFlex::ScriveCella("As", 0, 1, g);
  MsFlex::ScriveCella("ø" + std::to_string(Stato.DiametroReggistaffe), 0, 2, g);
  for (int j = 1; j <= k; ++j)
    MsFlex::ScriveCella("ø" + std::to_string(diametri[static_cast<std::size_t>(j - 1)]), 0, j + 2, g);
  const float fissa = tesa ? m.AsFissaTesa : m.AsFissaCompressa;
  for (std::size_t i = 0; i < combinazioni.size(); ++i) {
    const double r = static_cast<double>(i + 1);
    const Combinazione& c = combinazioni[i];
    MsFlex::ScriveCella(static_cast<double>(i + 1), r, 0, g);
    MsFlex::ScriveCella(VariabiliPubbliche::FormattaArea(c[0] + fissa + m.AreaReggistaffe), r, 1, g);
    MsFlex::ScriveCella(Stato.NumeroBracci, r, 2, g);
    for (int j = 1; j <= k; ++j)
      MsFlex::ScriveCella(c[static_cast<std::size_t>(j)] + m.BarreFisseNumero(j, fisse), r, j + 2, g);
  }
  form_.Controllo("cmdSeleziona").SetEnabled(false);
}

void ProgettoSezione::cmdSeleziona_Click() {
  const platform::FlexGrid& g = flexBarre();
  const int riga = g.Row();
  const bool tesa = ListaTesa();
  auto& combinazioni = tesa ? modello_.CombinazioniTese : modello_.CombinazioniCompresse;
  if (riga < 1 || riga > static_cast<int>(combinazioni.size())) return;
  const Combinazione& scelta = combinazioni[static_cast<std::size_t>(riga - 1)];
  if (tesa) {
    modello_.CombinazioneTesa = scelta;
    modello_.AsTesaEffettiva = scelta[0] + modello_.AreaReggistaffe + modello_.AsFissaTesa;
  } else {
    modello_.CombinazioneCompressa = scelta;
    modello_.AsCompressaEffettiva =
        scelta[0] + modello_.AreaReggistaffe + modello_.AsFissaCompressa;
  }
  RisultatiScrive();
}

void ProgettoSezione::cmdNasondiBarre_Click() {
  form_.Controllo("FrameBarre").SetVisible(false);
  form_.Controllo("FrameOsservazioni").SetVisible(true);
  form_.Controllo("cmdSeleziona").SetEnabled(false);
}
