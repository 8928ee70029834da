#pragma once
// The system printer as a drawing surface, through QPrinter: install it with
// ImpostaStampante. The document begins with the first thing drawn; the print
// dialog sets up the same QPrinter. Failures of the printer raise
// ErroreEsecuzione Errori::Stampante.
#include <QPrinter>
#include <QStringList>

#include "platform/qt/SurfaceQt.h"

class QWidget;

namespace platform {

class FlexGrid;

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
  // The whole grid, every row, from the current page on as many pages as it
  // needs: each page begins with the title's lines and the grid's fixed rows.
  // A grid wider than the page is drawn smaller.
  void DisegnaTabella(const QStringList& titolo, const FlexGrid& griglia);

  void NewPage() override;
  void EndDoc() override;
  void KillDoc() override;

 protected:
  bool Inizia(QPainter& pittore) override;

 private:
  QPrinter printer_;
};

}  // namespace platform
