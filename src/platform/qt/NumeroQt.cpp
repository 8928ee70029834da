#include "platform/qt/NumeroQt.h"

#include "platform/Sistema.h"

namespace platform {

std::optional<double> NumeroDaTesto(const QString& testo) {
  const Sistema& sistema = SistemaCorrente();
  QString s = testo.trimmed();
  const QString migliaia = QString::fromStdString(sistema.SeparatoreMigliaia());
  if (!migliaia.isEmpty()) s.remove(migliaia);
  s.replace(QString::fromStdString(sistema.SeparatoreDecimale()), QStringLiteral("."));
  bool ok = false;
  const double valore = s.toDouble(&ok);
  if (!ok) return std::nullopt;
  return valore;
}

}  // namespace platform
