#pragma once
// The open and save dialogs on screen: Qt's own file dialog, modal. A file chosen makes
// its folder the current one, as the system dialogs do.
#include <QFileDialog>
#include <QStringList>
#include <memory>

#include "platform/FileDialog.h"

namespace platform {

// "Files per Autocad (*.dxf)|*.dxf" as Qt names filters: one entry a pair,
// the patterns in brackets after the description unless it ends with them.
QStringList FiltriQt(const std::string& filter);

// The dialog as it will be shown, before exec().
std::unique_ptr<QFileDialog> CreaDialogoSalva(const FileDialog& proprieta);
// The same for opening: only an existing file can be chosen.
std::unique_ptr<QFileDialog> CreaDialogoApri(const FileDialog& proprieta);

class FileDialogQt : public FileDialog {
 public:
  void ShowOpen() override;
  void ShowSave() override;

 private:
  void Mostra(QFileDialog& dialogo);
};

}  // namespace platform
