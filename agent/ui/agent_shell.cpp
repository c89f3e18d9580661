#include "agent/ui/agent_shell.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>

namespace scx {

QString CAgentShell::SaveFileName(QWidget* parent, const QString& folder, const QString& name, const QString& filter,
                                  const QString& defaultSuffix, bool confirmOverwrite) {
    QFileDialog dialog(parent, {}, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    if (!name.isEmpty()) dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString CAgentShell::OpenFileName(QWidget* parent, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, {}, folder, filter);
}

QString CAgentShell::FolderName(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title);
}

bool CAgentShell::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool CAgentShell::StartProgram(const QString& path) { return QProcess::startDetached(path, {}); }

}  // namespace scx
