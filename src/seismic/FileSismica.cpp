#include "seismic/FileSismica.h"

#include "app/FileInOut.h"
#include "model/VariabiliPubbliche.h"
#include "seismic/StatoSismica.h"

namespace Sismica {
namespace {

void Records(const std::string& modo, Generale::FileDati& file) {
  using Generale::FileInOut;
  // Reserved fields: written as #FALSE# and 0, dropped when read.
  bool riservato = false;
  float riservatoNumero = 0;
  float riservatoNumero2 = 0;
  auto& s = Stato;
  FileInOut(modo, file, s.TitoloSismica);
  FileInOut(modo, file, s.ElementoSetto, VariabiliPubbliche::Stato.NormativaSismica,
            s.DuttilitaMedia);
  FileInOut(modo, file, s.DueTerziQ0Sup);
  FileInOut(modo, file, riservato, s.PilastroMensola, s.PilastroDiBase, s.PilastroPrimiDuePiani);
  riservato = false;
  FileInOut(modo, file, riservato, s.NEdSismica, s.DuttilitaCurvaturaInf, s.FattoreStrutturaQ0);
  FileInOut(modo, file, s.PeriodoT1, s.PeriodoTC, s.DuttilitaCurvaturaSup, riservatoNumero);
  FileInOut(modo, file, s.RapportoMomentiSup, s.RapportoMomentiInf);
  FileInOut(modo, file, s.DueTerziQ0Inf);
  riservatoNumero = 0;
  FileInOut(modo, file, riservatoNumero, riservatoNumero2);
  for (double& valore : s.ValoriRiservatiSismica) FileInOut(modo, file, valore);
  s.PilastroCorrente.FileLeggeScrive(modo, file);
}

}  // namespace

std::string Testo() {
  return Generale::TestoRecord([](Generale::FileDati& file) { Records("S", file); });
}

void FileLeggeScrive(const std::string& modo, Generale::FileDati& file) {
  if (modo == "S") return Stato.BloccoFile.Scrivi(file, Testo());
  Records(modo, file);
  Stato.BloccoFile.Registra(Testo());
}

}  // namespace Sismica
