#include "hub/shell/ui/key_state_indicators.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace scx {
namespace {

QLabel* AddIndicator(QStatusBar& bar, const char* name, const QString& widest) {
    auto* label = new QLabel(&bar);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 10);
    bar.addPermanentWidget(label);
    return label;
}

}  // namespace

CKeyStateIndicators::CKeyStateIndicators(QStatusBar& bar) : QObject(&bar) {
    caps_ = AddIndicator(bar, "indicatorCaps", "CAP");
    num_ = AddIndicator(bar, "indicatorNum", "NUM");
    scroll_ = AddIndicator(bar, "indicatorScrl", "SCRL");
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { Show(platform::ReadKeyLockStates()); });
    timer->start(500);
    Show(platform::ReadKeyLockStates());
}

void CKeyStateIndicators::Show(const std::optional<platform::KeyLockStates>& states) {
    const platform::KeyLockStates on = states.value_or(platform::KeyLockStates{});
    caps_->setText(on.caps ? "CAP" : "");
    num_->setText(on.num ? "NUM" : "");
    scroll_->setText(on.scroll ? "SCRL" : "");
}

}  // namespace scx
