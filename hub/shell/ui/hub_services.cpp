#include "hub/shell/ui/hub_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QProcess>

#include "core/ui/message_prompter.h"

namespace scx {

HubServices& GetHubServices() {
    static CMessagePrompter messageBoxes;
    static HubServices services = [] {
        HubServices s;
        s.prompter = &messageBoxes;
        s.chooseSaveFile = [](const SaveFileRequest& request) {
            QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder, request.filter);
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(request.defaultSuffix);
            dialog.selectFile(request.proposedName);
            return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
        };
        s.chooseOpenFile = [](const QString& folder, const QString& filter) {
            return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), folder, filter);
        };
        s.startProgram = [](const QString& program) { return QProcess::startDetached(program, {}); };
        return s;
    }();
    return services;
}

Prompter& HubPrompter() { return *GetHubServices().prompter; }

}  // namespace scx
