#pragma once
// Package folding: part rows of a result that belong to a package (suite) become package rows
// (GUBUN "0"). Where the package has editions, an EditionChooser says which the PC holds.

#include <string>
#include <vector>

#include "core/db/file_package.h"
#include "core/table.h"

namespace scx::scan {

// Chooses among a package's candidates (each 19 values joined by TAB: the package row of each
// edition, and possibly the part row as it was found). The agent's selection dialog implements it.
class EditionChooser {
public:
    virtual ~EditionChooser() = default;
    // The chosen candidates' indexes in ascending order (at least one), or none to leave the
    // package unfolded.
    virtual std::optional<std::vector<int>> Choose(const std::vector<std::string>& candidates) = 0;
};

// Folds the #SWLIST table in place; the number of packages formed. 0 without a package list.
// Saving is the caller's task.
int FoldResultPackages(const CFilePackage* packages, CTable& swList, EditionChooser& chooser);

}  // namespace scx::scan
