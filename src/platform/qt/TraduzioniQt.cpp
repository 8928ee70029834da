#include "platform/qt/TraduzioniQt.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

bool TraduciQtInItaliano(QApplication& app) {
  static QTranslator* traduzioni = nullptr;
  if (traduzioni) return true;
  auto* nuove = new QTranslator(&app);
  if (!nuove->load(QLocale(QLocale::Italian, QLocale::Italy), "qtbase", "_",
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete nuove;
    return false;
  }
  app.installTranslator(nuove);
  traduzioni = nuove;
  return true;
}

}  // namespace platform
