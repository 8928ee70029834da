// A run refused before it starts when its input has no physical meaning:
// material constants, modular ratios, outline, steel and actions, each in
// its range (see Intervalli).
#include <array>
#include <cmath>
#include <string>

#include "analysis/SezioneCA.h"
#include "model/Intervalli.h"
#include "model/Materiali.h"
#include "model/VariabiliPubbliche.h"
#include "platform/MsgBox.h"

namespace {

using Intervalli::Grandezza;

// The first of v(1..n) outside the range of g, named nome, in the unit of
// the window it was typed in.
std::string PrimoFuori(Grandezza g, int n, const Vettore<float>& v, const std::string& nome) {
  for (int i = 1; i <= n; ++i) {
    std::string motivo =
        Intervalli::FuoriIntervallo(g, v(i), nome, Intervalli::Lunghezze::Mostrate);
    if (!motivo.empty()) return motivo;
  }
  return "";
}

std::string AcciaiFuori(const AcciaiSezione& a) {
  const struct {
    Grandezza grandezza;
    int n;
    const Vettore<float>& valori;
    const char* nome;
  } gruppi[] = {
      {Grandezza::Coordinata, a.nBarre, a.xBarre, "La x di una barra"},
      {Grandezza::Coordinata, a.nBarre, a.yBarre, "La y di una barra"},
      {Grandezza::AreaAcciaio, a.nBarre, a.AreeBarre, "L'area di una barra"},
      {Grandezza::Coordinata, a.nCavi, a.xCavi, "La x di un cavo"},
      {Grandezza::Coordinata, a.nCavi, a.yCavi, "La y di un cavo"},
      {Grandezza::AreaAcciaio, a.nCavi, a.AreeCavi, "L'area di un cavo"},
      {Grandezza::PrecompressioneCavo, a.nCavi, a.PrecompressioneCavi, ""},
  };
  for (const auto& g : gruppi) {
    std::string motivo = PrimoFuori(g.grandezza, g.n, g.valori, g.nome);
    if (!motivo.empty()) return motivo;
  }
  return "";
}

// The first of n bars or tendons, named nome, whose centre lies outside the
// concrete or in a hole, by its row and coordinates.
std::string FuoriDalCalcestruzzo(const Poligono& contorno, int n, const Vettore<float>& x,
                                 const Vettore<float>& y, const std::string& nome) {
  using Intervalli::TestoValore;
  constexpr auto mostrate = Intervalli::Lunghezze::Mostrate;
  if (n < 1) return "";
  const int i = contorno.PrimoPuntoFuori(x, y, n);
  if (i == 0) return "";
  return nome + " della riga " + std::to_string(i) + " (" +
         TestoValore(Grandezza::Coordinata, x(i), "x", mostrate) + ", " +
         TestoValore(Grandezza::Coordinata, y(i), "y", mostrate) +
         ") è fuori dal calcestruzzo:\r\nil suo centro deve stare entro il contorno della "
         "sezione, non in un foro.";
}

// Why the outline cannot be a section, the cut named by its vertices.
std::string DifettoDelContorno(const Poligono::DifettoLati& difetto) {
  using D = Poligono::DifettoLati;
  const std::string taglio = "Il taglio dal vertice " + std::to_string(difetto.taglio) +
                             " al vertice " + std::to_string(difetto.taglio + 1);
  switch (difetto.tipo) {
    case D::Nessuno:
      return "";
    case D::Incrocio:
      break;
    case D::TaglioFuori:
      return taglio +
             " porta a un anello fuori dal contorno: un taglio deve portare a un foro interno "
             "al calcestruzzo o a un nucleo dentro un foro.";
    case D::VersoAnello:
      return taglio +
             " porta a un anello percorso nel verso sbagliato: un foro si percorre nel verso "
             "opposto a quello del contorno esterno, un nucleo dentro un foro nel verso del "
             "contorno esterno.";
  }
  return "Il contorno della sezione si interseca: i suoi lati non devono incrociarsi.";
}

using Azioni = std::array<double, 2>;

std::string AzioniFuori(const Azioni& n, const Azioni& mx, const Azioni& my) {
  for (size_t k = 0; k < 2; ++k)
    for (std::string motivo : {Intervalli::FuoriIntervallo(Grandezza::Forza, n[k], "N"),
                               Intervalli::FuoriIntervallo(Grandezza::Momento, mx[k], "Mx"),
                               Intervalli::FuoriIntervallo(Grandezza::Momento, my[k], "My")})
      if (!motivo.empty()) return motivo;
  return "";
}

}  // namespace

std::string SezioneCA::DatiNonValidi() const {
  const bool ultimo = VariabiliPubbliche::TipoVerificaSlu();
  const bool conCavi = nCavi > 0;
  std::string motivo = Materiali::CostantiNonValide(conCavi, ultimo);
  if (motivo.empty()) motivo = Materiali::RapportiNNonValidi(RapportiN, nBarre > 0, conCavi);
  if (!motivo.empty()) return motivo;
  const double massima = Intervalli::Di(Grandezza::Coordinata).massimo;
  if (!Contorno->CoordinateEntro(massima))
    return "Le coordinate della sezione devono essere numeri finiti entro 100 m (" +
           VariabiliPubbliche::LunghezzaDaMmConUnita(massima) + ") dall'origine.";
  const Vettore<float> punto{xPtoCalcoloM, yPtoCalcoloM};
  motivo = PrimoFuori(Grandezza::Coordinata, 2, punto, "Il punto dei momenti");
  if (!motivo.empty()) return motivo;
  motivo = DifettoDelContorno(Contorno->DifettoDeiLati());
  if (!motivo.empty()) return motivo;
  if (Contorno->nVertici() < 3 || Contorno->AreaNulla(true))
    return "Il contorno della sezione non ha area.";
  motivo = AcciaiFuori(*this);
  // Bars alone have no concrete to lie in.
  const VariabiliPubbliche::StatoProgramma& stato = VariabiliPubbliche::Stato;
  if (motivo.empty() && !stato.SoloBarre)
    motivo = FuoriDalCalcestruzzo(*Contorno, nBarre, xBarre, yBarre, "La barra");
  if (motivo.empty() && !stato.SoloBarre)
    motivo = FuoriDalCalcestruzzo(*Contorno, nCavi, xCavi, yCavi, "Il cavo");
  if (motivo.empty()) motivo = AzioniFuori(SollecitazioneN, SollecitazioneMx, SollecitazioneMy);
  // The neutral axis of a biaxial ultimate run is turned by the angle given.
  if (motivo.empty() && ultimo && stato.TipoFlessione != 0)
    motivo = Intervalli::FuoriIntervallo(Grandezza::Angolo, stato.AngoloFlessione);
  return motivo;
}

bool SezioneCA::RifiutaDatiNonValidi(const std::string& altro) {
  std::string motivo = DatiNonValidi();
  if (motivo.empty()) motivo = altro;
  if (motivo.empty()) return false;
  MostraDatiNonValidi(motivo);
  return true;
}

void SezioneCA::MostraDatiNonValidi(const std::string& motivo, platform::Icona icona) {
  platform::MsgBox("Calcolo non eseguito: dati non validi.\r\n" + motivo, platform::Pulsanti::Ok,
                   icona);
}
