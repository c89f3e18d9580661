#include "core/dbupdate/checklist_database_files.h"

namespace scx {
namespace {

template <typename File>
bool Loads(const std::string& path) {
    File file;
    return file.Load(path, true) != 0;
}

}  // namespace

void CheckListDatabaseFiles::ReleaseAll() { ReleaseCheckListDatabase(); }

bool CheckListDatabaseFiles::IsValidFile(CheckListFile file, const std::string& path) {
    switch (file) {
        case CheckListFile::Window:
        case CheckListFile::Font: return Loads<CFileCheckList>(path);
        case CheckListFile::User: return Loads<CFileUserCheckList>(path);
        case CheckListFile::Package: return Loads<CFilePackage>(path);
        case CheckListFile::Filter: return Loads<CFileFilter>(path);
    }
    return false;
}

void CheckListDatabaseFiles::Reload(CheckListFile file) {
    switch (file) {
        case CheckListFile::Window: GetWindowCheckList(); break;
        case CheckListFile::Font: GetFontCheckList(); break;
        case CheckListFile::User: GetUserCheckList(); break;
        case CheckListFile::Package: GetPackageList(); break;
        case CheckListFile::Filter: GetFilterList(); break;
    }
}

}  // namespace scx
