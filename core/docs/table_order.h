#pragma once
// Reordering and filtering whole rows of a section, and the counts kept in total lists and results.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_framework.h"

namespace scx {

// Orders the "#SWLIST" section of a total list, inspection result or result by the primary column
// and, among equal values, by the secondary one (none when empty); both compared without regard to
// letter case. Rows that compare equal keep their order; whole rows move, IDs with them.
void SortSoftwareRows(CFileFramework& file, std::string_view primary, bool ascending,
                      std::string_view secondary);

// Puts the rows in the order given (each old row number once).
void ReorderRows(CTableMulti& table, const std::vector<int>& order);

// Removes every row for which `remove` is true, keeping the order of the rest; the number removed.
int RemoveRowsIf(CTableMulti& table, const std::function<bool(const Row&)>& remove);

// Counts are digit texts; one that is not all digits reads as -1. Sums saturate instead of
// overflowing.
long long AddCounts(long long a, long long b);
std::string CountText(long long value);

}  // namespace scx
