#include <gtest/gtest.h>

#include <QDir>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "AppQt.h"
#include "platform/ErroreEsecuzione.h"
#include "platform/qt/FileDialogQt.h"
#include "platform/qt/PrintDialogQt.h"

using namespace platform;

namespace {

// Runs azione on the modal dialog of type D as soon as it is shown; any
// other window shown instead is closed, so that nothing waits for a user.
template <class D>
void AlDialogo(std::function<void(D&)> azione) {
  QTimer::singleShot(0, [azione] {
    QWidget* modale = QApplication::activeModalWidget();
    if (auto* dialogo = qobject_cast<D*>(modale)) {
      azione(*dialogo);
    } else {
      ADD_FAILURE() << "nessun dialogo del tipo atteso";
      if (modale) modale->close();
    }
  });
}

int NumeroErrore(const std::function<void()>& operazione) {
  try {
    operazione();
  } catch (const ErroreEsecuzione& e) {
    return e.Numero();
  }
  return 0;
}

}  // namespace

TEST(FileDialogQt, FilterPairsBecomeQtFilters) {
  EXPECT_EQ(FiltriQt("All Files (*.*)|*.*|Files per Autocad (*.dxf)|*.dxf"),
            (QStringList{"All Files (*.*)", "Files per Autocad (*.dxf)"}));
  EXPECT_EQ(FiltriQt("Disegni|*.dxf;*.dwg|Tutti|*"),
            (QStringList{"Disegni (*.dxf *.dwg)", "Tutti (*)"}));
  EXPECT_TRUE(FiltriQt("").isEmpty());
}

TEST(FileDialogQt, TheSaveDialogShowsWhatWasAskedFor) {
  AppQt();
  QTemporaryDir cartella;
  FileDialogQt proprieta;
  proprieta.Flags = FileDialog::OverwritePrompt;
  proprieta.Filter = "All Files (*.*)|*.*|Files per Autocad (*.dxf)|*.dxf";
  proprieta.FilterIndex = 2;
  proprieta.FileName = cartella.filePath("trave.slu.dxf").toStdString();
  auto dialogo = CreaDialogoSalva(proprieta);
  EXPECT_EQ(dialogo->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(dialogo->selectedNameFilter(), "Files per Autocad (*.dxf)");
  EXPECT_FALSE(dialogo->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(QDir(dialogo->directory()), QDir(cartella.path()));
  EXPECT_EQ(dialogo->selectedFiles().value(0), cartella.filePath("trave.slu.dxf"));
  EXPECT_EQ(dialogo->defaultSuffix(), "");
  proprieta.DefaultExt = "slu";
  EXPECT_EQ(CreaDialogoSalva(proprieta)->defaultSuffix(), "slu");
  proprieta.Flags = 0;
  EXPECT_TRUE(CreaDialogoSalva(proprieta)->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(FileDialogQt, TheOpenDialogTakesAnExistingFileAndProposesANameInInitDir) {
  AppQt();
  QTemporaryDir cartella;
  FileDialogQt proprieta;
  proprieta.Filter = "Tutti i Files (*.*)|*.*|Files Tramok (*.slu)|*.slu";
  proprieta.FilterIndex = 2;
  proprieta.FileName = "*.slu";
  proprieta.InitDir = cartella.path().toStdString();
  auto dialogo = CreaDialogoApri(proprieta);
  EXPECT_EQ(dialogo->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(dialogo->fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(dialogo->selectedNameFilter(), "Files Tramok (*.slu)");
  EXPECT_EQ(QDir(dialogo->directory()), QDir(cartella.path()));
}

TEST(FileDialogQt, ChoosingAFileMakesItsFolderCurrentCancellingRaises) {
  AppQt();
  QTemporaryDir cartella;
  const QString prima = QDir::currentPath();
  FileDialogQt dialogo;
  dialogo.FileName = cartella.filePath("sezione.dxf").toStdString();
  AlDialogo<QFileDialog>([](QFileDialog& d) { static_cast<QDialog&>(d).accept(); });
  dialogo.ShowSave();
  EXPECT_EQ(dialogo.FileName, cartella.filePath("sezione.dxf").toStdString());
  EXPECT_EQ(QDir::current(), QDir(cartella.path()));
  QDir::setCurrent(prima);

  dialogo.CancelError = true;
  AlDialogo<QFileDialog>([](QFileDialog& d) { d.reject(); });
  EXPECT_EQ(NumeroErrore([&] { dialogo.ShowSave(); }), Errori::DialogoAnnullato);
  EXPECT_EQ(dialogo.FileName, "");
}

TEST(PrintDialogQt, CopiesChosenAreLeftToTheProgram) {
  AppQt();
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  PrintDialogQt dialogo(printer);
  dialogo.Copies = 3;
  AlDialogo<QPrintDialog>([](QPrintDialog& d) { d.accept(); });
  dialogo.ShowPrinter();
  EXPECT_EQ(dialogo.Copies, 3);
  EXPECT_EQ(printer.copyCount(), 1);

  dialogo.CancelError = true;
  AlDialogo<QPrintDialog>([](QPrintDialog& d) { d.reject(); });
  EXPECT_EQ(NumeroErrore([&] { dialogo.ShowPrinter(); }), Errori::DialogoAnnullato);
  EXPECT_EQ(dialogo.Copies, 3);
}
