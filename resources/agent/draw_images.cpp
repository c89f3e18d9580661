// Draws the agent's images (buttons, title-bar symbols, icon, product picture) as the PNG files
// committed beside it. Run it from this folder after changing a drawing:
//   cmake --build build/debug --target scx-draw-agent-images && build/debug/resources/scx-draw-agent-images resources/agent

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

QString g_folder;

void Draw(const char* name, int w, int h, const std::function<void(QPainter&)>& paint) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    image.save(g_folder + "/" + name + ".png");
}

void Pill(QPainter& p, QRectF r, QColor top, QColor bottom, QColor border) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(border, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 8, 8);
}

void Magnifier(QPainter& p, QPointF centre, double radius, QColor colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.7, radius * 1.7));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    g_folder = argc > 1 ? argv[1] : ".";
    const QColor white(255, 255, 255);
    Draw("option_off", 132, 40, [](QPainter& p) { Pill(p, {0, 0, 132, 40}, {236, 238, 241}, {206, 210, 216}, {160, 166, 175}); });
    Draw("option_on", 132, 40, [](QPainter& p) { Pill(p, {0, 0, 132, 40}, {82, 152, 235}, {36, 104, 196}, {24, 80, 160}); });
    Draw("start", 172, 56, [](QPainter& p) { Pill(p, {0, 0, 172, 56}, {64, 190, 150}, {22, 140, 104}, {14, 110, 80}); });
    Draw("button", 104, 36, [](QPainter& p) { Pill(p, {0, 0, 104, 36}, {96, 108, 128}, {60, 70, 88}, {44, 52, 66}); });
    Draw("gear", 24, 24, [&](QPainter& p) {
        p.translate(12, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(white);
        for (int i = 0; i < 8; ++i) {
            p.drawRect(QRectF(-2, -11, 4, 6));
            p.rotate(45);
        }
        p.drawEllipse(QPointF(0, 0), 7.5, 7.5);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.drawEllipse(QPointF(0, 0), 3, 3);
    });
    Draw("minimise", 24, 24, [&](QPainter& p) {
        p.setPen(QPen(white, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 16), QPointF(18, 16));
    });
    Draw("close", 24, 24, [&](QPainter& p) {
        p.setPen(QPen(white, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
    });
    Draw("icon", 64, 64, [&](QPainter& p) {
        Pill(p, {2, 2, 60, 60}, {58, 130, 220}, {24, 78, 160}, {18, 60, 130});
        p.setPen(QPen(QColor(255, 255, 255, 200), 3));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(14, 18 + i * 9), QPointF(34, 18 + i * 9));
        Magnifier(p, {38, 36}, 10, white, 4);
    });
    Draw("about", 420, 220, [&](QPainter& p) {
        p.fillRect(QRect(0, 0, 420, 220), QColor(245, 248, 252));
        QFont font("NanumGothic", 11);
        font.setBold(true);
        p.setFont(font);
        const char* steps[] = {"PC 점검", "점검결과 (IPT)", "취합 (TLS)", "결과 (RST)"};
        for (int i = 0; i < 4; ++i) {
            QRectF box(14 + i * 102, 70, 86, 56);
            Pill(p, box, QColor(82, 152, 235).lighter(110 + i * 10), QColor(36, 104, 196), QColor(24, 80, 160));
            p.setPen(white);
            p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(steps[i]));
            if (i < 3) {
                p.setPen(QPen(QColor(90, 100, 120), 2));
                p.drawLine(QPointF(box.right() + 2, 98), QPointF(box.right() + 14, 98));
            }
        }
        p.setPen(QColor(30, 40, 60));
        QFont title("NanumGothic", 15);
        title.setBold(true);
        p.setFont(title);
        p.drawText(QRectF(0, 14, 420, 36), Qt::AlignCenter, QString::fromUtf8("스크루티넥스 소프트웨어 점검"));
        p.setFont(QFont("NanumGothic", 10));
        p.drawText(QRectF(10, 146, 400, 60), Qt::AlignCenter | Qt::TextWordWrap,
                   QString::fromUtf8("PC마다 설치된 소프트웨어를 점검하고, 결과를 모아 보유 라이선스와 비교합니다."));
    });
    return 0;
}
