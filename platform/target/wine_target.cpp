// A Wine prefix: drive letters from PREFIX/dosdevices ("c:" -> ../drive_c), the registry from
// system.reg (HKEY_LOCAL_MACHINE) and user.reg (HKEY_CURRENT_USER), drive types from
// HKLM\Software\Wine\Drives. A program under Wine reports the host's user and network.

#include <dirent.h>

#include <algorithm>

#include "core/text_util.h"
#include "platform/file.h"
#include "platform/folders.h"
#include "platform/registry/wine_reg_file.h"
#include "platform/target/backends.h"
#include "platform/target/host_facts.h"

namespace scx::target {
namespace {

std::unique_ptr<reg::RegTreeKey> LoadRegFile(const std::string& path, bool required, std::string* error) {
    if (!platform::FileExists(path)) {
        if (required && error) *error = path + ": missing";
        return required ? nullptr : std::make_unique<reg::RegTreeKey>("");
    }
    std::string why;
    auto bytes = platform::ReadFileBytes(path, &why);
    if (!bytes) {
        if (error) *error = path + ": " + why;
        return nullptr;
    }
    auto parsed = reg::ParseWineRegistry(*bytes);
    if (!parsed.root && error) *error = path + ": " + parsed.error;
    return std::move(parsed.root);
}

class WineTarget : public Target {
public:
    WineTarget(std::string prefix, std::vector<Drive> drives, std::unique_ptr<reg::Registry> registry)
        : prefix_(std::move(prefix)), drives_(std::move(drives)), registry_(std::move(registry)) {}

    TargetKind Kind() const override { return TargetKind::Wine; }
    std::string Name() const override { return "wine:" + prefix_; }
    const std::vector<Drive>& Drives() const override { return drives_; }
    const reg::Registry* Registry() const override { return registry_.get(); }
    std::string ComputerName() const override {
        auto name = registry_->ReadText(reg::RegRoot::LocalMachine,
                                        "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                                        "ComputerName");
        return name ? *name : HostComputerName();
    }
    std::string LogonUserName() const override { return HostLogonUserName(); }
    bool SharesHostNetwork() const override { return true; }

private:
    std::string prefix_;
    std::vector<Drive> drives_;
    std::unique_ptr<reg::Registry> registry_;
};

std::vector<Drive> ReadDosDevices(const std::string& prefix, const reg::Registry& registry) {
    std::vector<Drive> drives;
    std::string folder = prefix + "/dosdevices";
    DIR* dir = opendir(folder.c_str());
    if (!dir) return drives;
    while (dirent* entry = readdir(dir)) {
        std::string_view name = entry->d_name;
        // "c:" is a drive; "c::" is the raw device under it.
        if (name.size() != 2 || name[1] != ':') continue;
        char letter = name[0];
        if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 32);
        if (letter < 'A' || letter > 'Z') continue;
        std::string root = folder + "/" + std::string(name);
        if (!platform::FolderExists(root)) continue;
        auto type = registry.ReadText(reg::RegRoot::LocalMachine, "Software\\Wine\\Drives",
                                      std::string(1, static_cast<char>(letter + 32)) + ":");
        bool fixed = !type || IsSameText(*type, "hd", true);
        drives.push_back(Drive{letter, root, fixed});
    }
    closedir(dir);
    std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    return drives;
}

}  // namespace

std::unique_ptr<Target> OpenWineTarget(const std::string& givenPrefix, std::string* error) {
    std::string prefix = givenPrefix;
    while (prefix.size() > 1 && prefix.back() == '/') prefix.pop_back();
    if (!platform::FolderExists(prefix)) {
        if (error) *error = prefix + ": no such Wine prefix";
        return nullptr;
    }
    auto machine = LoadRegFile(prefix + "/system.reg", true, error);
    if (!machine) return nullptr;
    auto user = LoadRegFile(prefix + "/user.reg", false, error);
    if (!user) return nullptr;
    auto registry = std::make_unique<reg::TreeRegistry>(std::move(machine), std::move(user));
    auto drives = ReadDosDevices(prefix, *registry);
    if (!std::any_of(drives.begin(), drives.end(), [](const Drive& d) { return d.letter == 'C'; })) {
        if (error) *error = prefix + ": no drive C: in dosdevices";
        return nullptr;
    }
    return std::make_unique<WineTarget>(prefix, std::move(drives), std::move(registry));
}

}  // namespace scx::target
