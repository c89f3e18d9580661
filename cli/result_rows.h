#pragma once
// Row lists given to the result verbs: "3,7,12" (rows from 0).

#include <optional>
#include <string>
#include <vector>

namespace scx::cli {

// The numbers of a comma-separated list, each below `limit`; none (and `error` set) otherwise.
std::optional<std::vector<int>> ParseRowList(const std::string& list, int limit, std::string& error);

}  // namespace scx::cli
