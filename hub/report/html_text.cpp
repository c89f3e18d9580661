#include "hub/report/html_text.h"

namespace scx {

void AppendEscaped(std::string& out, std::string_view value) {
    size_t start = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        const char* entity = nullptr;
        switch (value[i]) {
            case '&': entity = "&amp;"; break;
            case '<': entity = "&lt;"; break;
            case '>': entity = "&gt;"; break;
            default: continue;
        }
        out.append(value, start, i - start);
        out += entity;
        start = i + 1;
    }
    out.append(value, start, value.size() - start);
}

std::string EscapeHtml(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    AppendEscaped(out, value);
    return out;
}

}  // namespace scx
