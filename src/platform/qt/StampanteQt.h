#pragma once
// The system printer as a drawing surface, through QPrinter: install it with
// ImpostaStampante. The document begins with the first thing drawn; the print
// dialog sets up the same QPrinter. Failures of the printer raise
// ErroreEsecuzione Errori::Stampante.
#include <QPrinter>

#include "platform/qt/SurfaceQt.h"

namespace platform {

class StampanteQt : public SurfaceQt {
 public:
  StampanteQt();
  // Ends, and so sends, a document still open.
  ~StampanteQt() override;
  StampanteQt(const StampanteQt&) = delete;
  StampanteQt& operator=(const StampanteQt&) = delete;

  QPrinter& Printer() { return printer_; }

  // The picture on the current page, as large as the page allows, its
  // proportions kept, from the top left corner.
  void DisegnaImmagine(const QImage& immagine);

  void NewPage() override;
  void EndDoc() override;
  void KillDoc() override;

 protected:
  bool Inizia(QPainter& pittore) override;

 private:
  QPrinter printer_;
};

}  // namespace platform
