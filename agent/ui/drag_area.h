#pragma once
// A title-bar area of a window without the system's caption: dragging it with the left mouse
// button moves the window.

#include <QPoint>
#include <QWidget>

namespace scx {

class CDragArea : public QWidget {
    Q_OBJECT
public:
    explicit CDragArea(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint grab_;  // the press point relative to the window's corner
    bool dragging_ = false;
};

}  // namespace scx
