// scx notices [--host HOST[:PORT]]: the publisher's current notices from the notice-feed server,
// one line each: number, title and link, separated by TAB.

#include <iostream>

#include "agent/notice/notice_feed.h"
#include "cli/server_option.h"

namespace scx::cli {
namespace {

// The feed's error texts go to stderr.
class StderrPrompter : public Prompter {
public:
    void ShowMessage(std::string_view text) override {
        std::cerr << "scx notices: " << PrintableText(text) << "\n";
        failed = true;
    }
    bool AskYesNo(std::string_view) override { return false; }
    Answer AskYesNoCancel(std::string_view) override { return Answer::Cancel; }
    bool failed = false;
};

class NoticesCommand : public Command {
public:
    std::string_view Name() const override { return "notices"; }
    std::string_view Description() const override {
        return "list the current notices of the notice-feed server";
    }
    std::string_view Usage() const override {
        return "[--host HOST[:PORT]]\n"
               "Prints NUMBER<TAB>TITLE<TAB>LINK per notice; the first line names the feed.\n"
               "  --host    the notice-feed server (default: NoticeHost of [Server] in ScxSetting.ini)";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {}, {"--host"});
        if (!args.ok()) return UsageError(*this, args.error());
        if (!args.Positionals().empty()) return UsageError(*this, "unexpected argument " + args.Positionals()[0]);
        int exitCode = kExitOk;
        auto server = ServerFromArgs(*this, args, ReadNoticeHost(), "NoticeHost", exitCode);
        if (!server) return exitCode;
        StderrPrompter prompter;
        auto notices = LoadNotices(*server, prompter);
        int number = 0;
        for (const auto& notice : notices)
            std::cout << ++number << "\t" << PrintableText(notice.title) << "\t"
                      << PrintableText(notice.link) << "\n";
        return prompter.failed ? kExitFailure : kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeNoticesCommand() { return std::make_unique<NoticesCommand>(); }

}  // namespace scx::cli
