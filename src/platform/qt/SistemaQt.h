#pragma once
// The system as Qt sees it: separators of the default locale, the folder of
// the executable, the process's current folder, the top-level windows.
#include "platform/Sistema.h"

namespace platform {

class SistemaQt : public Sistema {
 public:
  std::string SeparatoreDecimale() const override;
  std::string SeparatoreMigliaia() const override;
  // Needs a QCoreApplication.
  std::string CartellaApplicazione() const override;
  std::string CartellaCorrente() const override;
  void ImpostaCartellaCorrente(const std::string& cartella) override;
  // "/usr/share": its "fonts" subfolder holds the system's fonts.
  std::string CartellaWindows() const override;
  // QStandardPaths::AppConfigLocation.
  std::string CartellaConfigurazione() const override;
  // Every top-level window, in the order the application lists them.
  void ChiudiFinestre() override;
  void TerminaProcesso() override;
};

}  // namespace platform
