#include <algorithm>
#include <cmath>

#include "app/FileInOut.h"
#include "platform/ErroreEsecuzione.h"
#include "seismic/Pilastro.h"
#include "seismic/StatoSismica.h"

namespace Sismica {
namespace {

using Generale::ErroreFile;

constexpr int MassimoStaffe = 32767;

// The stirrups of one end, as many rows as its count entry says; with a
// count of 0 there are no stirrup lines. The table written always has the
// rows its count announces, so that the file reads back.
void Staffe(const std::string& modo, Generale::FileDati& file, Matrice<float>& staffe,
            float conteggio) {
  if (conteggio == 0) return;
  const double n = std::nearbyint(static_cast<double>(conteggio));
  if (!(n >= 1 && n <= MassimoStaffe))
    throw ErroreFile(Generale::ErroreIndice, "Numero di staffe non valido");
  const int righe = static_cast<int>(n);
  if (modo == "L") {
    staffe.ReDim(1, righe, 1, Pilastro::CampiStaffa);
    Generale::FileInOutMat(modo, file, staffe);
    return;
  }
  Matrice<float> scritte(1, righe, 1, Pilastro::CampiStaffa);
  for (int i = 1; i <= std::min(righe, staffe.Righe()); ++i)
    for (int j = 1; j <= std::min(Pilastro::CampiStaffa, staffe.Colonne()); ++j)
      scritte(i, j) = staffe(i, j);
  Generale::FileInOutMat(modo, file, scritte);
}

}  // namespace

void Pilastro::FileLeggeScrive(const std::string& modo, Generale::FileDati& file) {
  using Generale::FileInOut;
  const bool lettura = modo == "L";
  FileInOut(modo, file, TipoPilastro);
  FileInOut(modo, file, Stato.MEdSuperiore[0], Stato.MEdInferiore[0]);
  FileInOut(modo, file, Stato.MEdSuperiore[1], Stato.MEdInferiore[1]);
  FileInOut(modo, file, flagRiservato1_, flagRiservato2_);
  Generale::FileInOutMat(modo, file, matrice_);
  if (lettura) {
    SezioneInferiore = false;
    try {
      nBarreTotaleSup = nBarreDati();
    } catch (const platform::ErroreEsecuzione& errore) {
      throw ErroreFile(errore.Numero(), errore.what());
    }
    staffeSup_ = {};
  }
  Staffe(modo, file, staffeSup_, matrice_(0, 15));
  if (lettura) staffeInf_ = {};
  Staffe(modo, file, staffeInf_, matrice_(0, 16));
  FileInOut(modo, file, Spirale);
}

}  // namespace Sismica
