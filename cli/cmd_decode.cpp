// scx decode FILE: the decoded text of a record file, in UTF-8, on standard output.

#include <iostream>

#include "cli/args.h"
#include "cli/command.h"
#include "core/codec.h"
#include "platform/file.h"

namespace scx::cli {
namespace {

class DecodeCommand : public Command {
public:
    std::string_view Name() const override { return "decode"; }
    std::string_view Description() const override {
        return "print a record file's decoded text (unscrambled, code page 949 to UTF-8)";
    }
    std::string_view Usage() const override { return "FILE"; }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {}, {});
        if (!args.ok()) return UsageError(*this, args.error());
        if (args.Positionals().size() != 1) return UsageError(*this, "expected one FILE");
        const std::string& path = args.Positionals()[0];
        std::string error;
        auto bytes = platform::ReadFileBytes(path, &error);
        if (!bytes) return Failure(*this, path + ": " + error);
        if (bytes->empty()) return Failure(*this, path + ": the file is empty");
        std::string text = DecodeScrambledText(std::move(*bytes));
        std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
        std::cout.flush();
        return std::cout ? kExitOk : Failure(*this, "cannot write to standard output");
    }
};

}  // namespace

std::unique_ptr<Command> MakeDecodeCommand() { return std::make_unique<DecodeCommand>(); }

}  // namespace scx::cli
