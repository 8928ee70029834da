#pragma once
// A number typed with the system's separators, rewritten for a reader whose
// only decimal point is ".".
#include <optional>
#include <string>

namespace platform {

// Thousands separators dropped, the decimal separator made ".". Where the
// thousands separator is a point or a comma, the other being the decimal
// one, it may have been typed as the decimal mark: one that cannot group
// thousands (not followed by a group of exactly three digits, or not after a
// first group of one to three digits or a group of three) is the decimal
// mark. Nothing when such a mark stands beside another decimal separator, or
// the decimal separator is typed twice: the text is no reading.
std::optional<std::string> NumeroDigitato(const std::string& testo);

}  // namespace platform
