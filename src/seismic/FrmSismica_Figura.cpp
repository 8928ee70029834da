// The picture of the current end section with its bar numbers.
#include <cmath>
#include <exception>

#include "analysis/Correnti.h"
#include "app/FiguraSezione.h"
#include "drawing/Grafica_Disegno.h"
#include "model/VariabiliPubbliche.h"
#include "platform/qt/SurfaceImmagineQt.h"
#include "seismic/FrmSismica.h"
#include "seismic/StatoSismica.h"

using Sismica::Stato;

void FrmSismica::Figura_Click() {
  if (AggiornamentoInCorso) return;
  try {
    MemorizzaDatiSismica();
    const qreal scala = figura_->devicePixelRatioF();
    platform::SurfaceImmagineQt immagine(static_cast<int>(figura_->width() * scala),
                                         static_cast<int>(figura_->height() * scala));
    VariabiliPubbliche::Stato.PlottaggioVideo = true;
    const auto sezione = VariabiliPubbliche::SezioneCorrente();
    sezione->TipoPlottaggio = "";
    sezione->PlottaSezione("VIDEO", &immagine);
    if (!Stato.PilastroCorrente.Circolare()) NumeraBarre(sezione->hTesto);
    figura_->MostraImmagine(immagine.Immagine());
  } catch (const std::exception&) {
    // A column not yet complete has no picture.
  }
}

// Each number just outside its bar, on the lower-right diagonal.
void FrmSismica::NumeraBarre(double altezza) {
  const Sismica::Pilastro& p = Stato.PilastroCorrente;
  const double scarto = p.fiBarrePilastro() / (2 * std::sqrt(2.0));
  Grafica::ImpostaColore(7);
  for (int i = 1; i <= p.nBarreTotale(); ++i)
    Grafica::PlottaTesto(p.xBarre()(i) + scarto, p.yBarre()(i) - scarto, altezza,
                         std::to_string(i), 1);
}
