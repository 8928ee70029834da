#pragma once
// A data file open for reading or for writing, as the record routines see it.
//
// Reading takes the whole file at opening: Windows-1252 text (UTF-8 after a
// byte-order mark), lines ended by CR LF, LF or CR. Fields are taken one at a
// time wherever the line breaks fall, as the sequential input of the original
// platform takes them.
//
// Writing goes to a temporary file beside the target (a symbolic link's
// target, the link kept), created under a fresh name; closing puts it in place of the target, so a write
// that fails leaves the old file as it was.
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace Generale {

// Error numbers of the file operations. 1000 and 1010 are the record layer's
// own signals; the others are those of the platform for the same failures.
inline constexpr int ErroreOverflow = 6;
inline constexpr int ErroreIndice = 9;
inline constexpr int ErroreTipo = 13;
inline constexpr int ErroreFileChiuso = 52;
inline constexpr int ErroreFileNonTrovato = 53;
inline constexpr int ErroreModoFile = 54;
inline constexpr int ErroreDispositivo = 57;
inline constexpr int ErroreFineFile = 62;
inline constexpr int ErroreSolaLettura = 70;
inline constexpr int ErroreAccesso = 75;
// A record reported as incomplete to the user.
inline constexpr int ErroreRecordIncompleto = 1000;
// Stop reading without a message: a short file or a record newer than it.
inline constexpr int ErroreFineLettura = 1010;

class ErroreFile : public std::runtime_error {
 public:
  ErroreFile(int numero, const std::string& testo) : std::runtime_error(testo), numero_(numero) {}
  int Numero() const { return numero_; }

 private:
  int numero_;
};

// One field as read: its text (UTF-8) and whether it stood between quotes.
struct CampoLetto {
  std::string Testo;
  bool TraVirgolette = false;
};

class FileDati {
 public:
  // The largest project the program writes: 32767 rows in each of the
  // outline, bar, tendon and acting-point tables, four Singles a row at most
  // (about 60 bytes), and the column's two stirrup tables of 32767 rows of
  // nine Singles (about 130 bytes): some 16 MB. The settings and materials
  // files are far smaller. Four times that is refused unread.
  static constexpr std::uintmax_t DimensioneMassima = 64u << 20;

  // ErroreFileNonTrovato when the file is not there; ErroreAccesso, with a
  // sentence that names it, for a folder, a pipe or a device, a file larger
  // than DimensioneMassima or one that cannot be read.
  static FileDati ApriLettura(const std::string& percorso);
  // ErroreSolaLettura for a file its owner made read-only (it stays as it
  // is); ErroreAccesso when the temporary file cannot be created.
  static FileDati ApriScrittura(const std::string& percorso);
  // A file already read into memory, with the bytes as they would be on disk.
  static FileDati DaContenuto(const std::string& contenuto);
  // A file written into memory only: Scritto() holds its bytes.
  static FileDati InMemoria();
  const std::string& Scritto() const { return scritto_; }

  FileDati(FileDati&& altro) noexcept;
  FileDati& operator=(FileDati&&) = delete;
  FileDati(const FileDati&) = delete;
  FileDati& operator=(const FileDati&) = delete;
  ~FileDati();

  bool Aperto() const { return modo_ != Modo::Chiuso; }
  // The path a file was opened for reading with; empty for one in memory.
  const std::string& Percorso() const { return percorso_; }

  // The next field: blanks before it skipped; a quoted field runs to its
  // closing quote, which must stand on the same line (ErroreTipo), and
  // whatever follows it up to the separator is dropped; a bare field runs to the separator, trailing blanks
  // dropped. The separator (a comma or a line end) is consumed.
  // ErroreFineFile at the end of the file.
  CampoLetto LeggiCampo();
  // The rest of the current line, its line end consumed.
  std::string LeggiRiga();
  // Reading: nothing left but blanks and line ends.
  bool Esaurito() const;

  // One line, CR LF added.
  void ScriviRiga(const std::string& riga);

  // Reading: done. Writing: the new file replaces the target (ErroreDispositivo
  // when it cannot). Either way the file is closed.
  void Chiudi();
  // Closes without touching the target.
  void Interrompi();

 private:
  enum class Modo { Chiuso, Lettura, Scrittura };
  FileDati() = default;
  void Verifica(Modo richiesto) const;
  bool FineRiga() const;
  void ConsumaSeparatore();

  Modo modo_ = Modo::Chiuso;
  std::string testo_;
  std::size_t posizione_ = 0;
  std::string percorso_;
  std::string destinazione_;
  std::string temporaneo_;
  std::FILE* uscita_ = nullptr;
  bool memoria_ = false;
  std::string scritto_;
};

}  // namespace Generale
