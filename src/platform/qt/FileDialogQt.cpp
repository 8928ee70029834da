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

namespace {

std::unique_ptr<QFileDialog> CreaDialogo(const FileDialog& proprieta) {
  auto dialogo = std::make_unique<QFileDialog>(QApplication::activeWindow());
  dialogo->setOption(QFileDialog::DontUseNativeDialog);
  const QStringList filtri = FiltriQt(proprieta.Filter);
  if (!filtri.isEmpty()) {
    dialogo->setNameFilters(filtri);
    if (proprieta.FilterIndex >= 1 && proprieta.FilterIndex <= filtri.size())
      dialogo->selectNameFilter(filtri[proprieta.FilterIndex - 1]);
  }
  // A name without a folder is proposed in InitDir, else in the current folder.
  QFileInfo proposto(QString::fromStdString(proprieta.FileName));
  if (proposto.isRelative() && !proprieta.InitDir.empty())
    proposto = QFileInfo(QDir(QString::fromStdString(proprieta.InitDir)), proposto.filePath());
  dialogo->setDirectory(proposto.absolutePath());
  dialogo->selectFile(proposto.fileName());
  dialogo->setDefaultSuffix(QString::fromStdString(proprieta.DefaultExt));
  return dialogo;
}

}  // namespace

std::unique_ptr<QFileDialog> CreaDialogoSalva(const FileDialog& proprieta) {
  auto dialogo = CreaDialogo(proprieta);
  dialogo->setAcceptMode(QFileDialog::AcceptSave);
  dialogo->setFileMode(QFileDialog::AnyFile);
  dialogo->setOption(QFileDialog::DontConfirmOverwrite,
                     (proprieta.Flags & FileDialog::OverwritePrompt) == 0);
  return dialogo;
}

std::unique_ptr<QFileDialog> CreaDialogoApri(const FileDialog& proprieta) {
  auto dialogo = CreaDialogo(proprieta);
  dialogo->setAcceptMode(QFileDialog::AcceptOpen);
  dialogo->setFileMode(QFileDialog::ExistingFile);
  return dialogo;
}

void FileDialogQt::ShowSave() { Mostra(*CreaDialogoSalva(*this)); }

void FileDialogQt::ShowOpen() { Mostra(*CreaDialogoApri(*this)); }

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
