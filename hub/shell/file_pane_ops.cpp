#include "hub/shell/file_pane_ops.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include "core/folders.h"
#include "core/prompter.h"
#include "core/text_util.h"
#include "platform/file.h"

namespace scx {
namespace {

std::string_view ExtensionOf(std::string_view name) {
    size_t slash = name.find_last_of("/\\");
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
    return name.substr(dot + 1);
}

const char* FolderOf(FilePaneKind kind) { return kind == FilePaneKind::Ipt ? "IPT" : "RST"; }
const char* TmpFolderOf(FilePaneKind kind) { return kind == FilePaneKind::Ipt ? "TMP_IPT" : "TMP_RST"; }

}  // namespace

std::vector<std::string> ListPaneFiles(FilePaneKind kind) {
    std::vector<std::string> names;
    const std::string folder = GetCheckOutFolder(FolderOf(kind));
    const std::string_view wanted = kind == FilePaneKind::Ipt ? "ipt" : "rst";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (!IsSameText(ExtensionOf(name), wanted, true)) continue;
        struct stat st {};
        if (::stat((folder + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        names.push_back(std::move(name));
    }
    ::closedir(dir);
    return names;
}

std::string PathForOpening(std::string_view name) {
    std::string ext = LowerCase(ExtensionOf(name));
    if (ext == "ipt") return GetCheckOutFolder("IPT") + std::string(name);
    if (ext == "tls") return GetCheckOutFolder("TLS") + std::string(name);
    if (ext == "rst") return GetCheckOutFolder("RST") + std::string(name);
    return std::string(name);
}

int MovePaneFilesToTmp(FilePaneKind kind, const std::vector<std::string>& names, Prompter& prompter) {
    const std::string from = GetCheckOutFolder(FolderOf(kind));
    const std::string to = GetCheckOutFolder(TmpFolderOf(kind));
    EnsureFolder(to);
    int moved = 0;
    for (const std::string& name : names) {
        const std::string source = from + name;
        // A file a document or another program of this system holds is in use, as a move on
        // Windows would find it; and a file already waiting in the TMP folder is never replaced.
        if (!platform::IsFileHeld(source) && ::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, (to + name).c_str(), RENAME_NOREPLACE) == 0) {
            ++moved;
            continue;
        }
        prompter.ShowMessage("삭제할 수 없습니다. 해당 파일을 사용중입니다.\n" + source);
    }
    return moved;
}

}  // namespace scx
