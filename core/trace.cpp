#include "core/trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace scx {

void Trace(const char* format, ...) {
    static const bool enabled = std::getenv("SCX_TRACE") != nullptr;
    if (!enabled) return;
    va_list args;
    va_start(args, format);
    std::fputs("scx trace: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
}

}  // namespace scx
