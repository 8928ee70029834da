#include "platform/qt/SistemaQt.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPointer>
#include <QStandardPaths>
#include <QWidget>
#include <cstdlib>

namespace platform {

std::string SistemaQt::SeparatoreDecimale() const { return QLocale().decimalPoint().toStdString(); }

std::string SistemaQt::SeparatoreMigliaia() const {
  return QLocale().groupSeparator().toStdString();
}

std::string SistemaQt::CartellaApplicazione() const {
  return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

std::string SistemaQt::CartellaCorrente() const {
  return QDir::toNativeSeparators(QDir::currentPath()).toStdString();
}

void SistemaQt::ImpostaCartellaCorrente(const std::string& cartella) {
  QDir::setCurrent(QString::fromStdString(cartella));
}

std::string SistemaQt::CartellaWindows() const { return "/usr/share"; }

std::string SistemaQt::CartellaConfigurazione() const {
  return QDir::toNativeSeparators(
             QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
      .toStdString();
}

void SistemaQt::ChiudiFinestre() {
  // A window closed may delete others: they are held by guarded pointers.
  QList<QPointer<QWidget>> finestre;
  for (QWidget* finestra : QApplication::topLevelWidgets()) finestre.append(finestra);
  for (const QPointer<QWidget>& finestra : finestre)
    if (finestra) finestra->close();
}

void SistemaQt::TerminaProcesso() { std::exit(0); }

}  // namespace platform
