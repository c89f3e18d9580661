// scx scan: the agent's inspection run without a window: the user information from options, the
// scan of the chosen disks, the result saved into CheckOut/IPT (or -o PATH), and package folding.

#include <csignal>
#include <iostream>

#include "agent/identify/pc_identity.h"
#include "agent/scan/scan_session.h"
#include "agent/scan/scan_engine.h"
#include "cli/args.h"
#include "cli/command.h"
#include "cli/scan_progress.h"
#include "cli/terminal_prompter.h"
#include "core/folders.h"
#include "core/settings/scx_setting.h"
#include "core/text_util.h"
#include "platform/target/disks.h"

namespace scx::cli {
namespace {

// Ctrl+C cancels the running scan as the agent's cancel key does: nothing is saved.
std::atomic<int>* g_runFlag = nullptr;
extern "C" void CancelScan(int) {
    if (g_runFlag) g_runFlag->store(0);
}

// Chooses the edition given by --edition N (1 = the first candidate) for every package, and says
// on stderr what it chose from.
class EditionOption : public scan::EditionChooser {
public:
    explicit EditionOption(int number) : number_(number) {}
    std::optional<std::vector<int>> Choose(const std::vector<std::string>& candidates) override {
        int index = number_ >= 1 && number_ <= static_cast<int>(candidates.size()) ? number_ - 1 : 0;
        std::cerr << "packaging: ";
        for (size_t i = 0; i < candidates.size(); ++i) {
            auto f = SplitFields(candidates[i], "\t");
            std::cerr << (i ? ", " : "") << (static_cast<int>(i) == index ? "*" : "") << i + 1 << " "
                      << (f.size() > 8 ? f[8] : candidates[i]);
        }
        std::cerr << "\n";
        return std::vector<int>{index};
    }

private:
    int number_;
};

class ScanCommand : public Command {
public:
    std::string_view Name() const override { return "scan"; }
    std::string_view Description() const override {
        return "inspect a PC: scan its disks and write its result file into CheckOut/IPT";
    }
    std::string_view Usage() const override {
        return "[--target T]... --group G [--user U] [--pc-kind 0|1] [--suffix S] [--disks C,D] [--detail] "
               "[--font] [--font-only] [--no-exist] [--hash] [--packaging [--edition N]] [-o PATH] [--quiet] "
               "[--yes|--no]";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv,
                  {"--detail", "--font", "--font-only", "--no-exist", "--hash", "--packaging", "--quiet", "--yes",
                   "--no"},
                  {"--target", "--group", "--user", "--pc-kind", "--suffix", "--disks", "--edition", "-o"});
        if (!args.ok()) return UsageError(*this, args.error());
        if (!args.Positionals().empty()) return UsageError(*this, "unexpected argument " + args.Positionals()[0]);
        std::string modeError;
        TerminalPrompter prompter(AnswerMode(args, modeError));
        if (!modeError.empty()) return UsageError(*this, modeError);

        InspectionOptions options = ReadInspectionOptions(OptionsReader::Agent);
        if (args.Has("--detail")) options.isDetail = true;
        if (args.Has("--font")) options.isFont = true;
        if (args.Has("--font-only")) options.isFontOnly = true;
        if (args.Has("--no-exist")) options.isExist = false;
        if (args.Has("--hash")) options.hashCompare = true;
        if (args.Has("--packaging")) options.packaging = true;
        long long edition = ParseDigits(args.Value("--edition").value_or("1"));
        if (edition < 1) return UsageError(*this, "--edition takes a number from 1");

        std::string error;
        auto target = target::OpenTarget(args.Values("--target"), &error);
        if (!target) return Failure(*this, error);

