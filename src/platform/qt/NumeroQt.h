#pragma once
// A number in a cell's text, written with the system's separators.
#include <optional>

#include <QString>

namespace platform {

std::optional<double> NumeroDaTesto(const QString& testo);

}  // namespace platform
