#pragma once
// How logic asks the user: the windows answer with message boxes, scx with flags or a terminal
// prompt, tests with scripted answers. Texts are the system's own messages, in UTF-8.

#include <string_view>

namespace scx {

class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    virtual void ShowMessage(std::string_view text) = 0;
    virtual bool AskYesNo(std::string_view text) = 0;
    virtual Answer AskYesNoCancel(std::string_view text) = 0;
};

}  // namespace scx
