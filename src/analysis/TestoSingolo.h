#pragma once
// Plain text of a value held in 32 bits, as the program shows such a value
// without a format: its 7 significant digits, no grouping, the locale's
// decimal separator (30.000002 reads "30").
#include <string>

std::string TestoSingolo(float x);
