#pragma once
// Test side of the print dialog: answers from a queue, a number of copies or
// Cancel, and counts how often it was shown. An empty queue answers Cancel.
#include <deque>
#include <optional>

#include "platform/PrintDialog.h"

namespace platform {

class PrintDialogScriptato : public PrintDialog {
 public:
  void ShowPrinter() override;

  // std::nullopt stands for Cancel.
  void Accoda(std::optional<int> copie) { risposte_.push_back(copie); }
  int VolteMostrato() const { return volte_; }

 private:
  std::deque<std::optional<int>> risposte_;
  int volte_ = 0;
};

}  // namespace platform
