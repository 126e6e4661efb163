#include "StrToIntOrZero.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace tesseron::storage {

int32_t StrToIntOrZero(const char* text) {
    if (text == nullptr) return 0;
    const char* p = text;
    if (*p == '+' || *p == '-') ++p;
    if (*p == '\0') return 0;
    for (const char* q = p; *q; ++q)
        if (*q < '0' || *q > '9') return 0;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (errno == ERANGE || v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return 0;
    return static_cast<int32_t>(v);
}

}  // namespace tesseron::storage
