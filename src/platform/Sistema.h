#pragma once
// What the system tells the program and does for it: the regional number
// separators, the program's and the current folder, questions about paths,
// closing the windows and ending the process. The windows install the
// system's own answers; tests install fixed ones.
#include <string>
#include <utility>

namespace platform {

class Sistema {
 public:
  virtual ~Sistema() = default;
  // Texts, as a locale may use a separator of more than one byte in UTF-8.
  virtual std::string SeparatoreDecimale() const = 0;
  virtual std::string SeparatoreMigliaia() const = 0;

  // Folder of the program's executable.
  virtual std::string CartellaApplicazione() const = 0;
  virtual std::string CartellaCorrente() const = 0;
  virtual void ImpostaCartellaCorrente(const std::string& cartella) = 0;
  // Stands in for the Windows folder: the folder whose "fonts" subfolder
  // holds the system's fonts.
  virtual std::string CartellaWindows() const = 0;
  // The user's own folder for the program's settings, used when the program
  // folder cannot be written; the program folder unless the system has one.
  virtual std::string CartellaConfigurazione() const { return CartellaApplicazione(); }

  // Closes every open window, then ends the process at once.
  virtual void ChiudiFinestre() = 0;
  virtual void TerminaProcesso() = 0;

  // Paths, answered as a file-system object answers them. Separators are
  // those of this platform; a relative path starts from CartellaCorrente().
  bool FolderExists(const std::string& percorso) const;
  // Last component of the path ("" for a root).
  std::string GetFileName(const std::string& percorso) const;
  // Last component without its last extension: "a.b.c" gives "a.b", "*" gives "*".
  std::string GetBaseName(const std::string& percorso) const;
  // Complete path with "." and ".." resolved, without a trailing separator.
  std::string GetAbsolutePathName(const std::string& percorso) const;
};

// Fixed answers: "." for decimals and "," for thousands unless told otherwise;
// both folders are the process's current folder when it was made; the
// windows and the end of the process are only counted.
class SistemaFisso : public Sistema {
 public:
  SistemaFisso();
  SistemaFisso(std::string decimale, std::string migliaia);

  std::string SeparatoreDecimale() const override { return decimale_; }
  std::string SeparatoreMigliaia() const override { return migliaia_; }
  void ImpostaSeparatori(std::string decimale, std::string migliaia) {
    decimale_ = std::move(decimale);
    migliaia_ = std::move(migliaia);
  }

  std::string CartellaApplicazione() const override { return applicazione_; }
  void ImpostaCartellaApplicazione(std::string cartella) { applicazione_ = std::move(cartella); }
  // The program folder until one is set.
  std::string CartellaConfigurazione() const override {
    return configurazione_.empty() ? applicazione_ : configurazione_;
  }
  void ImpostaCartellaConfigurazione(std::string cartella) { configurazione_ = std::move(cartella); }
  std::string CartellaCorrente() const override { return corrente_; }
  void ImpostaCartellaCorrente(const std::string& cartella) override { corrente_ = cartella; }
  std::string CartellaWindows() const override { return "/usr/share"; }

  void ChiudiFinestre() override { ++chiusureFinestre; }
  void TerminaProcesso() override { ++terminazioni; }

  int chiusureFinestre = 0;
  int terminazioni = 0;

 private:
  std::string decimale_ = ".";
  std::string migliaia_ = ",";
  std::string applicazione_;
  std::string configurazione_;
  std::string corrente_;
};

// Installs the system used by SistemaCorrente(); nullptr restores the fixed
// default with "." and ",".
void ImpostaSistema(Sistema* sistema);
Sistema& SistemaCorrente();

}  // namespace platform
