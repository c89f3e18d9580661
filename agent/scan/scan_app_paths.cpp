// The application-path stage: programs registered under App Paths that the filter does not
// exclude, read in the 32-bit view as a 32-bit agent sees them.

#include "agent/scan/scan_internal.h"
#include "agent/scan/serial_number.h"
#include "core/text_util.h"
#include "core/version/file_version.h"
#include "platform/target/file_facts.h"
#include "platform/target/walk_guard.h"

namespace scx::scan {
namespace {

constexpr std::string_view kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
// The default value is read into 260 bytes: at most 129 characters.
constexpr size_t kAppPathMaxChars = 129;

size_t Utf16Units(std::string_view text) {
    size_t n = 0;
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if ((b & 0xC0) != 0x80) n += b >= 0xF0 ? 2 : 1;
    }
    return n;
}

}  // namespace

std::unique_ptr<reg::RegKey> ScanEngine::AppPathsKey() const {
    const auto* registry = settings_.target->Registry();
    if (!registry) return nullptr;
    return registry->OpenKey(reg::RegRoot::LocalMachine, kAppPathsKey, reg::RegView::Wow32);
}

void ScanEngine::RunAppPathStage() {
    auto appPaths = AppPathsKey();
    if (!appPaths) return;
    const auto& target = *settings_.target;
    for (const std::string& name : appPaths->SubKeyNames()) {
        if (!Running()) return;
        Report(WM_SCAN_STEP, 1);
        auto key = appPaths->OpenChild(name);
        if (!key) continue;
        auto value = key->Value("");
        if (!value) continue;
        auto text = reg::ValueText(*value);
        if (!text || Utf16Units(*text) > kAppPathMaxChars) continue;

        std::string path = ExpandAppPath(target.Registry(), *text);
        if (path.rfind(windowsFolder_, 0) == 0 || path.rfind(profileFolder_, 0) == 0) continue;
        auto host = target.HostPath(path);
        // The registry may name a file through a link that leads off its drive (a Wine profile
        // folder into $HOME): such a file is no part of the target and is not read.
        if (!host) continue;
        auto bounds = target::DriveBounds::Of(*target.FindDrive(path[0]));
        if (!bounds || !bounds->Contains(*host)) continue;
        auto facts = target::HostFileFacts(*host);
        if (!facts || (facts->attributes & (target::kAttrSystem | target::kAttrTemporary))) continue;

        CFileVersion version;
        if (!version.Open(*host)) continue;
        std::string company = version.GetString("CompanyName"), product = version.GetString("ProductName"),
                    major = MajorVersion(version.GetString("ProductVersion")),
                    original = version.GetString("OriginalFilename");
        if (company == kMissing && product == kMissing && major == kMissing && original == kMissing) continue;
        std::string versionKey = company + "\t" + product + "\t" + major + "\t" + original;
        if (db_->filter && db_->filter->FindByKey(versionKey) >= 0) continue;
        if (settings_.isExist && IsDuplicateKey(versionKey)) continue;

        size_t slash = path.rfind('\\');
        std::string folder = path.substr(0, slash + 1);
        FoundFile file{folder, path.substr(slash + 1), target::LocalDateText(facts->accessed), {},
                       target::LastAccessDateText(target, folder)};
        AddRow(AppPathRowText(versionKey, file), {});
    }
}

}  // namespace scx::scan
