#include "drawing/Dxf.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "drawing/Cp1252.h"
#include "drawing/DispositivoEsterno.h"
#include "drawing/GraficaStato.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/FileSostituito.h"

namespace Grafica {

namespace {

struct FileDxfAperto {
  std::FILE* file = nullptr;
  std::string percorso;  // the target
  std::string scritto;  // the file being written: a temporary one beside it, or the target
};

FileDxfAperto aperto;

// Groups of lines are put together here, then written at once.
class Righe {
 public:
  Righe& operator<<(const std::string& riga) {
    testo_ += riga;
    testo_ += "\r\n";
    return *this;
  }
  // A group code and its value.
  Righe& Coppia(const char* codice, const std::string& valore) { return *this << codice << valore; }
  const std::string& Testo() const { return testo_; }

 private:
  std::string testo_;
};

void Scrivi(const Righe& righe) {
  if (!aperto.file)
    throw platform::ErroreEsecuzione(platform::Errori::NumeroFileNonValido,
                                     "Nome o numero di file non valido");
  const std::string& t = righe.Testo();
  if (std::fwrite(t.data(), 1, t.size(), aperto.file) != t.size())
    throw platform::ErroreFile(errno, aperto.percorso);
}

// Colour numbers a DXF entity can carry: 0 by block to 256 by layer.
int ColoreDxf() {
  const auto colore = Stato.ColoreCorrente;
  return colore >= 0 && colore <= 256 ? static_cast<int>(colore) : 256;
}

// The colour right-aligned in six characters.
std::string Colore6() {
  char campo[16];
  std::snprintf(campo, sizeof campo, "%6d", ColoreDxf());
  return campo;
}

// Values a CAD program can read back: finite numbers.
bool Scrivibili(std::initializer_list<Numero> valori) {
  for (const Numero& v : valori)
    if (!std::isfinite(v.valore)) return false;
  return true;
}

void Vertice(Righe& r, Numero x, double y) {
  r.Coppia("  0", "VERTEX").Coppia("  8", "0");
  r.Coppia(" 10", NumeroDxf(x)).Coppia(" 20", NumeroDxf(y)).Coppia(" 30", "0.0");
}

void Polilinea(short n, const VettoreNumeri& x, const Vettore<double>& y, bool chiusa) {
  // Fewer than two vertices, or one that is no number, draw no line.
  if (n < 2) return;
  for (int i = 1; i <= n; ++i)
    if (!Scrivibili({x(i), y(i)})) return;
  Righe r;
  r.Coppia("  0", "POLYLINE").Coppia("  8", "0").Coppia(" 66", "     1").Coppia(" 62", Colore6());
  r.Coppia(" 10", "0.0").Coppia(" 20", "0.0").Coppia(" 30", "0.0");
  for (int i = 1; i <= n; ++i) Vertice(r, x(i), y(i));
  if (chiusa) Vertice(r, x(1), y(1));
  r.Coppia("  0", "SEQEND").Coppia("  8", "0");
  Scrivi(r);
}

// Line breaks and the other control characters become blanks: a DXF value
// is one line of printable text.
std::string SenzaControllo(const std::string& testo) {
  std::string riga;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
    const auto c = static_cast<unsigned char>(testo[i]);
    riga += c < 0x20 || c == 0x7F ? ' ' : testo[i];
  }
  return riga;
}

class DispositivoDxf : public DispositivoEsterno {
 public:
  void Linea(Numero x1, Numero y1, Numero x2, Numero y2) override { LineaDxf(x1, y1, x2, y2); }
  void Cerchio(Numero x, Numero y, Numero raggio) override { CerchioDxf(x, y, raggio); }
  void Poligonale(short n, const VettoreNumeri& x, const Vettore<double>& y) override {
    PoligonaleDxf(n, x, y);
  }
  void PoligonoChiuso(short n, const VettoreNumeri& x, const Vettore<double>& y) override {
    PoligonoChiusoDxf(n, x, y);
  }
  void Testo(Numero x, double y, Numero altezza, const std::string& testo) override {
    TestoDxf(x, y, altezza, testo);
  }
};

DispositivoDxf dispositivo;

}  // namespace

