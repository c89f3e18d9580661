#pragma once
// An image button of the agent: draws one of two PNG images (off and on) with its caption over
// it; a disabled button is drawn faded.

#include <QAbstractButton>
#include <QPixmap>

namespace scx {

// Registers the agent's images (:/agent/...) once; every window that shows them calls it.
void EnsureAgentResources();

class CGdipButton : public QAbstractButton {
    Q_OBJECT
public:
    // `offImage` and `onImage` are resource paths; an empty `onImage` uses the off image.
    CGdipButton(const QString& caption, const QString& offImage, const QString& onImage = {},
                QWidget* parent = nullptr);

    void SetOn(bool on);
    bool IsOn() const { return on_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap off_, on_image_;
    bool on_ = false;
    bool darkImage_ = false;  // the off image is dark: its caption is drawn white
};

}  // namespace scx
