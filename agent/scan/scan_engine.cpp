// The scan's stages: start, progress units, the Windows row, the walk (scan_walk.cpp), the
// application paths (scan_app_paths.cpp), saving.

#include "agent/scan/scan_engine.h"

#include "agent/identify/pc_identity.h"
#include "agent/scan/scan_internal.h"
#include "agent/scan/scan_rows.h"
#include "core/text_util.h"
#include "platform/target/file_facts.h"

namespace scx::scan {
namespace {

constexpr std::string_view kWindowsNtKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr std::string_view kWindowsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// Nobody to tell: the scan runs without a window.
class SilentPrompter : public Prompter {
public:
    void ShowMessage(std::string_view) override {}
    bool AskYesNo(std::string_view) override { return false; }
    Answer AskYesNoCancel(std::string_view) override { return Answer::Cancel; }
};

// The Windows folder as the PC reports it (SystemRoot), "C:\Windows" when the registry does not
// say; without a trailing backslash.
std::string WindowsFolderOf(const target::Target& target) {
    if (const auto* registry = target.Registry())
        if (auto root = registry->ReadText(reg::RegRoot::LocalMachine, kWindowsNtKey, "SystemRoot", 259 * 3))
            if (root->size() >= 3 && (*root)[1] == ':') {
                while (root->size() > 3 && root->back() == '\\') root->pop_back();
                return *root;
            }
    return "C:\\Windows";
}

bool IsFolderUnit(const target::FileEntry& entry) {
    using namespace target;
    return (entry.facts.attributes & kAttrDirectory) &&
           !(entry.facts.attributes & (kAttrSystem | kAttrCompressed | kAttrTemporary));
}

}  // namespace

bool ScanEngine::StartScan(const ScanSettings& settings, Prompter* prompter) {
    if (!settings.result || !settings.target || settings.driveLetters.empty()) return false;
    settings_ = settings;
    if (settings_.driveLetters.size() > kMaxDriveLetters) settings_.driveLetters.resize(kMaxDriveLetters);
    runFlag_.store(1);
    windowsFolder_ = WindowsFolderOf(*settings.target);
    profileFolder_ = windowsFolder_.substr(0, 3) + "Documents and Settings";
    SilentPrompter silent;
    productName_ = GetWindowsProductName(*settings.target, prompter ? *prompter : silent);
    return true;
}

void ScanEngine::Report(ScanMessage message, long wParam, std::string text) {
    if (settings_.observer) settings_.observer->OnScanReport(ScanReport{message, wParam, std::move(text)});
}

void ScanEngine::AddRow(const std::string& row, const std::string& sha1, bool windowsRow) {
    settings_.result->SwList().AddRowText(row, "\t");
    Report(WM_SCAN_ROW, 0, windowsRow ? row : sha1 + std::string(kRowSeparator) + row);
}

void ScanEngine::RunScan() {
    Report(WM_SCAN_START, 0, settings_.resultPath);
    db_ = std::make_shared<Databases>();
    db_->window = GetWindowCheckList();
    if (!db_->window) {
        Report(WM_SCAN_ERROR, kScanErrorCheckList, std::string(kCheckListErrorText));
        return;
    }
    db_->font = GetFontCheckList();
    db_->user = GetUserCheckList();
    db_->package = GetPackageList();
    db_->filter = GetFilterList();
    walk_ = std::make_unique<target::WalkGuard>(*settings_.target);

    if (Running()) Report(WM_SCAN_TOTAL, CountProgressUnits());
    if (Running() && !settings_.isFontOnly) AddWindowsRow();
    for (char letter : settings_.driveLetters) {
        if (!Running() || letter == '\0') break;
        WalkDrive(letter);
    }
    if (Running() && !settings_.isFontOnly) RunAppPathStage();
    if (Running())
        SaveResult();
    else
        Report(WM_SCAN_CANCELLED);
    db_.reset();
    walk_.reset();
    Report(WM_SCAN_END);
}

int ScanEngine::CountProgressUnits() const {
    int units = 0;
    for (char letter : settings_.driveLetters) {
        if (letter == '\0') break;
        // The units of the folders the walk will step through: links the walk does not follow
        // are no folders of the drive.
        target::WalkGuard guard(*settings_.target);
        const target::Drive* drive = guard.BeginDrive(letter);
        if (!drive) continue;
        std::string root = std::string(1, letter) + ":\\";
        for (const auto& entry : guard.List(drive->hostRoot, "*.*")) {
            std::string path = root + entry.name;
            if (!IsFolderUnit(entry) || ContainsAfterFirst(path, ":\\Windows")) continue;
            ++units;
            for (const auto& inner : guard.List(target::HostChildPath(drive->hostRoot, entry.name), "*.*"))
                if (IsFolderUnit(inner) && LowerCase(ExtensionOf(inner.name)) != ".app") ++units;
        }
    }
    if (!settings_.isFontOnly)
        if (auto key = AppPathsKey()) units += static_cast<int>(key->SubKeyCount());
    return units;
}

void ScanEngine::AddWindowsRow() {
    if (productName_.empty()) return;  // the target has no Windows
    const CTableMulti& list = db_->window->CheckList();
    std::string dbId = "0", price = "0";
    for (int row = 0; row < list.GetRowCount(); ++row)
        if (list.GetCell(row, "PRODUCT") == productName_) {
            dbId = list.GetCell(row, "DB_ID");
            price = list.GetCell(row, "PRICE");
            break;
        }
    // Windows XP kept ProductId beside the other Windows values; later versions keep it only
    // under Windows NT, where it is read when the first place has none.
    std::string productId;
    if (const auto* registry = settings_.target->Registry()) {
        auto id = registry->ReadText(reg::RegRoot::LocalMachine, kWindowsKey, "ProductId", 254 * 3);
        if (!id) id = registry->ReadText(reg::RegRoot::LocalMachine, kWindowsNtKey, "ProductId", 254 * 3);
        if (id) productId = *id;
    }
    const auto& t = *settings_.target;
    AddRow(WindowsRowText(dbId, productName_, price, windowsFolder_, target::LastAccessDateText(t, windowsFolder_),
                          productId, target::CreationDateText(t, windowsFolder_)),
           {}, true);
}

void ScanEngine::SaveResult() {
    Report(WM_SCAN_SAVE, kSaveStarted);
    bool saved = settings_.result->SaveAs(settings_.resultPath, true) != 0;
    Report(WM_SCAN_SAVE, saved ? kSaveDone : kSaveFailed);
}

bool ScanEngine::IsDuplicateMatch(std::string_view origin, const CTable& db, int row) const {
    std::string dbId = db.GetCell(row, "DB_ID"), product = db.GetCell(row, "DISP_PRODUCT"),
                price = db.GetCell(row, "PRICE");
    const CTableMulti& list = settings_.result->SwList();
    for (int i = 0; i < list.GetRowCount(); ++i)
        if (list.GetCell(i, "GUBUN") == origin && list.GetCell(i, "DB_ID") == dbId &&
            list.GetCell(i, "DISP_PRODUCT") == product && list.GetCell(i, "PRICE") == price)
            return true;
    return false;
}

// A font's DB_ID is its row number in the font checklist, which other rows' DB_IDs may equal by
// chance (a Windows row missing from the checklist has "0"): only font rows are compared.
bool ScanEngine::IsDuplicateFont(int row) const {
    std::string dbId = Format("%d", row);
    const CTableMulti& list = settings_.result->SwList();
    for (int i = 0; i < list.GetRowCount(); ++i)
        if (list.GetCell(i, "DB_ID") == dbId && list.GetCell(i, "ETC") == kFontEtc) return true;
    return false;
}

bool ScanEngine::IsDuplicateKey(std::string_view key) const {
    const CTableMulti& list = settings_.result->SwList();
    for (int i = 0; i < list.GetRowCount(); ++i) {
        std::string rowKey = list.GetCell(i, "COMPANY") + "\t" + list.GetCell(i, "PRODUCT") + "\t" +
                             list.GetCell(i, "VERSION") + "\t" + list.GetCell(i, "ORIGINAL_FILE");
        if (IsSameText(rowKey, key, true)) return true;
    }
    return false;
}

}  // namespace scx::scan
