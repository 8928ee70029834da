#pragma once
// The program's printer, installed as the program installs it, and its print
// dialog answered as a user would: "Print to File (PDF)" chosen, a file of a
// fresh folder typed and Print pressed; or Cancel. The PDF is read back with
// poppler's pdftotext and pdftoppm.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/Stampante.h"
#include "platform/qt/PrintDialogQt.h"
#include "platform/qt/StampanteQt.h"

class StampaPdf {
 public:
  StampaPdf() {
    platform::ImpostaStampante(&stampante);
    platform::ImpostaRispostaDialogoStampa([this](QPrintDialog& d) { return Rispondi(d); });
  }
  ~StampaPdf() {
    platform::ImpostaRispostaDialogoStampa(nullptr);
    platform::ImpostaStampante(nullptr);
  }
  StampaPdf(const StampaPdf&) = delete;
  StampaPdf& operator=(const StampaPdf&) = delete;

  // The file typed in the dialog.
  QString Pdf() const { return cartella_.filePath("stampa.pdf"); }
  // The next dialog is cancelled.
  void Annulla() { annulla_ = true; }
  // After the next dialog the printer cannot start, as when the device is
  // gone or the file cannot be written.
  void Guasta() { guasta_ = true; }
  int Dialoghi() const { return dialoghi_; }

  // Page objects, not the page tree; 0 without a file.
  int Pagine() const {
    QFile file(Pdf());
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page(?!s)"));
  }

  // Nothing translucent on the pages: a print spooler turns a page with
  // transparency into one bitmap, its texts lost.
  bool Opaca() const {
    QFile file(Pdf());
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString pdf = QString::fromLatin1(file.readAll());
    // A soft mask given (not "/SMask /None"), or a constant alpha below 1.
    return !pdf.contains(QRegularExpression("/SMask\\s+\\d|/(ca|CA) 0"));
  }

  // The text of the PDF laid out as on the page.
  QString Testo() const {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", Pdf(), "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
      ADD_FAILURE() << "pdftotext (poppler-utils) non ha letto " << Pdf().toStdString();
      return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
  }

  // The first page as pixels at 100 dots per inch, without smoothing: lines
  // of any width in their own colour.
  QImage Immagine() const {
    const QString radice = cartella_.filePath("pagina");
    const QStringList argomenti{"-png", "-r", "100", "-aa", "no", "-aaVector", "no", "-singlefile",
                                Pdf(), radice};
    if (QProcess::execute("pdftoppm", argomenti) != 0) {
      ADD_FAILURE() << "pdftoppm (poppler-utils) non ha letto " << Pdf().toStdString();
      return {};
    }
    return QImage(radice + ".png");
  }

  platform::StampanteQt stampante;

 private:
  int Rispondi(QPrintDialog& dialogo) {
    ++dialoghi_;
    dialogo.show();
    if (annulla_) {
      annulla_ = false;
      dialogo.reject();
      return dialogo.result();
    }
    // The file entry comes last in the list of printers.
    auto* stampanti = dialogo.findChild<QComboBox*>("printers");
    auto* file = dialogo.findChild<QLineEdit*>("filename");
    if (!stampanti || !file) {
      ADD_FAILURE() << "dialogo di stampa senza scelta del file";
      dialogo.reject();
      return dialogo.result();
    }
    stampanti->setCurrentIndex(stampanti->count() - 1);
    file->setText(Pdf());
    dialogo.accept();
    if (guasta_) {
      guasta_ = false;
      stampante.Printer().setOutputFileName(cartella_.filePath("manca/stampa.pdf"));
    }
    return dialogo.result();
  }

  QTemporaryDir cartella_;
  bool annulla_ = false;
  bool guasta_ = false;
  int dialoghi_ = 0;
};
