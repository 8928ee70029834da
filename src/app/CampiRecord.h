#pragma once
// One field of a record, each way: read into a variable of the caller, and
// the text written for it.
//
// Written forms: a text between double quotes (a double quote inside becomes
// an apostrophe, a line break a blank, so the line stays readable); a number
// with "." as decimal point and no grouping, in the fewest digits that read
// back to the same value of its type, in exponent form ("1.5E-05") below 1E-4
// and from 1E15; a Boolean as #TRUE# or #FALSE#.
//
// Read forms: a bare or quoted number in any of these forms (an exponent with
// E or D, the leading zero optional); an empty field is an empty text, and no
// number or Boolean; #TRUE# and #FALSE# are -1 and 0 as numbers. A field that
// does not fit the variable throws ErroreFile (ErroreTipo, or ErroreOverflow
// out of range of the type) and leaves the variable as it was.
#include <string>
#include <tuple>

#include "app/FileDati.h"
#include "model/VariabiliPubbliche.h"
#include "model/VariabiliPubbliche.h"

namespace Generale {

// A number cell of a grade table. Written bare; read bare as a number (an
// empty or other text is a read failure), or quoted (a cell written from a
// grid as its text) by the regional rules of ValNumero.
struct Cella {
  double& Valore;
};

// A Single field of the file held in a double: read and written at the
// precision of a Single.
struct Singolo {
  double& Valore;
};

void AssegnaCampo(const CampoLetto& campo, short& variabile);
void AssegnaCampo(const CampoLetto& campo, int& variabile);
void AssegnaCampo(const CampoLetto& campo, float& variabile);
void AssegnaCampo(const CampoLetto& campo, double& variabile);
void AssegnaCampo(const CampoLetto& campo, bool& variabile);
void AssegnaCampo(const CampoLetto& campo, std::string& variabile);
void AssegnaCampo(const CampoLetto& campo, Cella cella);
void AssegnaCampo(const CampoLetto& campo, Singolo singolo);

// A non-finite number throws ErroreTipo: it could not be read back.
std::string TestoCampo(short valore);
std::string TestoCampo(int valore);
std::string TestoCampo(float valore);
std::string TestoCampo(double valore);
std::string TestoCampo(bool valore);
std::string TestoCampo(const std::string& valore);
std::string TestoCampo(Cella cella);
std::string TestoCampo(Singolo singolo);

// A double quote cannot stand inside a quoted field: it becomes an apostrophe.
std::string SenzaVirgolette(const std::string& testo);
// Every line break (CR LF, CR or LF) replaced.
std::string SostituisciACapo(const std::string& testo, const std::string& sostituto);

// The fields of a table row, in file order.
inline auto CampiRiga(VariabiliPubbliche::RigaAcciaio& riga) {
  return std::tuple<std::string&, Cella, Cella, Cella>(
      riga.Designazione, Cella{riga.Fyk}, Cella{riga.Ftk}, Cella{riga.TensioneAmmissibile});
}

inline auto CampiRiga(VariabiliPubbliche::RigaCalcestruzzo& riga) {
  return std::tuple<std::string&, Cella, Cella>(riga.Designazione, Cella{riga.Fck},
                                                Cella{riga.Rck});
}

template <class T>
concept RigaTabella = requires(T& riga) {
  CampiRiga(riga);
};

}  // namespace Generale
