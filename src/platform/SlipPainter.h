#pragma once

#include "data/SlipPage.h"

#include <QImage>
#include <QPageLayout>

#include <string>

class QPainter;

namespace zf {

// Paper size, orientation and the bottom margin of the slip page.
QPageLayout slipPageLayout(const SlipPage& page);
// The slip picture when the page prints it and the file was found, else a null image.
QImage loadSlipPicture(const SlipPage& page);
// Paints the page with the painter's origin at the page's top-left corner, one
// report unit being 1/96 inch on the painter's device.
void paintSlip(QPainter& painter, const SlipPage& page, const QImage& picture);
// The page as a PDF file, as the print would put it on paper. Throws IoError.
void writeSlipPdf(const SlipPage& page, const std::string& path);

} // namespace zf
