#pragma once
// The record routines every data file goes through. One routine serves one
// record shape both ways: mode "L" reads the caller's variables from the
// file, "S" writes them as one line; any other mode is reported by the
// routine's own box and does nothing else.
//
// A record that fails closes the file (a file being written is left as it
// was before) and ends the file operation by throwing ErroreFile:
// - FileInOut, FileInOutCond: the box "Lettura incompleta del file" or
//   "Scrittura incompleta del file", then ErroreRecordIncompleto;
// - FileInOutSenzaMessaggio: no box; ErroreFineLettura when reading, the
//   error itself when writing (the file routine reports it);
// - FileInOutCond on a file older than the record: ErroreFineLettura, no box.
// FileInOutMat and FileInOutStringColl pass their errors on as they are.
// The fields read before the failing one keep their new values.
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/CampiRecord.h"
#include "app/FileDati.h"
#include "model/Matrice.h"
#include "model/Vettore.h"

namespace Generale {

// The layout every file is written in.
inline constexpr const char* VersioneFileCorrente = "7.8";

// Versions compare by their numbers, part by part: "5.0" < "6.2" < "7.8" <
// "10.0", and "0" (a file without a version) before all of them. A text that
// is not numbers and dots compares as text.
bool VersioneMinore(const std::string& versione, const std::string& minima);
// A version whose numbers are all 0 ("0", "0.0"): a file written without one.
bool SenzaVersione(const std::string& versione);
// Numbers and dots, and not later than VersioneFileCorrente.
bool VersioneLeggibile(const std::string& versione);

// "Lettura incompleta del file", and the file's path on a line of its own
// when it has one.
std::string TestoLetturaIncompleta(const FileDati& file);

namespace dettaglio {

enum class Reazione { Messaggio, Silenziosa };

// The mode check and the failure handling shared by the record routines.
void EseguiRecord(const std::string& modo, FileDati& file, const char* routine, Reazione reazione,
                  const std::function<void()>& leggi, const std::function<std::string()>& riga);
bool ModoValido(const std::string& modo, const char* routine);
// Closes a file older than the record being read and ends its reading.
[[noreturn]] void FineFileVecchio(FileDati& file);

template <class... Campi>
void LeggiCampi(FileDati& file, Campi&&... campi) {
  (AssegnaCampo(file.LeggiCampo(), campi), ...);
}

template <class... Campi>
std::string RigaDiCampi(Campi&&... campi) {
  std::string riga;
  const char* separatore = "";
  ((riga += separatore, riga += TestoCampo(campi), separatore = ","), ...);
  return riga;
}

template <class... Campi>
void Record(const std::string& modo, FileDati& file, const char* routine, Reazione reazione,
            Campi&&... campi) {
  EseguiRecord(
      modo, file, routine, reazione, [&] { LeggiCampi(file, campi...); },
      [&] { return RigaDiCampi(campi...); });
}

}  // namespace dettaglio

template <class... Campi>
void FileInOut(const std::string& modo, FileDati& file, Campi&&... campi) {
  dettaglio::Record(modo, file, "FileInOut", dettaglio::Reazione::Messaggio, campi...);
}

template <class... Campi>
void FileInOutSenzaMessaggio(const std::string& modo, FileDati& file, Campi&&... campi) {
  dettaglio::Record(modo, file, "FileInOutSenzaMessaggio", dettaglio::Reazione::Silenziosa,
                    campi...);
}

// Read only from files of versioneMinima or later; always written.
template <class... Campi>
void FileInOutCond(const std::string& modo, FileDati& file, const std::string& versioneFile,
                   const std::string& versioneMinima, Campi&&... campi) {
  if (modo == "L" && VersioneMinore(versioneFile, versioneMinima)) {
    dettaglio::FineFileVecchio(file);
  }
  dettaglio::Record(modo, file, "FileInOutCond", dettaglio::Reazione::Messaggio, campi...);
}

// One line per element: a row of a table with its fields, or one value. An
// array without elements is neither read nor written; a reader gives the
// array its size first.
template <class T>
void FileInOutMat(const std::string& modo, FileDati& file, Vettore<T>& matrice) {
  if (!dettaglio::ModoValido(modo, "FileInOutMat")) return;
  for (T& elemento : matrice.Dati()) {
    auto campi = [&] {
      if constexpr (RigaTabella<T>)
        return CampiRiga(elemento);
      else
        return std::tie(elemento);
    }();
    std::apply(
        [&](auto&&... campo) {
          if (modo == "L")
            dettaglio::LeggiCampi(file, campo...);
          else
            file.ScriviRiga(dettaglio::RigaDiCampi(campo...));
        },
        campi);
  }
}

// A table one line per row, the columns of the row in order; a table without
// rows is neither read nor written. A reader dimensions it first.
template <class T>
void FileInOutMat(const std::string& modo, FileDati& file, Matrice<T>& matrice) {
  if (!dettaglio::ModoValido(modo, "FileInOutMat")) return;
  for (int i = matrice.Lb1(); i <= matrice.Ub1(); ++i) {
    std::string riga;
    for (int j = matrice.Lb2(); j <= matrice.Ub2(); ++j) {
      if (modo == "L") {
        AssegnaCampo(file.LeggiCampo(), matrice(i, j));
      } else {
        if (j > matrice.Lb2()) riga += ',';
        riga += TestoCampo(matrice(i, j));
      }
    }
    if (modo == "S") file.ScriviRiga(riga);
  }
}

// One line of quoted texts; a line break inside a text is stored as two
// characters of code 1. Read back, a line that does not begin with a quote
// is one text.
void FileInOutStringColl(const std::string& modo, FileDati& file, std::vector<std::string>& testi);

// First line of a file: title and version. A line with the title alone gives
// the version "0". A version that is not readable is refused: the file
// closed, ErroreRecordIncompleto, after the box of a damaged file when it is
// no version number, or of a later program when it is later than this one's.
void RecordVersione(const std::string& modo, FileDati& file, std::string& titolo,
                    std::string& versioneLetta, const std::string& versioneDaScrivere);

}  // namespace Generale