        scan::UserInfo info;
        info.pcName = GetPcName(*target);
        info.ipAddress = GetPcAddress(*target, info.pcName);
        bool removed = false, anyRemoved = false;
        info.groupName = scan::FilterName(args.Value("--group").value_or(""), &removed);
        anyRemoved |= removed;
        info.userName = scan::FilterName(args.Value("--user").value_or(GetLogonUserName(*target)), &removed);
        anyRemoved |= removed;
        if (anyRemoved) prompter.ShowMessage(scan::kNameFilterMessage);
        std::string kind = args.Value("--pc-kind").value_or("0");
        info.pcKind = kind == "0" ? 0 : kind == "1" ? 1 : -1;
        info.suffix = args.Value("--suffix").value_or(NowStamp(false));
        if (!ChooseDisks(*target, args.Value("--disks"), info.disks, error)) return UsageError(*this, error);

        std::string resultPath = args.Value("-o").value_or("");
        if (scan::CheckUserInfo(info, prompter, resultPath) != scan::UserInfoCheck::Accepted)
            return kExitFailure;
        if (resultPath.empty()) {
            EnsureCheckOutFolders(true);
            resultPath = scan::ResultFilePath(info.groupName, info.userName, info.suffix);
        }

        CFileIPT result;
        scan::PrepareResult(result, info, GetAdapterAddress(*target));
        ScanProgress progress(args.Has("--quiet"));
        scan::ScanSettings settings;
        settings.observer = &progress;
        settings.result = &result;
        settings.resultPath = resultPath;
        settings.target = target.get();
        settings.driveLetters = scan::DriveLettersOf(info.disks);
        settings.isDetail = options.isDetail;
        settings.isFont = options.isFont;
        settings.isFontOnly = options.isFontOnly;
        settings.isExist = options.isExist;
        settings.hashCompare = options.hashCompare;

        scan::ScanEngine engine;
        if (!engine.StartScan(settings, &prompter)) return Failure(*this, "nothing to scan");
        g_runFlag = &engine.RunFlag();
        auto previous = std::signal(SIGINT, CancelScan);
        {
            scan::ScanThread thread(engine);
            thread.Join();
        }
        std::signal(SIGINT, previous);
        g_runFlag = nullptr;

        if (!progress.Error().empty()) return Failure(*this, progress.Error());
        if (progress.Cancelled()) return Failure(*this, "점검 취소: nothing was saved");
        if (!progress.Saved()) return Failure(*this, "IPT파일 저장 실패: " + resultPath);
        EditionOption chooser(static_cast<int>(edition));
        int packages = scan::CompleteInspection(result, resultPath, options.packaging, chooser);
        std::cout << "saved " << resultPath << " (" << result.SwList().GetRowCount() << " rows";
        if (packages > 0) std::cout << ", " << packages << " packages folded";
        std::cout << ")" << std::endl;
        return std::cout ? kExitOk : Failure(*this, "cannot write to standard output");
    }

private:
    // The disks of --disks C,D (drive letters of the target), or the first fixed disk.
    static bool ChooseDisks(const target::Target& target, const std::optional<std::string>& option,
                            std::vector<std::string>& disks, std::string& error) {
        auto fixed = target::FixedDisks(target);
        if (!option) {
            if (fixed.empty()) {
                error = "the target has no fixed disk";
                return false;
            }
            disks.push_back(target::DiskItemText(fixed.front()));
            return true;
        }
        for (const auto& part : SplitFields(*option, ",")) {
            std::string letter = part.substr(0, part.find(':'));
            if (letter.size() != 1 || !target.FindDrive(static_cast<char>(std::toupper(letter[0])))) {
                error = "no drive " + part + " on the target";
                return false;
            }
            char upper = static_cast<char>(std::toupper(letter[0]));
            std::string text = std::string(1, upper) + ":\\";
            for (const auto& disk : fixed)
                if (disk.letter == upper) text = target::DiskItemText(disk);
            disks.push_back(text);
        }
        return true;
    }
};

}  // namespace

std::unique_ptr<Command> MakeScanCommand() { return std::make_unique<ScanCommand>(); }

}  // namespace scx::cli
