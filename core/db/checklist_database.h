#pragma once
// The checklist database: five files in the data folder, each loaded on first use into one
// process-wide object.
//
// Threads: the scan, the aggregation, the database update and the windows all call these. The
// accessors and the releases are serialised by one lock, so a file is loaded once however many
// threads ask at the same moment. A loaded object is never changed afterwards (its id indexes are
// filled under their own lock), so any number of threads may look things up in it at once. A
// caller keeps the object alive by holding the returned pointer: a release only drops the
// database's own reference, and the object (with the file it holds) goes when its last user lets
// go. The update therefore releases first and must find no one still holding the old files.

#include <memory>
#include <string_view>

#include "core/db/file_checklist.h"
#include "core/db/file_filter.h"
#include "core/db/file_package.h"
#include "core/db/file_user_checklist.h"

namespace scx {

enum class CheckListFile { Window, Font, User, Package, Filter };
inline constexpr CheckListFile kAllCheckListFiles[] = {CheckListFile::Window, CheckListFile::Font,
                                                       CheckListFile::User, CheckListFile::Package,
                                                       CheckListFile::Filter};

// The fixed file name in the data folder: "windowchecklist.dat", "fontchecklist.dat",
// "userchecklist.dat", "package.dat", "filter.dat".
std::string_view CheckListFileName(CheckListFile file);

// The loaded file, or none when it is missing or does not load (then the next call tries again).
std::shared_ptr<const CFileCheckList> GetWindowCheckList();
std::shared_ptr<const CFileCheckList> GetFontCheckList();
std::shared_ptr<const CFileUserCheckList> GetUserCheckList();
std::shared_ptr<const CFilePackage> GetPackageList();
std::shared_ptr<const CFileFilter> GetFilterList();

// Drops one file (the agent drops the user checklist after each inspection; the workstation drops
// the window checklist, package and filter lists at exit); the next accessor call loads it again.
void ReleaseCheckListFile(CheckListFile file);
// Drops all five, before the update replaces them.
void ReleaseCheckListDatabase();

}  // namespace scx
