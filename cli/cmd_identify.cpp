// scx identify [--target T]...: the inspected PC's identity and disks, one "key: value" line each.

#include <iostream>

#include "agent/identify/pc_identity.h"
#include "cli/args.h"
#include "cli/command.h"
#include "platform/target/disks.h"

namespace scx::cli {
namespace {

// Messages of the identification (an unknown Windows version) go to stderr; nothing is asked.
class StderrPrompter : public Prompter {
public:
    void ShowMessage(std::string_view text) override { std::cerr << "scx identify: " << text << "\n"; }
    bool AskYesNo(std::string_view) override { return false; }
    Answer AskYesNoCancel(std::string_view) override { return Answer::Cancel; }
};

class IdentifyCommand : public Command {
public:
    std::string_view Name() const override { return "identify"; }
    std::string_view Description() const override {
        return "print the Windows product name, PC name, user, addresses and disks of a target";
    }
    std::string_view Usage() const override {
        return "[--target wine:PREFIX | --target volume:MOUNT_POINT[=D] ... | --target host]";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {}, {"--target"});
        if (!args.ok()) return UsageError(*this, args.error());
        if (!args.Positionals().empty()) return UsageError(*this, "unexpected argument " + args.Positionals()[0]);
        std::string error;
        auto target = target::OpenTarget(args.Values("--target"), &error);
        if (!target) return Failure(*this, error);

        StderrPrompter prompter;
        std::string pcName = GetPcName(*target);
        std::cout << "target: " << target->Name() << "\n"
                  << "product: " << GetWindowsProductName(*target, prompter) << "\n"
                  << "pc_name: " << pcName << "\n"
                  << "user_name: " << GetLogonUserName(*target) << "\n"
                  << "ip_address: " << GetPcAddress(*target, pcName) << "\n"
                  << "hardware_address: " << GetAdapterAddress(*target) << "\n";
        for (const auto& disk : target::FixedDisks(*target))
            std::cout << "disk: " << target::DiskItemText(disk) << "\n";
        std::cout.flush();
        return std::cout ? kExitOk : Failure(*this, "cannot write to standard output");
    }
};

}  // namespace

std::unique_ptr<Command> MakeIdentifyCommand() { return std::make_unique<IdentifyCommand>(); }

}  // namespace scx::cli
