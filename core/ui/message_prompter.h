#pragma once
// The windows' Prompter: message boxes with the system's Korean button captions.

#include <QPointer>
#include <QWidget>

#include "core/prompter.h"

namespace scx {

class CMessagePrompter : public Prompter {
public:
    // `parent` owns the boxes (they are modal to it); none makes them modal to the application.
    explicit CMessagePrompter(QWidget* parent = nullptr) : parent_(parent) {}

    void ShowMessage(std::string_view text) override;
    bool AskYesNo(std::string_view text) override;
    Answer AskYesNoCancel(std::string_view text) override;

private:
    QPointer<QWidget> parent_;
};

// Captions of the standard buttons, as the system names them.
inline constexpr const char* kCaptionOk = "확인";
inline constexpr const char* kCaptionYes = "예";
inline constexpr const char* kCaptionNo = "아니요";
inline constexpr const char* kCaptionCancel = "취소";

}  // namespace scx
