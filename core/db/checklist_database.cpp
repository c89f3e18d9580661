#include "core/db/checklist_database.h"

#include <mutex>

#include "core/folders.h"
#include "platform/folders.h"

namespace scx {
namespace {

std::mutex& DatabaseLock() {
    static std::mutex lock;
    return lock;
}

// The five singletons, typed as their files' base; each accessor knows its class.
std::shared_ptr<CFileFramework>& Slot(CheckListFile file) {
    static std::shared_ptr<CFileFramework> slots[std::size(kAllCheckListFiles)];
    return slots[static_cast<size_t>(file)];
}

template <typename File>
std::shared_ptr<const File> Get(CheckListFile which) {
    std::lock_guard<std::mutex> lock(DatabaseLock());
    auto& slot = Slot(which);
    if (!slot) {
        std::string path = GetProgramFolder() + std::string(CheckListFileName(which));
        if (!platform::FileExists(path)) return nullptr;
        auto file = std::make_shared<File>();
        if (!file->Load(path, true)) return nullptr;
        slot = std::move(file);
    }
    return std::static_pointer_cast<const File>(slot);
}

}  // namespace

std::string_view CheckListFileName(CheckListFile file) {
    switch (file) {
        case CheckListFile::Window:
            return "windowchecklist.dat";
        case CheckListFile::Font:
            return "fontchecklist.dat";
        case CheckListFile::User:
            return "userchecklist.dat";
        case CheckListFile::Package:
            return "package.dat";
        case CheckListFile::Filter:
            return "filter.dat";
    }
    return {};
}

std::shared_ptr<const CFileCheckList> GetWindowCheckList() {
    return Get<CFileCheckList>(CheckListFile::Window);
}
std::shared_ptr<const CFileCheckList> GetFontCheckList() {
    return Get<CFileCheckList>(CheckListFile::Font);
}
std::shared_ptr<const CFileUserCheckList> GetUserCheckList() {
    return Get<CFileUserCheckList>(CheckListFile::User);
}
std::shared_ptr<const CFilePackage> GetPackageList() {
    return Get<CFilePackage>(CheckListFile::Package);
}
std::shared_ptr<const CFileFilter> GetFilterList() {
    return Get<CFileFilter>(CheckListFile::Filter);
}

void ReleaseCheckListFile(CheckListFile file) {
    std::shared_ptr<CFileFramework> old;
    {
        std::lock_guard<std::mutex> lock(DatabaseLock());
        old.swap(Slot(file));
    }
    // The object goes here, outside the lock, unless a caller still holds it.
}

void ReleaseCheckListDatabase() {
    for (CheckListFile file : kAllCheckListFiles) ReleaseCheckListFile(file);
}

}  // namespace scx
