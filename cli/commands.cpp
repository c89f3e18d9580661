#include <iostream>

#include "cli/command.h"

namespace scx::cli {

// Each verb's file defines its factory; the table below is the only list of verbs.
std::unique_ptr<Command> MakeDbCommand();
std::unique_ptr<Command> MakeDecodeCommand();
std::unique_ptr<Command> MakeDumpCommand();
std::unique_ptr<Command> MakeEncodeCommand();
std::unique_ptr<Command> MakeVersionInfoCommand();
std::unique_ptr<Command> MakeIdentifyCommand();
std::unique_ptr<Command> MakeNoticesCommand();
std::unique_ptr<Command> MakeUpdateCommand();
std::unique_ptr<Command> MakeAggregateCommand();
std::unique_ptr<Command> MakeResultCommand();
std::unique_ptr<Command> MakeAddIptCommand();
std::unique_ptr<Command> MakeMergeCommand();
std::unique_ptr<Command> MakeLicenceCommand();
std::unique_ptr<Command> MakeReportCommand();
std::unique_ptr<Command> MakeExportCommand();
std::unique_ptr<Command> MakeScanCommand();

const std::vector<std::unique_ptr<Command>>& AllCommands() {
    static const std::vector<std::unique_ptr<Command>> commands = [] {
        std::vector<std::unique_ptr<Command>> list;
        list.push_back(MakeDbCommand());
        list.push_back(MakeDecodeCommand());
        list.push_back(MakeDumpCommand());
        list.push_back(MakeEncodeCommand());
        list.push_back(MakeVersionInfoCommand());
        list.push_back(MakeIdentifyCommand());
        list.push_back(MakeNoticesCommand());
        list.push_back(MakeUpdateCommand());
        list.push_back(MakeAggregateCommand());
        list.push_back(MakeResultCommand());
        list.push_back(MakeAddIptCommand());
        list.push_back(MakeMergeCommand());
        list.push_back(MakeLicenceCommand());
        list.push_back(MakeReportCommand());
        list.push_back(MakeExportCommand());
        list.push_back(MakeScanCommand());
        return list;
    }();
    return commands;
}

int UsageError(const Command& command, std::string_view message) {
    std::cerr << "scx " << command.Name() << ": " << message << "\n"
              << "usage: scx " << command.Name() << " " << command.Usage() << "\n";
    return kExitUsage;
}

int Failure(const Command& command, std::string_view message) {
    std::cerr << "scx " << command.Name() << ": " << message << "\n";
    return kExitFailure;
}

}  // namespace scx::cli
