#include "cli/terminal_prompter.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace scx::cli {

TerminalPrompter::TerminalPrompter(Mode mode) : mode_(mode) {}

void TerminalPrompter::ShowMessage(std::string_view text) { std::cerr << text << "\n"; }

bool TerminalPrompter::AskYesNo(std::string_view text) { return Ask(text, false) == Answer::Yes; }

Prompter::Answer TerminalPrompter::AskYesNoCancel(std::string_view text) { return Ask(text, true); }

Prompter::Answer TerminalPrompter::Ask(std::string_view text, bool withCancel) {
    std::cerr << text << "\n";
    if (mode_ == Mode::AlwaysYes) {
        std::cerr << "→ 예 (--yes)\n";
        return Answer::Yes;
    }
    if (mode_ == Mode::AlwaysNo || !isatty(STDIN_FILENO)) {
        std::cerr << (mode_ == Mode::AlwaysNo ? "→ 아니요 (--no)\n" : "→ 아니요 (no terminal to ask)\n");
        return Answer::No;
    }
    for (;;) {
        std::cerr << (withCancel ? "예/아니요/취소 [y/n/c]? " : "예/아니요 [y/n]? ") << std::flush;
        std::string line;
        if (!std::getline(std::cin, line)) return withCancel ? Answer::Cancel : Answer::No;
        if (line == "y" || line == "Y" || line == "예") return Answer::Yes;
        if (line == "n" || line == "N" || line == "아니요") return Answer::No;
        if (withCancel && (line == "c" || line == "C" || line == "취소")) return Answer::Cancel;
    }
}

TerminalPrompter::Mode AnswerMode(const Args& args, std::string& error) {
    if (args.Has("--yes") && args.Has("--no")) {
        error = "--yes and --no exclude each other";
        return TerminalPrompter::Mode::Ask;
    }
    if (args.Has("--yes")) return TerminalPrompter::Mode::AlwaysYes;
    if (args.Has("--no")) return TerminalPrompter::Mode::AlwaysNo;
    return TerminalPrompter::Mode::Ask;
}

}  // namespace scx::cli
