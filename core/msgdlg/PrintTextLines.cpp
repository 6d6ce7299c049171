#include "core/msgdlg/PrintTextLines.h"

#include "core/util/Clock.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr double kScreenDpi = 96.0;
constexpr double kReferencePrinterDpi = 600.0;

double pixelHeightOf(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kScreenDpi / 72.0;
}

QFont doubled(const QFont& font)
{
    QFont out(font);
    out.setPointSizeF(font.pointSizeF() * 2);
    return out;
}

// Cuts the title into pieces no wider than `width`; a piece holds at least one character, so a
// page too narrow for a character still ends.
QStringList cutToWidth(const QString& title, const QFontMetrics& metrics, int width)
{
    QStringList pieces;
    qsizetype start = 0;
    while (start < title.size()) {
        qsizetype end = start + 1;
        while (end < title.size() && metrics.horizontalAdvance(title.mid(start, end - start + 1)) <= width)
            ++end;
        pieces << title.mid(start, end - start);
        start = end;
    }
    return pieces;
}

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

void printHeader(QPainter& painter, const TextPageLayout& layout, const QFont& font)
{
    const QFont big = doubled(font);
    painter.setFont(big);
    const QFontMetrics metrics(big, painter.device());
    int y = 0;
    for (const QString& piece : layout.titlePieces) {
        const int x = (layout.pageWidth - metrics.horizontalAdvance(piece)) / 2;
        painter.drawText(x, y + metrics.ascent(), piece);
        y += metrics.height();
    }
    painter.setFont(font);
}

void printFooter(QPainter& painter, const TextPageLayout& layout, int y, const QString& timeText, int pageNumber)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    y += layout.linePitch;
    painter.drawText(layout.leftMargin, y + metrics.ascent(), timeText);
    const QString page = QStringLiteral("Page ") + QString::number(pageNumber);
    painter.drawText(layout.pageWidth - layout.leftMargin - metrics.horizontalAdvance(page), y + metrics.ascent(), page);
}

}  // namespace

int TextLinePitch(const QFont& font, int dpi)
{
    const double pitch = 8.0 * pixelHeightOf(font) * dpi / kReferencePrinterDpi;
    return std::max(1, static_cast<int>(std::lround(pitch)));
}

QFont PrintFontOf(const QFont& font)
{
    QFont out(font);
    out.setPointSizeF(pixelHeightOf(font) * 72.0 / kScreenDpi);
    return out;
}

TextPageLayout LayoutTextPage(QPaintDevice& device, const QString& title, const QFont& font)
{
    TextPageLayout layout;
    layout.pageWidth = device.width();
    layout.pageHeight = device.height();
    layout.linePitch = TextLinePitch(font, device.logicalDpiY());
    layout.footerReserve = 3 * layout.linePitch;
    layout.leftMargin = layout.pageWidth / 12;

    const QFontMetrics big(doubled(PrintFontOf(font)), &device);
    layout.titlePieces = cutToWidth(title, big, layout.pageWidth);
    layout.headerHeight = big.height() * (layout.titlePieces.size() + 1);

    // Slots are filled while the page has room above the footer; the first is always used.
    int y = layout.headerHeight;
    do {
        ++layout.linesPerPage;
        y += layout.linePitch;
    } while (layout.pageHeight > y + layout.footerReserve);
    return layout;
}

void PrintTextLines(QPagedPaintDevice& device, const QString& title, const QStringList& lines, const QFont& font)
{
    const QString timeText = Now().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    const QFont printFont = PrintFontOf(font);
    const TextPageLayout layout = LayoutTextPage(device, title, font);
    WaitCursor wait;

    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The print job could not be started");
    painter.setPen(Qt::black);
    painter.setFont(printFont);
    const QFontMetrics metrics(printFont, &device);

    qsizetype next = 0;
    int pageNumber = 1;
    while (true) {
        printHeader(painter, layout, printFont);
        int y = layout.headerHeight;
        for (int slot = 0; slot < layout.linesPerPage; ++slot, ++next, y += layout.linePitch)
            if (next < lines.size())
                painter.drawText(layout.leftMargin, y + metrics.ascent(), lines[next]);
        printFooter(painter, layout, y, timeText, pageNumber);
        if (next >= lines.size())
            break;
        if (!device.newPage()) {
            painter.end();
            throw std::runtime_error("The printer could not begin a new page");
        }
        ++pageNumber;
    }
    painter.end();
}
