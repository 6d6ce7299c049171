// Puts a laid-out page on a PDF file, a printer or an image: the whole sheet, unscaled.
#include "platform/report/ReportOutput.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace qx::report {

QPageLayout PaperLayout(const ReportPage& page)
{
    const QPageSize size(page.paper == PaperSize::A3 ? QPageSize::A3 : QPageSize::A4);
    const auto orientation =
        page.orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0));
}

namespace {

constexpr double kMmPerInch = 25.4;

}  // namespace

bool PrintToPdf(ReportPage& page, const QString& path, bool* printed)
{
    const DisplayList list = LayoutPage(page);
    if (printed)
        *printed = list.printed;
    return WritePdf(list, page, path);
}

bool WritePdf(const DisplayList& list, const ReportPage& page, const QString& path)
{
    if (!list.printed)
        return true;
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Quendrix"));
    writer.setTitle(page.name());
    if (!writer.setPageLayout(PaperLayout(page)))
        return false;
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    PaintDisplayList(list, painter, writer.resolution() / kMmPerInch);
    return painter.end();
}

bool PrintToPrinter(ReportPage& page, QPrinter& printer, bool* printed)
{
    const DisplayList list = LayoutPage(page);
    if (printed)
        *printed = list.printed;
    if (!list.printed)
        return true;
    // Full page: the painter's origin is the paper's corner, whatever the printer cannot reach.
    printer.setFullPage(true);
    printer.setPageLayout(PaperLayout(page));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PaintDisplayList(list, painter, printer.resolution() / kMmPerInch);
    return painter.end();
}

QImage RenderToImage(const DisplayList& list, double dotsPerInch)
{
    const double dotsPerMm = dotsPerInch / kMmPerInch;
    QImage image(qRound(list.paperWidthMm * dotsPerMm), qRound(list.paperHeightMm * dotsPerMm),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDisplayList(list, painter, dotsPerMm);
    return image;
}

}  // namespace qx::report
