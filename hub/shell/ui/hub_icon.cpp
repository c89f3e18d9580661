#include "hub/shell/ui/hub_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace scx {
namespace {

QPixmap PaintIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);  // drawn on the SVG's 64 x 64 grid
    auto sheet = [&](QRectF box, QColor fill, QColor edge) {
        p.setPen(QPen(edge, 2));
        p.setBrush(fill);
        p.drawRoundedRect(box, 2, 2);
    };
    sheet({16, 4, 36, 44}, QColor("#c9d6e3"), QColor("#4a6a88"));
    sheet({10, 10, 36, 44}, QColor("#dfe8f1"), QColor("#4a6a88"));
    sheet({4, 16, 40, 44}, Qt::white, QColor("#2d5f8b"));
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(10, 22, 28, 3), QColor("#7fa7cc"));
    p.fillRect(QRectF(11, 42, 6, 12), QColor("#2d5f8b"));
    p.fillRect(QRectF(20, 34, 6, 20), QColor("#e07b00"));
    p.fillRect(QRectF(29, 38, 6, 16), QColor("#2d5f8b"));
    p.setBrush(QColor("#3a9d4f"));
    p.drawEllipse(QPointF(50, 48), 11, 11);
    QPainterPath tick;
    tick.moveTo(44, 48);
    tick.lineTo(49, 53);
    tick.lineTo(57, 43);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return pixmap;
}

}  // namespace

QIcon WorkstationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(PaintIcon(size));
    return icon;
}

}  // namespace scx
