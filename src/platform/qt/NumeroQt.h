#pragma once
// A number in a cell's text, written with the system's separators.
#include <optional>
#include <string>

#include <QString>

namespace platform {

std::optional<double> NumeroDaTesto(const QString& testo);
// The same for a text kept as UTF-8, plain numbers read without Qt.
std::optional<double> NumeroDaTesto(const std::string& testo);

}  // namespace platform
