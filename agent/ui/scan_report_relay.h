#pragma once
// Hands the scan's reports from its thread to the main window's thread, in the order they were
// made (a queued signal per report).

#include <QMetaType>
#include <QObject>
#include <functional>

#include "agent/scan/scan_messages.h"

Q_DECLARE_METATYPE(scx::scan::ScanReport)

namespace scx {

class ScanReportRelay : public QObject, public scan::ScanObserver {
    Q_OBJECT
public:
    explicit ScanReportRelay(QObject* parent = nullptr) : QObject(parent) { qRegisterMetaType<scan::ScanReport>(); }
    void OnScanReport(const scan::ScanReport& report) override {
        if (watch) watch(report);
        emit reported(report);
    }
    std::function<void(const scan::ScanReport&)> watch;  // on the scan thread

signals:
    void reported(const scx::scan::ScanReport& report);
};

}  // namespace scx
