#pragma once
// How scx answers the system's questions: --yes or --no answers every question that way; without
// them a question is asked on the terminal (예/아니요 as y/n). Without a terminal and without a
// flag a question is answered 아니요, which lets multi-file work go on, and that is said on stderr.
// Messages go to stderr.

#include <string>
#include <vector>

#include "cli/args.h"
#include "core/prompter.h"

namespace scx::cli {

class TerminalPrompter : public Prompter {
public:
    enum class Mode { Ask, AlwaysYes, AlwaysNo };
    explicit TerminalPrompter(Mode mode);

    void ShowMessage(std::string_view text) override;
    bool AskYesNo(std::string_view text) override;
    Answer AskYesNoCancel(std::string_view text) override;

private:
    Answer Ask(std::string_view text, bool withCancel);
    Mode mode_;
};

// The mode that the flags --yes and --no of a verb choose; `error` is set when both are given.
TerminalPrompter::Mode AnswerMode(const Args& args, std::string& error);

}  // namespace scx::cli
