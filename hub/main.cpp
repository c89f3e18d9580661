// scxhub: the examiner's review workstation.
#include <QApplication>
#include <QFont>

#include "core/ui/window_grab.h"
#include "hub/shell/ui/scrutinex_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("scxhub");
    QApplication::setDesktopFileName("scxhub");
    scx::ArmWindowGrabFromEnvironment();
    scx::CScrutinexApp app;
    if (!app.InitInstance({})) return 1;
    int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
