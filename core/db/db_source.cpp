#include "core/db/db_source.h"

#include <set>

#include "core/text_util.h"

namespace scx {
namespace {

std::string JoinColumns(const std::vector<std::string>& columns) {
    std::string text;
    for (const auto& c : columns) text += (text.empty() ? "" : "\t") + c;
    return text;
}

bool IsComment(std::string_view line) {
    return line.empty() || line == "#" || line.rfind("# ", 0) == 0;
}

}  // namespace

bool ReadDatabaseSource(std::string_view text, CFileFramework& file, std::string& error) {
    CTable* table = nullptr;
    bool expectColumns = false;
    std::set<std::string> seen;
    int lineNo = 0;
    auto fail = [&](const std::string& why) {
        error = Format("line %d: %s", lineNo, why.c_str());
        return false;
    };
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (IsComment(line)) continue;
        if (line.front() == '#' && line.find('\t') == std::string_view::npos) {
            table = file.GetTable(line);
            if (!table) return fail("unknown section " + std::string(line));
            if (!seen.insert(std::string(line)).second)
                return fail("section " + std::string(line) + " given twice");
            expectColumns = true;
            continue;
        }
        if (!table) return fail("a row before the first section line");
        if (expectColumns) {
            std::string want = JoinColumns(table->Columns());
            if (line != want) return fail(table->Name() + " columns must be: " + want);
            expectColumns = false;
            continue;
        }
        size_t fields = SplitFields(line, "\t").size();
        if (fields != table->Columns().size())
            return fail(Format("%zu values, %s has %zu columns", fields, table->Name().c_str(),
                               table->Columns().size()));
        if (dynamic_cast<CTableSingle*>(table) && table->GetRowCount() > 0)
            return fail(table->Name() + " holds one row only");
        table->AddRowText(line, "\t");
    }
    for (const auto& t : file.Tables())
        if (!seen.count(t->Name())) {
            error = "section " + t->Name() + " is missing";
            return false;
        }
    return true;
}

}  // namespace scx
