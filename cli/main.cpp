// scx: the command-line companion. Global options come before the verb; the verb's own
// arguments after it.

#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "platform/folders.h"

namespace {

void PrintHelp() {
    std::cout << "usage: scx [--home DIR] VERB [ARGS...]\n"
                 "       scx VERB --help\n\n"
                 "The command-line companion of the licence-audit system.\n\n"
                 "  --home DIR   use DIR as the data folder (database files, settings, CheckOut/)\n\n"
                 "verbs:\n";
    for (const auto& command : scx::cli::AllCommands()) {
        std::string name(command->Name());
        name.resize(std::max<size_t>(name.size(), 14), ' ');
        std::cout << "  " << name << " " << command->Description() << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    size_t i = 0;
    while (i < args.size() && args[i].rfind("-", 0) == 0) {
        if (args[i] == "--help" || args[i] == "-h") {
            PrintHelp();
            return scx::cli::kExitOk;
        }
        if (args[i] == "--home" && i + 1 < args.size()) {
            scx::platform::SetDataFolder(args[i + 1]);
            i += 2;
            continue;
        }
        std::cerr << "scx: unknown option " << args[i] << "\n";
        return scx::cli::kExitUsage;
    }
    if (i >= args.size()) {
        PrintHelp();
        return scx::cli::kExitUsage;
    }
    const std::string& verb = args[i];
    std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
    for (const auto& command : scx::cli::AllCommands()) {
        if (command->Name() != verb) continue;
        if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
            std::cout << "usage: scx " << command->Name() << " " << command->Usage() << "\n\n"
                      << command->Description() << "\n";
            return scx::cli::kExitOk;
        }
        try {
            return command->Execute(rest);
        } catch (const std::exception& e) {
            std::cerr << "scx " << verb << ": " << e.what() << "\n";
            return scx::cli::kExitFailure;
        }
    }
    std::cerr << "scx: unknown verb " << verb << " (scx --help lists them)\n";
    return scx::cli::kExitUsage;
}
