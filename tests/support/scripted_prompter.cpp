#include "tests/support/scripted_prompter.h"

namespace scx::test {

Prompter::Answer ScriptedPrompter::Next(std::string_view text) {
    shown.emplace_back(text);
    if (answers_.empty()) return fallback_;
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace scx::test
