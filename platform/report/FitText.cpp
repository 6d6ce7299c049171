#include "platform/report/FitText.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>

namespace qx::report {

QFont PrintFont(const ReportFont& f)
{
    QFont font(f.family);
    font.setPixelSize(f.pixelHeight);
    font.setBold(f.bold);
    // Unhinted advances: right-aligned text ends where the layout says on every device.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

double PrintedWidth(const QString& text, const ReportFont& font)
{
    return QFontMetricsF(PrintFont(font)).horizontalAdvance(text);
}

FittedText FitText(const QString& text, const ReportFont& font, double widthPx, Overflow overflow)
{
    // A hair of tolerance: a text measured exactly as wide as its box fits.
    const double room = widthPx + 1e-6;
    FittedText out{text, font};
    if (text.isEmpty() || widthPx <= 0 || PrintedWidth(text, font) <= room)
        return out;
    const int floor = std::min(font.pixelHeight, kFloorPixelHeight);
    for (out.font.pixelHeight = font.pixelHeight - 1; out.font.pixelHeight > floor; --out.font.pixelHeight)
        if (PrintedWidth(text, out.font) <= room)
            return out;
    out.font.pixelHeight = floor;
    if (PrintedWidth(text, out.font) <= room)
        return out;
    const QFontMetricsF metrics(PrintFont(out.font));
    // A number cut to its first digits would print a wrong amount: it prints as marks instead.
    // Only its trailing blank (the display pattern's) may go.
    if (overflow == Overflow::Marks) {
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
            --end;
        out.marks = metrics.horizontalAdvance(text.left(end)) > room;
        out.text = out.marks ? QString(qMax(1, int(room / metrics.horizontalAdvance(QLatin1Char('#')))), QLatin1Char('#'))
                             : text.left(end);
        return out;
    }
    // Whole characters only (a base letter keeps its marks, a surrogate pair stays together).
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype kept = 0;
    for (qsizetype end = graphemes.toNextBoundary(); end > 0; end = graphemes.toNextBoundary()) {
        if (metrics.horizontalAdvance(text.left(end)) > room)
            break;
        kept = end;
    }
    out.text = text.left(kept);
    return out;
}

}  // namespace qx::report
