#pragma once
// How the programs open the checklist database files: from the data folder, denying others write
// access while they read. The two checklists that go on holding their file (and could write it
// back) keep it open; the package and filter lists close it after loading and never write.

#include "core/file_framework.h"

namespace scx {

inline FileClassParams DatabaseFileParams(platform::Access access, bool held) {
    FileClassParams p;
    p.folder = DefaultFolder::Program;
    p.loadAccess = access;
    p.loadShare = platform::Share::DenyWrite;
    p.keepOpen = held;
    p.writable = held;
    return p;
}

}  // namespace scx
