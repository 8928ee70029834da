#include "analysis/SezioneCA.h"

#include <utility>

#include "model/Finestre.h"

void SezioneCA::Sollecitazioni(const std::array<double, 2>& N, const std::array<double, 2>& Mx,
                               const std::array<double, 2>& My) {
  SollecitazioneN = N;
  SollecitazioneMx = Mx;
  SollecitazioneMy = My;
}

void SezioneCA::SollecitazioniSismica(double N, double Mx, double My) {
  SollecitazioneN[0] = N;
  SollecitazioneMx[0] = Mx;
  SollecitazioneMy[0] = My;
}

void SezioneCA::SetPoligono(std::shared_ptr<::Poligono> poligono) {
  Contorno = poligono ? std::move(poligono) : std::make_shared<::Poligono>();
}

std::shared_ptr<SezioneCAreagente> SezioneCA::CreaSezioneCaInteramenteReagente(
    SezioneCAreagente* vecchia) const {
  std::shared_ptr<::Poligono> poligono;
  if (vecchia && vecchia->Contorno.use_count() == 1) poligono = vecchia->Contorno;
  if (!poligono) poligono = std::make_shared<::Poligono>();
  Contorno->CopiaIn(*poligono);
  auto reagente = vecchia ? std::make_shared<SezioneCAreagente>(std::move(poligono), *vecchia)
                          : std::make_shared<SezioneCAreagente>(std::move(poligono));
  reagente->BarreDati(nBarre, xBarre, yBarre, AreeBarre, RapportiN, nCavi, xCavi, yCavi, AreeCavi,
                      PrecompressioneCavi, EpsCaviIniziale);
  return reagente;
}

void SezioneCA::BarreDati(int nFerri, const Vettore<float>& xFerri, const Vettore<float>& yFerri,
                          const Vettore<float>& areeFerri, const std::array<float, 2>& rapportoN,
                          int nTrefoli, const Vettore<float>& xTrefoli,
                          const Vettore<float>& yTrefoli, const Vettore<float>& areeTrefoli,
                          const Vettore<float>& precompressione) {
  CopiaAcciai(nFerri, xFerri, yFerri, areeFerri, rapportoN, nTrefoli, xTrefoli, yTrefoli,
              areeTrefoli, precompressione);
  if (nCavi > 0) EpsCaviIniziale.ReDim(1, nCavi);
}

void SezioneCA::EsportainMain() const {
  if (auto* main = Finestre::MainAperta()) {
    const int coordinate = 5;  // "Coord."
    main->Controllo("OpTipoSezione", coordinate).SetValue(1);
    main->OpTipoSezione_Click(coordinate);
  }
  if (Finestre::ServiziSismica* sismica = Finestre::Aperte.Sismica) {
    sismica->EsportaVerticiInMain(Contorno->nVertici(), Contorno->CoordX(), Contorno->CoordY());
    sismica->EsportaBarreInMain(nBarre, xBarre, yBarre, AreeBarre);
  }
}
