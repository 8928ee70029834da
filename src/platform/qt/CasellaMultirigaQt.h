#pragma once
// A text box of several lines that the program places and fills: the read-out
// box of a chart's clicked point. Lines the program ends with CR LF.
#include <string>

#include <QPlainTextEdit>

#include "platform/qt/CasellaQt.h"

namespace platform {

class CasellaMultirigaQt : public CasellaQt<QPlainTextEdit> {
 public:
  explicit CasellaMultirigaQt(QWidget* genitore = nullptr);

  std::string Text() const override;
  void SetText(const std::string& testo) override;
  // Positions count a line break as one character.
  int SelStart() const override;
  void SetSelStart(int inizio) override;
  int SelLength() const override;
  void SetSelLength(int lunghezza) override;
};

}  // namespace platform
