#pragma once
// The system printer as a drawing surface, through QPrinter: install it with
// ImpostaStampante. The document begins with the first thing drawn; the print
// dialog sets up the same QPrinter. Failures of the printer raise
// ErroreEsecuzione Errori::Stampante.
#include <QPrinter>

#include "platform/qt/SurfaceQt.h"

class QWidget;

namespace platform {

class StampanteQt : public SurfaceQt {
 public:
  StampanteQt();
  // Ends, and so sends, a document still open.
  ~StampanteQt() override;
  StampanteQt(const StampanteQt&) = delete;
  StampanteQt& operator=(const StampanteQt&) = delete;

  QPrinter& Printer() { return printer_; }

  // The window's widgets as they are on screen, drawn on the current page as
  // vectors (texts stay texts), as large as the page allows, proportions
  // kept, from the top left corner.
  void DisegnaFinestra(QWidget& finestra);

  void NewPage() override;
  void EndDoc() override;
  void KillDoc() override;

 protected:
  bool Inizia(QPainter& pittore) override;

 private:
  QPrinter printer_;
};

}  // namespace platform
