// Draws the two slip pictures "Romande.jpg" and "SwissLos.jpg" shipped in
// data/: each slip's number boxes, dream-number boxes and option boxes at the
// print geometry, placed so that with the default shifts (top 53, left 32)
// every mark lands in the middle of its box. Not a copy of any real slip.
//   zf_draw_slips OUTDIR
#include "data/SlipPage.h"
#include "rules/Slip.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace {

using namespace zf;

constexpr int kScale = 2; // pixels per report unit: 192 dpi
constexpr int kTop = 53;
constexpr int kLeft = 32;
const QColor kPaper(0xFF, 0xFB, 0xF2);
const QColor kOutline(0xD0, 0x10, 0x10);
const QColor kPrint(0xF2, 0xA6, 0xA6);
const QColor kFrame(0xB8, 0xB8, 0xB8);
const QColor kTitle(0x40, 0x40, 0x40);

// The mark's "x" sits about 3 units right of and 7 units below the mark's
// corner; the number boxes are centred one unit further right, so the fifth
// tip's first mark, 3 units to the right, stays inside as well.
QRectF box(Position mark, double width, double height, double centreX)
{
    return {mark.left + centreX - width / 2, mark.top + 7 - height / 2, width, height};
}

QFont font(double points, bool bold = false)
{
    QFont f;
    f.setFamilies({"Arial", "Liberation Sans"});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void drawBox(QPainter& p, const QRectF& r, const QString& label, double labelPoints)
{
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(kPrint);
    p.setFont(font(labelPoints));
    p.drawText(r, Qt::AlignCenter, label);
}

QImage drawSlip(SlipType type)
{
    const SlipGeometry& g = slipGeometry(type);
    const SlipPicture element;
    QImage image(element.width * kScale, g.pictureHeight * kScale, QImage::Format_RGB32);
    // fonts in points at 96 dpi while drawing, scaled with everything else
    image.setDotsPerMeterX(qRound(96.0 / 0.0254));
    image.setDotsPerMeterY(qRound(96.0 / 0.0254));
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // page coordinates in report units
    p.scale(kScale, kScale);
    p.translate(-element.left, -element.top);

    p.setPen(kTitle);
    p.setFont(font(11, true));
    p.drawText(QPointF(kLeft, 30), QString("%1  6 aus 40  ·  Testbild").arg(slipTypeName(type)));

    const bool romande = type == SlipType::Romande;
    const double numberWidth = g.fieldWidth - 1;
    const double numberHeight = g.fieldHeight - 3;
    const double dreamWidth = romande ? 12 : 14;
    const double dreamHeight = 13;
    for (int slot = 0; slot < 14; ++slot) {
        const Position corner = numberMarkAt(type, slot, 1, kTop, kLeft);
        const Position lastDream = dreamMarkAt(type, slot, 5, kTop, kLeft);
        const double right =
            romande ? lastDream.left + 3 + dreamWidth / 2 : corner.left + 5 * g.fieldWidth + 4 + numberWidth / 2;
        const double bottom = std::max(lastDream.top + 7 + dreamHeight / 2,
                                       numberMarkAt(type, slot, 37, kTop, kLeft).top + 7 + numberHeight / 2);
        const QRectF frame(corner.left + 4 - numberWidth / 2 - 3, corner.top + 7 - numberHeight / 2 - 3,
                           right - (corner.left + 4 - numberWidth / 2) + 6,
                           bottom - (corner.top + 7 - numberHeight / 2) + 6);
        p.setPen(QPen(kFrame, 0.75));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame);
        p.setPen(kTitle);
        p.setFont(font(5.5, true));
        p.drawText(QPointF(frame.left(), frame.top() - 2), QString("%1").arg(slot + 1));
        for (int n = 1; n <= 40; ++n)
            drawBox(p, box(numberMarkAt(type, slot, n, kTop, kLeft), numberWidth, numberHeight, 4), QString::number(n),
                    romande ? 5 : 6);
        for (int z = 1; z <= 5; ++z)
            drawBox(p, box(dreamMarkAt(type, slot, z, kTop, kLeft), dreamWidth, dreamHeight, 3), QString::number(z), 5);
    }
    for (int j = 1; j <= 3; ++j) {
        const QRectF r = box(optionMarkAt(type, j, kTop, kLeft), 16, 16, 3);
        drawBox(p, r, "", 5);
        p.setPen(kTitle);
        p.setFont(font(7, true));
        p.drawText(QRectF(r.left() - 60, r.top(), 56, r.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QString("Joker %1").arg(j));
    }
    p.setPen(kFrame);
    p.setFont(font(6));
    p.drawText(QPointF(kLeft, element.top + g.pictureHeight - 8),
               "Ziffrano: Testbild zum Ausrichten der Kreuze, kein Spielschein");
    p.end();
    // the natural size: one pixel is half a report unit
    image.setDotsPerMeterX(qRound(96.0 * kScale / 0.0254));
    image.setDotsPerMeterY(qRound(96.0 * kScale / 0.0254));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zf_draw_slips OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (SlipType type : {SlipType::Romande, SlipType::SwissLos}) {
        const QString path = out.filePath(slipGeometry(type).pictureFile);
        QImageWriter writer(path, "jpeg");
        writer.setQuality(92);
        if (!writer.write(drawSlip(type))) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
