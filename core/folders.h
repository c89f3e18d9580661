#pragma once
// The program folder (the data folder the system keeps its files in) and the CheckOut folders.

#include <string>
#include <string_view>

namespace scx {

// The data folder with a trailing "/": database files, ScxSetting.ini and CheckOut/ live in it.
std::string GetProgramFolder();

// Program folder + "CheckOut/" + sub, with a trailing "/" ("IPT", "TLS", "RST", "TMP_IPT", …; the
// empty sub gives the CheckOut folder itself).
std::string GetCheckOutFolder(std::string_view sub = {});

// Creates CheckOut and its six document folders, and LOGS when `withLogs` (the agent's). False
// when a folder could not be made.
bool EnsureCheckOutFolders(bool withLogs);

// The file name with its extension, without the folders ("/" or "\\" separate them).
std::string GetFileNameOf(std::string_view path);

// Nonzero when the folder exists or was created, making missing parents as needed.
int EnsureFolder(const std::string& path);

// Makes every missing level of the path from the left; nonzero when the last level was created.
int CreateFolderPath(const std::string& path);

}  // namespace scx
