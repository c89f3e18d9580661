#pragma once
// The editable source of a checklist database file: UTF-8 text, one block per section. A block is
// a line holding the section name ("#CHECKLIST"), a line naming the section's columns separated by
// TAB (exactly the file's column list), then one TAB-separated line per row. Blank lines and lines
// starting with "# " are comments. An empty value is stored as "-".

#include <string>
#include <string_view>

#include "core/file_framework.h"

namespace scx {

// Fills the tables of `file` (freshly constructed) from the source text. False, with the reason
// and its line number in `error`, when a block names an unknown section, its column line differs
// from the section's columns, a row has the wrong number of values, a single-row section has more
// than one row, or a section of the file is missing.
bool ReadDatabaseSource(std::string_view text, CFileFramework& file, std::string& error);

}  // namespace scx
