#include "platform/qt/NumeroQt.h"

#include "platform/NumeroDigitato.h"

namespace platform {

std::optional<double> NumeroDaTesto(const QString& testo) {
  const std::optional<std::string> s = NumeroDigitato(testo.trimmed().toStdString());
  if (!s) return std::nullopt;
  bool ok = false;
  const double valore = QString::fromStdString(*s).toDouble(&ok);
  if (!ok) return std::nullopt;
  return valore;
}

}  // namespace platform
