#pragma once
// Test side of the open and save dialogs: answers from a queue, a path or Cancel, and
// records the properties it was shown with. An empty queue answers Cancel. A
// name saved without an extension takes DefaultExt, as on screen.
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileDialog.h"

namespace platform {

struct DialogoFileMostrato {
  int Flags;
  std::string Filter;
  int FilterIndex;
  std::string FileName;
  std::string InitDir;
  bool Apertura;
};

class FileDialogScriptato : public FileDialog {
 public:
  void ShowSave() override;
  void ShowOpen() override;

  // std::nullopt stands for Cancel.
  void Accoda(std::optional<std::string> percorso) { risposte_.push_back(std::move(percorso)); }
  const std::vector<DialogoFileMostrato>& Mostrati() const { return mostrati_; }

 private:
  void Mostra(bool apertura);
  std::deque<std::optional<std::string>> risposte_;
  std::vector<DialogoFileMostrato> mostrati_;
};

}  // namespace platform
