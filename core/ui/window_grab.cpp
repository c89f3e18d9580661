#include "core/ui/window_grab.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace scx {
namespace {

constexpr int kPollMs = 100;
constexpr int kSettleMs = 1000;     // shown this long before the picture: layout and first paint done
constexpr int kGiveUpMs = 20000;

// The main window: the largest visible top-level window that is not a splash, popup or tool tip
// (a message box shown at start stays smaller than the window it belongs to).
QWidget* MainWindow() {
    QWidget* best = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        Qt::WindowType type = w->windowType();
        if (type == Qt::SplashScreen || type == Qt::Popup || type == Qt::ToolTip) continue;
        if (!best || w->width() * w->height() > best->width() * best->height()) best = w;
    }
    return best;
}

void Quit(int status) {
    // Every event loop ends, also a modal dialog's, so the program returns from main.
    QCoreApplication::exit(status);
    QTimer::singleShot(0, [status] { QCoreApplication::exit(status); });
}

}  // namespace

void ArmWindowGrabFromEnvironment() {
    const char* path = std::getenv("SCX_GRAB_WINDOW");
    if (!path || !*path) return;
    QString file = QString::fromLocal8Bit(path);
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    auto shownFor = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, qApp, [=] {
        QWidget* window = MainWindow();
        if (window && !shownFor->isValid()) shownFor->start();
        if (window && shownFor->elapsed() >= kSettleMs) {
            timer->stop();
            bool saved = window->grab().save(file, "PNG");
            if (!saved) std::fprintf(stderr, "SCX_GRAB_WINDOW: cannot write %s\n", path);
            Quit(saved ? 0 : kWindowGrabFailed);
        } else if (clock->elapsed() >= kGiveUpMs) {
            timer->stop();
            std::fprintf(stderr, "SCX_GRAB_WINDOW: no main window was shown\n");
            Quit(kWindowGrabFailed);
        }
    });
    timer->start(kPollMs);
}

}  // namespace scx
