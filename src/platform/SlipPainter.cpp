#include "platform/SlipPainter.h"

#include "ground/AtomicFile.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace zf {

namespace {

QFont markFont()
{
    QFont f;
    // Liberation Sans has Arial's metrics where Arial itself is missing
    f.setFamilies({"Arial", "Liberation Sans"});
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    f.setPointSizeF(SlipPage::kMarkPoints);
    return f;
}

} // namespace

QPageLayout slipPageLayout(const SlipPage& page)
{
    const QPageSize size(QSizeF(page.paperWidthMm, page.paperLengthMm), QPageSize::Millimeter,
                         QString::fromStdString(page.paperName), QPageSize::FuzzyMatch);
    return QPageLayout(size, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, page.bottomMarginMm), QPageLayout::Millimeter);
}

QImage loadSlipPicture(const SlipPage& page)
{
    if (!page.picture.printed || page.picture.path.empty())
        return {};
    return QImage(QString::fromStdString(page.picture.path));
}

void paintSlip(QPainter& painter, const SlipPage& page, const QImage& picture)
{
    const double kx = painter.device()->logicalDpiX() / double(SlipPage::kUnitsPerInch);
    const double ky = painter.device()->logicalDpiY() / double(SlipPage::kUnitsPerInch);
    painter.save();
    if (page.picture.printed && !picture.isNull()) {
        const SlipPicture& e = page.picture;
        // natural size: the picture's own resolution, 96 dpi when it names none
        const double dpiX = picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() * 0.0254 : 96;
        const double dpiY = picture.dotsPerMeterY() > 0 ? picture.dotsPerMeterY() * 0.0254 : 96;
        const QRectF target(e.left * kx, e.top * ky, picture.width() * SlipPage::kUnitsPerInch / dpiX * kx,
                            picture.height() * SlipPage::kUnitsPerInch / dpiY * ky);
        painter.setClipRect(QRectF(e.left * kx, e.top * ky, e.width * kx, e.height * ky));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);
        painter.setClipping(false);
    }
    const QFont font = markFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    for (const SlipMark& m : page.marks)
        if (m.shown)
            painter.drawText(QPointF(m.left * kx, m.top * ky + ascent), SlipPage::kMarkText);
    painter.restore();
}

void writeSlipPdf(const SlipPage& page, const std::string& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle("Lottoschein");
        writer.setCreator("Ziffrano");
        writer.setPageLayout(slipPageLayout(page));
        QPainter painter(&writer);
        paintSlip(painter, page, loadSlipPicture(page));
    }
    writeFileAtomically(path, buffer.data().toStdString());
}

} // namespace zf
