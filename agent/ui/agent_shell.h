#pragma once
// What the agent's windows ask of the desktop: file and folder choosers, opening a folder or a
// link, starting an outside program. The windows use the desktop's by default; tests give their
// own answers.

#include <QString>
#include <QUrl>

class QWidget;

namespace scx {

class CAgentShell {
public:
    virtual ~CAgentShell() = default;
    // Empty when cancelled. `confirmOverwrite`: the dialog asks before replacing a file.
    virtual QString SaveFileName(QWidget* parent, const QString& folder, const QString& name, const QString& filter,
                                 const QString& defaultSuffix, bool confirmOverwrite);
    virtual QString OpenFileName(QWidget* parent, const QString& folder, const QString& filter);
    virtual QString FolderName(QWidget* parent, const QString& title);
    virtual bool OpenUrl(const QUrl& url);
    virtual bool StartProgram(const QString& path);
};

}  // namespace scx
