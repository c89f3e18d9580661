#pragma once
// Lays out a small Windows target in a temporary folder for tests and the demo: drive C's
// folders and files (executables come as bytes, for example from the PE writer), fonts, and a
// registry, written either as a Wine prefix (system.reg, user.reg, dosdevices) or as an offline
// Windows volume (hive files under Windows\System32\config and Users\<user>\NTUSER.DAT).
//
// Registry paths under HKEY_LOCAL_MACHINE start with SOFTWARE\ or SYSTEM\ (use
// SYSTEM\CurrentControlSet\...; the volume layout stores it as ControlSet001).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/registry/reg_tree.h"

namespace scx::test {

class TargetBuilder {
public:
    // Builds in a fresh temporary folder, removed with the builder. Drive C starts with the
    // folders Windows, Windows\Fonts, Windows\System32 and Program Files.
    TargetBuilder();
    ~TargetBuilder();
    TargetBuilder(const TargetBuilder&) = delete;
    TargetBuilder& operator=(const TargetBuilder&) = delete;

    // Host folder of drive C (also the volume's mount point).
    std::string DriveC() const { return root_ + "/drive_c"; }
    const std::string& Root() const { return root_; }

    // Files of drive C by Windows path ("C:\Program Files\Acme\acme.exe"); folders on the way are
    // made. Returns the host path.
    std::string AddFolder(std::string_view windowsPath);
    std::string AddFile(std::string_view windowsPath, std::string_view bytes);
    std::string AddFont(std::string_view fileName, std::string_view bytes = "font");

    // Registry content. `root` is HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER.
    reg::RegTreeKey& Key(reg::RegRoot root, std::string_view path);
    void SetString(reg::RegRoot root, std::string_view path, std::string_view name, std::string_view value,
                   std::uint32_t type = reg::kRegSz);
    void SetDword(reg::RegRoot root, std::string_view path, std::string_view name, std::uint32_t value);

    // The facts of a 64-bit Windows 10 Pro named `computerName` (version, edition, product type,
    // processor, ProductId, computer name).
    void SetWindows10Pro(std::string_view computerName = "ACME-PC");

    // Writes the registry as a Wine prefix; returns the prefix folder.
    std::string WriteWinePrefix();
    // Writes the registry as hives of an offline volume whose user is `userName`; returns the
    // mount point (drive C), or the empty text when libhivex refuses to write a hive.
    std::string WriteVolume(std::string_view userName = "kim");

private:
    std::string root_;
    std::unique_ptr<reg::RegTreeKey> machine_;
    std::unique_ptr<reg::RegTreeKey> user_;
};

}  // namespace scx::test
