// Draws the program's icon: a slip with a 3x3 grid of boxes, three of them
// crossed, and a golden dream-number ball in front. Shapes only, no text, so
// every size looks the same on any machine.
//   zf_draw_icon OUTFILE.png SIZE
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void draw(QPainter& p)
{
    // designed on a 256 grid
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 16, 0, 240);
    sky.setColorAt(0, QColor(0x2E, 0x7D, 0xD2));
    sky.setColorAt(1, QColor(0x15, 0x4A, 0x8C));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(16, 16, 224, 224), 44, 44);

    // the slip
    p.setBrush(QColor(0xFF, 0xFB, 0xF2));
    p.drawRoundedRect(QRectF(44, 40, 140, 168), 12, 12);
    const QColor red(0xD0, 0x10, 0x10);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const QRectF cell(60 + c * 40, 60 + r * 44, 30, 32);
            p.setPen(QPen(red, 5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell);
            if (r * 3 + c == 0 || r * 3 + c == 4 || r * 3 + c == 6) { // three crossed boxes clear of the ball
                p.setPen(QPen(QColor(0x20, 0x20, 0x20), 8, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(cell.topLeft() + QPointF(5, 5), cell.bottomRight() - QPointF(5, 5));
                p.drawLine(cell.topRight() + QPointF(-5, 5), cell.bottomLeft() + QPointF(5, -5));
            }
        }

    // the dream-number ball
    QRadialGradient gold(QPointF(170, 162), 70, QPointF(160, 150));
    gold.setColorAt(0, QColor(0xFF, 0xF1, 0x9A));
    gold.setColorAt(0.6, QColor(0xF5, 0xB7, 0x00));
    gold.setColorAt(1, QColor(0xB8, 0x7A, 0x00));
    p.setPen(QPen(QColor(0x7A, 0x50, 0x00), 4));
    p.setBrush(gold);
    p.drawEllipse(QPointF(180, 176), 50, 50);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 12 : 28;
        const QPointF pt(180 + r * std::cos(a), 178 + r * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(star);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::atoi(argv[2]) < 16 || std::atoi(argv[2]) > 1024) {
        std::fprintf(stderr, "usage: zf_draw_icon OUTFILE.png SIZE (16..1024)\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int size = std::atoi(argv[2]);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / 256.0, size / 256.0);
    draw(p);
    p.end();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "zf_draw_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
