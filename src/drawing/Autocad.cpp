#include "drawing/Autocad.h"

#include "drawing/GraficaStato.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/MsgBox.h"

namespace Grafica {

namespace {

platform::AutoCadDocumento& Documento() {
  if (!Stato.DocumentoAutocad)
    throw platform::ErroreEsecuzione(platform::Errori::VariabileOggettoNonImpostata,
                                     "Nessun documento di Autocad collegato");
  return *Stato.DocumentoAutocad;
}

void Colora(const std::shared_ptr<platform::AutoCadEntita>& entita) {
  entita->SetColor(static_cast<int>(Stato.ColoreCorrente));
}

// Each step of the attachment may fail on its own; what it would have set
// keeps its value and the next step runs.
template <class Passo>
void Ignorando(Passo passo) {
  try {
    passo();
  } catch (const std::exception&) {
  }
}

}  // namespace

bool ApriOggettoAutomazione(const std::string& classe,
                            std::shared_ptr<platform::AutoCadApplicazione>& oggetto) {
  platform::AutoCadAutomazione& automazione = platform::AutoCadAutomazioneCorrente();
  try {
    oggetto = automazione.OggettoInEsecuzione(classe);
    return true;
  } catch (const std::exception&) {
  }
  try {
    oggetto = automazione.CreaOggetto(classe);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool AvviaAutocad() {
  if (!ApriOggettoAutomazione("AutoCAD.Application.17", Stato.ApplicazioneAutocad) &&
      !ApriOggettoAutomazione("AutoCAD.Application", Stato.ApplicazioneAutocad)) {
    platform::MsgBox(
        "Impossibile aprire Autocad.\r\nControllare che la versione di Autocad non sia LT",
        platform::Pulsanti::Ok, platform::Icona::Critica);
    return false;
  }
  platform::AutoCadApplicazione& applicazione = *Stato.ApplicazioneAutocad;
  Ignorando([&] { applicazione.SetVisible(true); });
  Ignorando([&] { Stato.DocumentoAutocad = applicazione.ActiveDocument(); });
  Ignorando([&] { Stato.ModelSpaceAutocad = Documento().ModelSpace(); });
  Ignorando([&] {
    platform::AutoCadAutomazioneCorrente().AttivaFinestra(applicazione.Caption());
  });
  return true;
}

platform::Punto3D PuntoAutocad(double x, double y) { return {x, y, 0}; }

std::vector<double> CoordinateAutocad(int n, const VettoreNumeri& x, const Vettore<double>& y) {
  std::vector<double> coordinate;
  coordinate.reserve(2 * static_cast<std::size_t>(n > 0 ? n : 0));
  for (int i = 1; i <= n; ++i) coordinate.insert(coordinate.end(), {x(i).valore, y(i)});
  return coordinate;
}

void LineaAutocad(Numero x1, Numero y1, Numero x2, Numero y2,
                  platform::AutoCadContenitore& contenitore) {
  Colora(contenitore.AddLine(PuntoAutocad(x1.valore, y1.valore),
                             PuntoAutocad(x2.valore, y2.valore)));
}

void CerchioAutocad(Numero x, Numero y, Numero raggio, platform::AutoCadContenitore& contenitore) {
  Colora(contenitore.AddCircle(PuntoAutocad(x.valore, y.valore), raggio.valore));
}

void PoligonaleAutocad(short n, const VettoreNumeri& x, const Vettore<double>& y,
                       platform::AutoCadContenitore& contenitore) {
  Colora(contenitore.AddLightWeightPolyline(CoordinateAutocad(n, x, y)));
}

void PoligonoChiusoAutocad(short n, const VettoreNumeri& x, const Vettore<double>& y,
                           platform::AutoCadContenitore& contenitore) {
  std::vector<double> coordinate = CoordinateAutocad(n, x, y);
  coordinate.insert(coordinate.end(), {x(1).valore, y(1)});
  Colora(contenitore.AddLightWeightPolyline(coordinate));
}

void TestoAutocad(Numero x, double y, Numero altezza, const std::string& testo,
                  platform::AutoCadContenitore& contenitore) {
  Stato.UltimoTestoAutocad = contenitore.AddText(testo, PuntoAutocad(x.valore, y), altezza.valore);
  Colora(Stato.UltimoTestoAutocad);
}

void CreaStileTestoAutocad(short indice, const std::string& nome, const std::string& fileFont,
                           const std::string& cartellaWindows) {
  auto stile = Documento().AddTextStyle(nome);
  Stato.StiliTestoAutocad(indice) = stile;
  const std::string percorso = cartellaWindows + "\\fonts\\" + fileFont + ".ttf";
  try {
    stile->SetFontFile(percorso);
  } catch (const std::exception&) {
    platform::MsgBox("Font file " + percorso + " not found", platform::Pulsanti::Ok,
                     platform::Icona::Informazione);
  }
}

void AttivaStileTestoAutocad(short indice) {
  const auto& stile = Stato.StiliTestoAutocad(indice);
  if (!stile)
    throw platform::ErroreEsecuzione(platform::Errori::VariabileOggettoNonImpostata,
                                     "Stile di testo " + std::to_string(indice) + " non creato");
  Documento().SetActiveTextStyle(stile);
}

}  // namespace Grafica
