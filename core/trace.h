#pragma once
// Debug traces: silent unless the environment variable SCX_TRACE is set. Loaders report what they
// skipped here; users see messages through the Prompter instead.

namespace scx {

void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace scx
