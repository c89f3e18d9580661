#pragma once
// A Prompter for tests: answers from a script and records every text it was shown, so tests can
// assert the system's exact messages.

#include <deque>
#include <string>
#include <vector>

#include "core/prompter.h"

namespace scx::test {

class ScriptedPrompter : public Prompter {
public:
    // Answers given in order; when the script runs out, questions are answered `fallback`.
    explicit ScriptedPrompter(std::deque<Answer> answers = {}, Answer fallback = Answer::No)
        : answers_(std::move(answers)), fallback_(fallback) {}

    void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
    bool AskYesNo(std::string_view text) override { return Next(text) == Answer::Yes; }
    Answer AskYesNoCancel(std::string_view text) override { return Next(text); }

    std::vector<std::string> shown;  // every message and question, in order

private:
    Answer Next(std::string_view text);
    std::deque<Answer> answers_;
    Answer fallback_;
};

}  // namespace scx::test
