#pragma once
// What the workstation's windows ask of the outside world, in one place so that tests can answer
// instead: the message boxes (a Prompter), the file dialogs, and starting another program.

#include <QString>
#include <functional>

namespace scx {

class Prompter;

struct SaveFileRequest {
    QString title;         // "다른이름 저장"
    QString folder;        // start folder
    QString proposedName;  // without the extension
    QString defaultSuffix; // "ipt"
    QString filter;        // Qt filter text
};

struct HubServices {
    // Message boxes of every window; a CMessagePrompter unless a test sets another.
    Prompter* prompter = nullptr;
    // The chosen full path, or empty when cancelled.
    std::function<QString(const SaveFileRequest&)> chooseSaveFile;
    std::function<QString(const QString& folder, const QString& filter)> chooseOpenFile;
    // Starts a program without waiting for it; false when it could not be started.
    std::function<bool(const QString& program)> startProgram;
};

// The process's services, made with the real dialogs on first use.
HubServices& GetHubServices();
Prompter& HubPrompter();

}  // namespace scx
