#pragma once
// Folders: existence, creation, and the data folder where the system keeps its files.

#include <string>

namespace scx::platform {

bool FolderExists(const std::string& path);
// Creates one folder level; true when it was created.
bool MakeFolder(const std::string& path);
bool FileExists(const std::string& path);

// Folder of the running executable, with a trailing "/".
std::string ExecutableFolder();

// The shared files of an installed program: PREFIX/share/scrutinex/ when the executable lies in
// PREFIX/bin/ and that folder exists, else empty (a program run from its build folder).
std::string InstalledShareFolder();

// The data folder ("program folder") with a trailing "/": $SCX_HOME when set, else the
// executable's folder when it is writable and not an installed program's, else
// $XDG_DATA_HOME/scrutinex/ (made on first use).
std::string DataFolder();

// An XDG base folder: $variable when set, else $HOME/underHome (for example "XDG_CONFIG_HOME",
// ".config").
std::string XdgBaseFolder(const char* variable, const char* underHome);

// Points the data folder at `dir` for this process and the programs it starts (scx --home).
void SetDataFolder(const std::string& dir);

}  // namespace scx::platform
