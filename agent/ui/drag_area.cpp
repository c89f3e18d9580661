#include "agent/ui/drag_area.h"

#include <QMouseEvent>
#include <QPainter>

namespace scx {

CDragArea::CDragArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_StyledBackground);
    setAutoFillBackground(false);
}

void CDragArea::mousePressEvent(QMouseEvent* event) {
    dragging_ = event->button() == Qt::LeftButton;
    if (dragging_) grab_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void CDragArea::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) window()->move(event->globalPosition().toPoint() - grab_);
}

void CDragArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(34, 74, 140));
    g.setColorAt(1, QColor(22, 52, 104));
    p.fillRect(rect(), g);
}

}  // namespace scx