std::string NumeroDxf(Numero valore) {
  char testo[32];
  const auto fine = valore.singolo
                        ? std::to_chars(testo, testo + sizeof testo, static_cast<float>(valore.valore),
                                        std::chars_format::general, 7)
                        : std::to_chars(testo, testo + sizeof testo, valore.valore,
                                        std::chars_format::general, 15);
  return std::string(testo, fine.ptr);
}

void ApriFileDxf(const std::string& nomeFile, short numeroFile) {
  if (aperto.file)
    throw platform::ErroreEsecuzione(platform::Errori::FileGiaAperto,
                                     "File già aperto: " + aperto.percorso);
  const std::string destinazione = platform::DestinazioneSalvataggio(nomeFile);
  // A device or a pipe standing there is written as it is.
  std::string scritto = destinazione;
  std::FILE* f = platform::SostituibileConTemporaneo(destinazione)
                     ? platform::CreaTemporaneo(destinazione, scritto)
                     : std::fopen(destinazione.c_str(), "wb");
  if (!f) throw platform::ErroreFile(errno, nomeFile);
  aperto = {f, destinazione, scritto};
  Stato.FileDxf = numeroFile;
  RegistraDispositivoEsterno("DXF", &dispositivo);
  Righe r;
  r.Coppia("  0", "SECTION").Coppia("  2", "ENTITIES");
  Scrivi(r);
}

void ChiudiFileDxf() {
  Righe r;
  r.Coppia("  0", "ENDSEC").Coppia("  0", "EOF");
  Scrivi(r);
  const FileDxfAperto chiuso = aperto;
  aperto = {};
  const bool temporaneo = chiuso.scritto != chiuso.percorso;
  if (std::fclose(chiuso.file) != 0) {
    const int codice = errno;
    if (temporaneo) platform::RimuoviTemporaneo(chiuso.scritto);
    throw platform::ErroreFile(codice, chiuso.percorso);
  }
  if (temporaneo && !platform::SostituisciFile(chiuso.scritto, chiuso.percorso))
    throw platform::ErroreFile(EACCES, chiuso.percorso);
}

void InterrompiFileDxf() {
  if (aperto.file) {
    std::fclose(aperto.file);
    if (aperto.scritto != aperto.percorso) platform::RimuoviTemporaneo(aperto.scritto);
  }
  aperto = {};
}

void LineaDxf(Numero x1, Numero y1, Numero x2, Numero y2) {
  if (!Scrivibili({x1, y1, x2, y2})) return;
  Righe r;
  r.Coppia("  0", "LINE").Coppia("  8", "0").Coppia(" 62", Colore6());
  r.Coppia(" 10", NumeroDxf(x1)).Coppia(" 20", NumeroDxf(y1)).Coppia(" 30", "0.0");
  r.Coppia(" 11", NumeroDxf(x2)).Coppia(" 21", NumeroDxf(y2)).Coppia(" 31", "0.0");
  Scrivi(r);
}

void CerchioDxf(Numero x, Numero y, Numero raggio) {
  if (!Scrivibili({x, y, raggio}) || raggio.valore < 0) return;
  Righe r;
  r.Coppia("  0", "CIRCLE").Coppia("  8", "0").Coppia(" 62", Colore6());
  r.Coppia(" 10", NumeroDxf(x)).Coppia(" 20", NumeroDxf(y)).Coppia(" 30", "0.0");
  r.Coppia(" 40", NumeroDxf(raggio));
  Scrivi(r);
}

void PoligonaleDxf(short n, const VettoreNumeri& x, const Vettore<double>& y) {
  Polilinea(n, x, y, false);
}

void PoligonoChiusoDxf(short n, const VettoreNumeri& x, const Vettore<double>& y) {
  Polilinea(n, x, y, true);
}

void TestoDxf(Numero x, double y, Numero altezza, const std::string& testo) {
  if (!Scrivibili({x, y, altezza})) return;
  Righe r;
  r.Coppia("  0", "TEXT").Coppia("  8", "0");
  // The colour as a free-standing number, not in a six-character field.
  r.Coppia(" 62", " " + std::to_string(ColoreDxf()) + " ");
  r.Coppia(" 10", NumeroDxf(x)).Coppia(" 20", NumeroDxf(y)).Coppia(" 30", "0.0");
  r.Coppia(" 40", NumeroDxf(altezza)).Coppia("  1", Cp1252DaUtf8(SenzaControllo(testo)));
  Scrivi(r);
}

}  // namespace Grafica
