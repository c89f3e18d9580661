#include "tests/support/target_builder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/text_util.h"
#include "platform/registry/wine_reg_file.h"
#include "tests/support/hive_writer.h"
#include "tests/support/temp_home.h"

namespace scx::test {
namespace fs = std::filesystem;

namespace {

// Copies a key's content and sub-keys below `into`, renaming the child `from` to `to`.
void CopyTree(const reg::RegTreeKey& from, reg::RegTreeKey& into, std::string_view rename = {},
              std::string_view as = {}) {
    for (const auto& value : from.Values()) into.SetValue(value);
    for (const auto& sub : from.SubKeys()) {
        std::string name = !rename.empty() && IsSameText(sub->Name(), rename, true) ? std::string(as) : sub->Name();
        CopyTree(*sub, *into.AddChild(name));
    }
}

}  // namespace

TargetBuilder::TargetBuilder()
    : machine_(std::make_unique<reg::RegTreeKey>("")), user_(std::make_unique<reg::RegTreeKey>("")) {
    std::string pattern = (fs::temp_directory_path() / "scx-target-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    root_ = pattern;
    for (auto folder : {"C:\\Windows\\Fonts", "C:\\Windows\\System32", "C:\\Program Files"}) AddFolder(folder);
}

TargetBuilder::~TargetBuilder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::string TargetBuilder::AddFolder(std::string_view windowsPath) {
    std::string path = DriveC();
    std::string rest(windowsPath.substr(windowsPath.size() >= 2 && windowsPath[1] == ':' ? 2 : 0));
    for (auto part : reg::SplitKeyPath(rest)) (path += '/') += part;
    fs::create_directories(path);
    return path;
}

std::string TargetBuilder::AddFile(std::string_view windowsPath, std::string_view bytes) {
    size_t slash = windowsPath.rfind('\\');
    std::string folder = AddFolder(windowsPath.substr(0, slash));
    std::string path = folder + "/" + std::string(windowsPath.substr(slash + 1));
    WriteBytes(path, bytes);
    return path;
}

std::string TargetBuilder::AddFont(std::string_view fileName, std::string_view bytes) {
    return AddFile("C:\\Windows\\Fonts\\" + std::string(fileName), bytes);
}

reg::RegTreeKey& TargetBuilder::Key(reg::RegRoot root, std::string_view path) {
    reg::RegTreeKey* key = root == reg::RegRoot::LocalMachine ? machine_.get() : user_.get();
    for (auto part : reg::SplitKeyPath(path)) key = key->AddChild(part);
    return *key;
}

void TargetBuilder::SetString(reg::RegRoot root, std::string_view path, std::string_view name,
                              std::string_view value, std::uint32_t type) {
    Key(root, path).SetValue(reg::RegValue{std::string(name), type, reg::StringData(value)});
}

void TargetBuilder::SetDword(reg::RegRoot root, std::string_view path, std::string_view name, std::uint32_t value) {
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    Key(root, path).SetValue(reg::RegValue{std::string(name), reg::kRegDword, data});
}

void TargetBuilder::SetWindows10Pro(std::string_view computerName) {
    using reg::RegRoot;
    const char* nt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    SetString(RegRoot::LocalMachine, nt, "CurrentVersion", "6.3");
    SetDword(RegRoot::LocalMachine, nt, "CurrentMajorVersionNumber", 10);
    SetDword(RegRoot::LocalMachine, nt, "CurrentMinorVersionNumber", 0);
    SetString(RegRoot::LocalMachine, nt, "EditionID", "Professional");
    SetString(RegRoot::LocalMachine, nt, "ProductName", "Windows 10 Pro");
    SetString(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProductId",
              "00330-80000-00000-AA123");
    SetString(RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", "ProductType", "WinNT");
    SetString(RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
              "PROCESSOR_ARCHITECTURE", "AMD64");
    SetString(RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
              "ComputerName", computerName);
}

std::string TargetBuilder::WriteWinePrefix() {
    fs::create_directories(root_ + "/dosdevices");
    std::error_code ignored;
    fs::create_directory_symlink("../drive_c", root_ + "/dosdevices/c:", ignored);
    WriteBytes(root_ + "/system.reg", reg::WriteWineRegistry(*machine_, "REGISTRY\\\\Machine"));
    WriteBytes(root_ + "/user.reg", reg::WriteWineRegistry(*user_, "REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000"));
    return root_;
}

std::string TargetBuilder::WriteVolume(std::string_view userName) {
    std::string config = AddFolder("C:\\Windows\\System32\\config");
    reg::RegTreeKey software(""), system(""), user("");
    if (auto* key = machine_->FindChild("SOFTWARE")) CopyTree(*key, software);
    if (auto* key = machine_->FindChild("SYSTEM")) CopyTree(*key, system, "CurrentControlSet", "ControlSet001");
    system.AddChild("Select")->SetValue(reg::RegValue{"Current", reg::kRegDword, std::string("\1\0\0\0", 4)});
    CopyTree(*user_, user);
    std::string profile = AddFolder("C:\\Users\\" + std::string(userName));
    if (!WriteHive(config + "/SOFTWARE", software) || !WriteHive(config + "/SYSTEM", system) ||
        !WriteHive(profile + "/NTUSER.DAT", user))
        return {};
    return DriveC();
}

}  // namespace scx::test
