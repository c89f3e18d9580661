#include "agent/ui/gdip_button.h"

#include <QPainter>

static void InitAgentResources() { Q_INIT_RESOURCE(agent); }

namespace scx {

void EnsureAgentResources() {
    static const bool done = (InitAgentResources(), true);
    (void)done;
}

CGdipButton::CGdipButton(const QString& caption, const QString& offImage, const QString& onImage, QWidget* parent)
    : QAbstractButton(parent) {
    EnsureAgentResources();
    off_ = QPixmap(offImage);
    on_image_ = QPixmap(onImage.isEmpty() ? offImage : onImage);
    if (!off_.isNull()) darkImage_ = off_.toImage().pixelColor(off_.width() / 2, off_.height() / 2).lightness() < 160;
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void CGdipButton::SetOn(bool on) {
    on_ = on;
    update();
}

QSize CGdipButton::sizeHint() const { return off_.isNull() ? QSize(100, 32) : off_.size(); }

void CGdipButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled()) p.setOpacity(0.45);
    else if (isDown()) p.setOpacity(0.8);
    p.drawPixmap(rect(), on_ ? on_image_ : off_);
    if (text().isEmpty()) return;
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(on_ || darkImage_ ? Qt::white : QColor(50, 56, 66));
    p.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace scx
