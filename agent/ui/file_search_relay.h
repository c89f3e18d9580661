#pragma once
// Hands the file search's reports from its thread to the window's thread, in order (queued
// signals).

#include <QObject>

#include "agent/search/file_search.h"

namespace scx {

class FileSearchRelay : public QObject, public FileSearchObserver {
    Q_OBJECT
public:
    void OnTotal(int units) override { emit total(units); }
    void OnStep() override { emit step(); }
    void OnFound(const FoundFileRow& row) override {
        emit found(QString::fromStdString(row.name), QString::fromStdString(row.size),
                   QString::fromStdString(row.folder));
    }
    void OnDone() override { emit done(); }

signals:
    void total(int units);
    void step();
    void found(const QString& name, const QString& size, const QString& folder);
    void done();
};

}  // namespace scx
