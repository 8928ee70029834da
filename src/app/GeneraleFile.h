#pragma once
// The project file and the user: new, open, save as and save with their
// dialogs and window captions, and the file named on the command line.
#include <string>
#include <vector>

#include "app/FileDati.h"
#include "platform/FileDialog.h"

namespace Generale {

// A window that keeps a project file.
class FinestraFile {
 public:
  virtual ~FinestraFile() = default;
  // Reads ("L") or writes ("S") the whole project; true when done. A failed
  // reading leaves the project in memory as it was.
  virtual bool FileLeggeScrive(FileDati& file, const std::string& modo) = 0;
  virtual void ImpostaCaption(const std::string& caption) = 0;
  // The prefix of its caption before the file name.
  virtual std::string PrefissoCaption() const = 0;
};

enum ModoFile { FileNuovo = 0, FileApri = 1, FileSalvaCome = 2, FileSalva = 3 };

// "Tutti i Files (*.*)|*.*|Files Tramok (*.slu)|*.slu".
std::string FiltroFile(const std::string& descrizione, const std::string& estensione);

// New, open, save as, save. nomeFile is the base name of the current file;
// the full path kept with it (percorsoFile) is where a save writes. The name,
// the path and the caption change only when a file was read or written
// whole; annullato tells a dialog cancelled. True when a file was read or
// written.
bool ApriSalvaFile(int modo, const std::string& descrizione, std::string& nomeFile,
                   std::string& percorsoFile, const std::string& estensione,
                   platform::FileDialog& dialogo, FinestraFile& finestra,
                   const std::string& prefisso, const std::string& cartellaIniziale = "",
                   bool* annullato = nullptr);

// The save-as dialog and the writing of the file chosen.
bool DialogoFile(std::string& nomeFile, std::string& percorsoFile, const std::string& estensione,
                 platform::FileDialog& dialogo, FinestraFile& finestra,
                 const std::string& prefisso, const std::string& filtro);

// The words of a command line: blanks, tabs and double quotes separate them;
// the scan ends when an eleventh (after massimo) would begin.
std::vector<std::string> ParoleRigaComando(const std::string& rigaComando, int massimo = 10);

// The project named on the command line, relative names taken in the
// current folder: the line as it stands when it names a file (one argument),
// else its words joined by single blanks. Read, with the caption and
// CartellaDati set. False, with
// nomeFile empty, when there is none or it could not be read (told).
bool ApriFileRigaComando(const std::string& rigaComando, std::string& nomeFile,
                         std::string& percorsoFile, FinestraFile& finestra);

}  // namespace Generale
