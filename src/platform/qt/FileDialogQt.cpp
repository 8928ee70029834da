#include "platform/qt/FileDialogQt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/ErroreEsecuzione.h"

namespace platform {

QStringList FiltriQt(const std::string& filter) {
  const QStringList parti = QString::fromStdString(filter).split('|');
  QStringList filtri;
  for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
    const QString descrizione = parti[i].trimmed();
    const QString schemi = parti[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
    filtri << (descrizione.endsWith(')') ? descrizione : descrizione + " (" + schemi + ")");
  }
  return filtri;
}

std::unique_ptr<QFileDialog> CreaDialogoSalva(const FileDialog& proprieta) {
  auto dialogo = std::make_unique<QFileDialog>(QApplication::activeWindow());
  dialogo->setOption(QFileDialog::DontUseNativeDialog);
  dialogo->setAcceptMode(QFileDialog::AcceptSave);
  dialogo->setFileMode(QFileDialog::AnyFile);
  dialogo->setOption(QFileDialog::DontConfirmOverwrite,
                     (proprieta.Flags & FileDialog::OverwritePrompt) == 0);
  const QStringList filtri = FiltriQt(proprieta.Filter);
  if (!filtri.isEmpty()) {
    dialogo->setNameFilters(filtri);
    if (proprieta.FilterIndex >= 1 && proprieta.FilterIndex <= filtri.size())
      dialogo->selectNameFilter(filtri[proprieta.FilterIndex - 1]);
  }
  // A name without a folder is proposed in the current one.
  const QFileInfo proposto(QString::fromStdString(proprieta.FileName));
  dialogo->setDirectory(proposto.absolutePath());
  dialogo->selectFile(proposto.fileName());
  return dialogo;
}

std::unique_ptr<QFileDialog> CreaDialogoApri(const FileDialog& proprieta) {
  auto dialogo = CreaDialogoSalva(proprieta);
  dialogo->setAcceptMode(QFileDialog::AcceptOpen);
  dialogo->setFileMode(QFileDialog::ExistingFile);
  return dialogo;
}

void FileDialogQt::ShowOpen() { Mostra(*CreaDialogoApri(*this)); }

void FileDialogQt::ShowSave() { Mostra(*CreaDialogoSalva(*this)); }

void FileDialogQt::Mostra(QFileDialog& dialogo) {
  const bool scelto = dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty();
  if (!scelto) {
    FileName.clear();
    if (CancelError) throw ErroreEsecuzione(Errori::DialogoAnnullato, "Annullato");
    return;
  }
  const QFileInfo file(dialogo.selectedFiles().first());
  FileName = file.absoluteFilePath().toStdString();
  QDir::setCurrent(file.absolutePath());
}

}  // namespace platform
