#include "platform/qt/RegistriVettorialiQt.h"

#include <QApplication>
#include <QPointer>

#include "platform/RegistriVettoriali.h"

namespace platform {
namespace {

class FiltroRegistri : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* /*oggetto*/, QEvent* /*evento*/) override {
    PulisciRegistriVettoriali();
    return false;
  }
};

}  // namespace

void RegistriVettorialiPuliti(QApplication& app) {
  static QPointer<FiltroRegistri> filtro;
  if (!filtro) {
    filtro = new FiltroRegistri(&app);
    app.installEventFilter(filtro);
  }
}

}  // namespace platform
