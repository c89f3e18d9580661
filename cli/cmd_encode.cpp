// scx encode TEXT_FILE OUT_FILE: a UTF-8 text stored as a record file (code page 949, scrambled).

#include "cli/args.h"
#include "cli/command.h"
#include "core/codec.h"
#include "platform/file.h"

namespace scx::cli {
namespace {

class EncodeCommand : public Command {
public:
    std::string_view Name() const override { return "encode"; }
    std::string_view Description() const override {
        return "store a UTF-8 text as a record file (code page 949, scrambled)";
    }
    std::string_view Usage() const override { return "TEXT_FILE OUT_FILE"; }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {}, {});
        if (!args.ok()) return UsageError(*this, args.error());
        if (args.Positionals().size() != 2) return UsageError(*this, "expected TEXT_FILE and OUT_FILE");
        const std::string& in = args.Positionals()[0];
        const std::string& out = args.Positionals()[1];
        std::string error;
        auto text = platform::ReadFileBytes(in, &error);
        if (!text) return Failure(*this, in + ": " + error);
        std::string bytes;
        bytes.reserve(text->size());
        AppendCodePageBytes(bytes, *text);
        ScrambleBytes(bytes);
        if (!platform::WriteFileAtomically(out, bytes, &error)) return Failure(*this, out + ": " + error);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeEncodeCommand() { return std::make_unique<EncodeCommand>(); }

}  // namespace scx::cli
