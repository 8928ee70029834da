#pragma once
// A concrete stress into a result box with its sign turned (compression
// shown negative), coloured by the sign shown.
#include "platform/Form.h"

void MostraCls(platform::Control& casella, double sigma);
