#pragma once

#include "data/SlipPage.h"
#include "ground/Ports.h"

#include <QObject>

class QPrinter;
class QPrintPreviewDialog;

namespace zf {

// The slip report: shows the slip page in Qt's print preview, from which the
// user picks a printer or prints to a PDF file.
class TForm4 : public QObject, public SlipPrinter {
    Q_OBJECT
public:
    explicit TForm4(QObject* parent = nullptr);

    void preview(const SlipPage& page) override;

    // Paper size and orientation of the page, positions from the page's corner.
    static void setUpPrinter(QPrinter& printer, const SlipPage& page);
    // Paints the page onto the printer as the preview does.
    static void print(QPrinter& printer, const SlipPage& page);

signals:
    // The preview is open (before it runs modally); tests close it from here.
    void previewShown(QPrintPreviewDialog* dialog);
};

} // namespace zf
