#pragma once
// The package list prepared for folding: for every package that has editions, its required parts
// and edition rows, and for every part DB_ID the packages that need it. A merge then looks only at
// the packages one of the PC's programs belongs to, in package-list order.

#include <string>
#include <unordered_map>
#include <vector>

#include "core/db/file_package.h"

namespace scx {

class PackageSuits {
public:
    explicit PackageSuits(const CFilePackage& list);

    struct Package {
        int row;                         // row of #PACKAGE
        std::vector<std::string> parts;  // SUIT split at ";"
        std::vector<int> editions;       // rows of #SUB, in the order GetSubRows gives them
    };

    const CFilePackage& List() const { return list_; }
    const std::vector<Package>& Packages() const { return packages_; }
    // Positions in Packages() of the packages that need a part of this DB_ID, ascending.
    const std::vector<int>* PackagesNeeding(const std::string& dbId) const;

private:
    const CFilePackage& list_;
    std::vector<Package> packages_;
    std::unordered_map<std::string, std::vector<int>> byPart_;
};

}  // namespace scx
