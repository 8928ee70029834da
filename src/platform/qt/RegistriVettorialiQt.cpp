#include "platform/qt/RegistriVettorialiQt.h"

#include <QApplication>
#include <QPointer>

namespace platform {
namespace {

// The upper halves of the 256-bit registers cleared, on a processor that has
// them.
void PulisciMetaAlte() {
#if defined(__x86_64__) || defined(__i386__)
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) asm volatile("vzeroupper");
#endif
}

class FiltroRegistri : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* /*oggetto*/, QEvent* /*evento*/) override {
    PulisciMetaAlte();
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
