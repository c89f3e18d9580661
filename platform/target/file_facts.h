#pragma once
// Files of a target as the scan sees them: folder listings with a name pattern, DOS attributes,
// sizes and dates.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/target/target.h"

namespace scx::target {

enum FileAttribute : std::uint32_t {
    kAttrReadOnly = 0x1,
    kAttrHidden = 0x2,
    kAttrSystem = 0x4,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
    kAttrNormal = 0x80,
    kAttrTemporary = 0x100,
    kAttrReparsePoint = 0x400,  // a symbolic link (Wine links profile folders to the host's)
    kAttrCompressed = 0x800,
};

struct FileFacts {
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::optional<std::int64_t> created;   // seconds since 1970; birth time, else change time
    std::optional<std::int64_t> accessed;  // last access
};

struct FileEntry {
    std::string name;  // as stored
    FileFacts facts;
};

// Windows file-name pattern match: "*" any run, "?" one character, letters without regard to
// case; "*.*" and "*" match every name.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// Facts of a host file or folder. DOS attributes come from the extended attributes that Wine
// (user.DOSATTRIB) and ntfs-3g (system.ntfs_attrib_be) keep; without them, from the file type:
// a folder is a folder, a regular file is archive, anything else (device, pipe, socket, broken
// link) is system, and a name beginning with "." is hidden.
std::optional<FileFacts> HostFileFacts(const std::string& hostPath);

// An entry of a host folder as readdir gives it.
struct HostEntry {
    std::string name;
    unsigned char type;  // DT_DIR, DT_REG, DT_LNK, DT_UNKNOWN ...
};

// The entries of a host folder, "." and ".." left out, in the file system's order; empty when
// the folder cannot be read.
std::vector<HostEntry> ReadHostFolder(const std::string& hostFolder);

// "folder/name" of a host folder and an entry name ("/" as the folder gives "/name").
std::string HostChildPath(const std::string& hostFolder, std::string_view name);

// The entries of a folder (a Windows path, with or without trailing backslash) whose names match
// the pattern, in the order the file system returns them; "." and ".." are not listed. Empty when
// the folder cannot be read.
std::vector<FileEntry> ListFolder(const Target& target, std::string_view windowsFolder,
                                  std::string_view pattern);

std::optional<FileFacts> GetFileFacts(const Target& target, std::string_view windowsPath);

// A time as the local date "%d-%02d-%02d"; empty when there is none or it cannot be converted.
std::string LocalDateText(std::optional<std::int64_t> time);
// Creation and last-access dates of a file or folder of the target; empty when unreadable.
std::string CreationDateText(const Target& target, std::string_view windowsPath);
std::string LastAccessDateText(const Target& target, std::string_view windowsPath);

}  // namespace scx::target
