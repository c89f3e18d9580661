#include "hub/report/html_text.h"


#include "platform/codepage.h"

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

void PageEncoder::Append(std::string& bytes, std::string_view page) {
    auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    for (size_t pos = 0; pos < page.size();) {
        size_t end = pos;
        while (end < page.size() && isAscii(page[end])) ++end;
        bytes.append(page, pos, end - pos);
        pos = end;
        while (end < page.size() && !isAscii(page[end])) ++end;
        if (end == pos) continue;
        std::string_view run = page.substr(pos, end - pos);
        auto found = converted_.find(run);
        if (found == converted_.end()) found = converted_.emplace(run, platform::Cp949FromUtf8(run)).first;
        bytes += found->second;
        pos = end;
    }
}

std::string PageBytes(std::string_view page) {
    std::string bytes;
    bytes.reserve(page.size());
    PageEncoder().Append(bytes, page);
    return bytes;
}

}  // namespace scx
