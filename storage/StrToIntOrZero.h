// Reading the numbers that the high-score table keeps as text.
#pragma once

#include <cstdint>

namespace tesseron::storage {

// Decimal integer with an optional sign; 0 for anything else, out-of-range values included.
int32_t StrToIntOrZero(const char* text);

}  // namespace tesseron::storage
