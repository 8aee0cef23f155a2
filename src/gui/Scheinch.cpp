#include "gui/Scheinch.h"

#include "platform/SlipPainter.h"

#include <QApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace zf {

TForm4::TForm4(QObject* parent) : QObject(parent)
{
    setObjectName("Form4");
}

void TForm4::setUpPrinter(QPrinter& printer, const SlipPage& page)
{
    // marks are measured from the sheet's corner, not from a printable area
    printer.setFullPage(true);
    printer.setPageLayout(slipPageLayout(page));
    printer.setDocName("Lottoschein");
}

void TForm4::print(QPrinter& printer, const SlipPage& page)
{
    QPainter painter(&printer);
    if (painter.isActive())
        paintSlip(painter, page, loadSlipPicture(page));
}

void TForm4::preview(const SlipPage& page)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, page);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setObjectName("PrintPreview");
    dialog.setWindowTitle("Lottoschein");
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [page](QPrinter* p) { print(*p, page); });
    emit previewShown(&dialog);
    dialog.exec();
}

} // namespace zf
