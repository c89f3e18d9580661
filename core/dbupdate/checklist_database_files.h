#pragma once
// The update's view of the process-wide checklist databases (core/db/checklist_database.h).

#include "core/dbupdate/db_update.h"

namespace scx {

class CheckListDatabaseFiles : public CheckListDatabaseAccess {
public:
    void ReleaseAll() override;
    // Loads the file with its own class (CFileCheckList, CFileUserCheckList, CFilePackage,
    // CFileFilter) into an object of its own, which lets the file go again at once.
    bool IsValidFile(CheckListFile file, const std::string& path) override;
    void Reload(CheckListFile file) override;
};

}  // namespace scx
