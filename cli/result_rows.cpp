#include "cli/result_rows.h"

#include "core/text_util.h"

namespace scx::cli {

std::optional<std::vector<int>> ParseRowList(const std::string& list, int limit, std::string& error) {
    std::vector<int> rows;
    for (const auto& field : SplitFields(list, ",")) {
        long long row = ParseDigits(field);
        if (row < 0 || row >= limit) {
            error = field + " is not a row from 0 to " + std::to_string(limit - 1);
            return std::nullopt;
        }
        rows.push_back(static_cast<int>(row));
    }
    if (rows.empty()) {
        error = "no rows given";
        return std::nullopt;
    }
    return rows;
}

}  // namespace scx::cli
