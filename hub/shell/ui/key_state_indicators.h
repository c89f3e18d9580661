#pragma once
// The key-state indicators at the right of the status bar: "CAP", "NUM" and "SCRL" while Caps
// Lock, Num Lock and Scroll Lock are on, blank while off (or while the states cannot be read).

#include <QObject>
#include <optional>

#include "platform/keyboard_locks.h"

class QLabel;
class QStatusBar;

namespace scx {

class CKeyStateIndicators : public QObject {
    Q_OBJECT
public:
    // Adds the three indicators to the bar and keeps them current (read twice a second).
    explicit CKeyStateIndicators(QStatusBar& bar);

    void Show(const std::optional<platform::KeyLockStates>& states);

private:
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
};

}  // namespace scx
