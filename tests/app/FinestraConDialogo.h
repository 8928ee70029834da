#pragma once
// The main window, with the settings files in place unless told otherwise, a
// scripted file dialog and the project state reset before and after.
#include <memory>

#include "FinestraMain.h"
#include "app/ProgettoFile.h"
#include "platform/FileDialogScriptato.h"
#include "seismic/StatoSismica.h"

struct FinestraConDialogo : FinestraMain {
  explicit FinestraConDialogo(bool conFile = true) : FinestraMain(conFile) {
    ProgettoFile::Stato = ProgettoFile::StatoProgetto{};
    Sismica::Stato = Sismica::StatoSismico{};
    auto d = std::make_unique<platform::FileDialogScriptato>();
    dialogo = d.get();
    main->CMDialog1 = std::move(d);
    // The state reset is the project the window started with.
    main->RegistraProgetto();
  }
  ~FinestraConDialogo() {
    ProgettoFile::Stato = ProgettoFile::StatoProgetto{};
    Sismica::Stato = Sismica::StatoSismico{};
  }
  void Scrivi(const std::string& nome, const std::string& testo) { C(nome).SetText(testo); }
  // "Salva come" into the file named; its text.
  std::string SalvaCome(const std::string& file) {
    dialogo->Accoda(ambiente.Percorso(file));
    main->MnuFileItem_Click(3);
    return ambiente.Leggi(file);
  }
  platform::FileDialogScriptato* dialogo = nullptr;
};
