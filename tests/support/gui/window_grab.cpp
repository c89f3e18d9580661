#include "tests/support/gui/window_grab.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace scx::test {

QString GrabToPng(QWidget& widget, const QString& name) {
    QString folder = qEnvironmentVariable("SCX_TEST_ARTIFACTS", QDir::tempPath() + "/scx-test-artifacts");
    QDir().mkpath(folder);
    if (!widget.isVisible()) widget.show();
    QApplication::processEvents();
    QString path = folder + "/" + name + ".png";
    widget.grab().save(path);
    return path;
}

}  // namespace scx::test
