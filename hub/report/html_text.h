#pragma once
// Values from inspected PCs (version strings of any file) go into HTML pages and spreadsheet
// cells; escaping "&", "<" and ">" keeps markup and script in them from reaching the browser.

#include <string>
#include <string_view>

namespace scx {

// Appends `value` with "&", "<" and ">" written as "&amp;", "&lt;" and "&gt;".
void AppendEscaped(std::string& out, std::string_view value);
std::string EscapeHtml(std::string_view value);

}  // namespace scx
