#pragma once
// The checklist dialog's search over the checklist database, and the #SWLIST rows that dropped
// search results become.

#include <string>
#include <string_view>
#include <vector>

namespace scx {

class CFileIPT;
class Prompter;

// The dialog's product types, numbered as the drag payload carries them.
enum class ProductType { Single = 0, Package = 1, Windows = 2 };

struct ChecklistHit {
    std::string number;   // the source row's index, zero-padded
    std::string company;
    std::string program;
    std::string exeFile;
    std::string price;    // unformatted
};

// Both terms trimmed and lowered; an empty term matches everything. When the needed database
// file does not load, shows its message and returns false with no hits.
bool SearchChecklist(ProductType type, std::string_view company, std::string_view program,
                     Prompter& prompter, std::vector<ChecklistHit>& hits);

// Adds one #SWLIST row per source row index: a checklist row (GUBUN 1) for 단품 and Windows, a
// package edition (GUBUN 0) for 패키지. Indices outside the database or editions of unknown
// packages add nothing. The indices of the added rows are appended to `added`.
void AddChecklistRows(CFileIPT& file, ProductType type, const std::vector<int>& sourceRows,
                      std::vector<int>& added);

}  // namespace scx
