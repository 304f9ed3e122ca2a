#pragma once

#include "words/CText.h"

#include <cstdint>

// Writes format into out with its conversions filled from values in order: %d and %i with the
// flags '-', '0', '+' and ' ' and a width (at most 64); "%%" gives '%'. Any other conversion stays
// as written, and a conversion beyond the given values shows 0.
void FormatNumbers(CText& out, const char* format, const std::int32_t* values, int count);
