#pragma once
// One scx verb: its name, a one-line description, its usage text and what it does. Each verb
// lives in a file of its own and is listed once in commands.cpp.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace scx::cli {

enum ExitCode { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

class Command {
public:
    virtual ~Command() = default;
    virtual std::string_view Name() const = 0;
    virtual std::string_view Description() const = 0;
    // Arguments and options, shown by "scx VERB --help" and after a usage error.
    virtual std::string_view Usage() const = 0;
    // Arguments after the verb; returns an ExitCode.
    virtual int Execute(const std::vector<std::string>& args) = 0;
};

const std::vector<std::unique_ptr<Command>>& AllCommands();

// Reports a usage error on stderr ("scx VERB: message" and the verb's usage) and returns 2.
int UsageError(const Command& command, std::string_view message);
// Reports a failure on stderr ("scx VERB: message") and returns 1.
int Failure(const Command& command, std::string_view message);

}  // namespace scx::cli
