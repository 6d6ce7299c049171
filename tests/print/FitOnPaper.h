#pragma once
// A printed page read back from its PDF against the boxes of its texts: every word on the sheet
// and within the box of the text it belongs to, no two words over each other, every text at its
// anchor (0.25 mm). The texts are the page's fitted ones (shrunk, or cut at the floor).

#include "platform/report/FitText.h"
#include "platform/report/ReportOutput.h"
#include "support/PdfWords.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// What the check found: the texts printed, those printed smaller than their font, those at the floor.
struct FitCounts {
    int texts = 0, shrunk = 0, atFloor = 0;
};

// `fontPx`: the font each text was given, by item name (to count the shrunk ones).
inline FitCounts ExpectValuesFitTheirBoxes(const qx::report::DisplayList& list, const PdfPage& pdf,
                                           const QString& where, const QHash<QString, int>& fontPx = {})
{
    using namespace qx::report;
    constexpr double tol = 0.05;  // millimetres: the PDF's rounding
    FitCounts counts;
    std::vector<const DisplayText*> texts;
    for (const DisplayText& t : list.texts)
        if (!t.text.trimmed().isEmpty())
            texts.push_back(&t);
    counts.texts = int(texts.size());
    for (const DisplayText* t : texts) {
        const bool shrunk = fontPx.contains(t->name) && t->font.pixelHeight < fontPx.value(t->name);
        counts.shrunk += shrunk;
        counts.atFloor += shrunk && t->font.pixelHeight == kFloorPixelHeight;
        // The text as the painter lays it out from its anchor.
        const double w = PrintedWidth(t->text, t->font) * kMmPerReportPixel;
        const double left = t->alignment == TextAlignment::Left    ? t->box.left()
                             : t->alignment == TextAlignment::Right ? t->box.right() - w
                                                                     : t->box.center().x() - w / 2;
        EXPECT_GE(left, t->box.left() - tol) << qPrintable(where) << " " << qPrintable(t->name) << " " << qPrintable(t->text);
        EXPECT_LE(left + w, t->box.right() + tol) << qPrintable(where) << " " << qPrintable(t->name) << " " << qPrintable(t->text);
        // Its last word (right-aligned) or first word at the anchor; blanks that end a right-aligned
        // amount take their width before it.
        const QStringList words = t->text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString& key = t->alignment == TextAlignment::Right ? words.last() : words.first();
        qsizetype trailing = 0;
        while (trailing < t->text.size() && t->text[t->text.size() - 1 - trailing] == QLatin1Char(' '))
            ++trailing;
        const double blanks = t->alignment == TextAlignment::Right
                                  ? PrintedWidth(QString(trailing, QLatin1Char(' ')), t->font) * kMmPerReportPixel
                                  : 0;
        double best = 1e9;
        for (const PdfWord* word : pdf.find(key)) {
            const double x = t->alignment == TextAlignment::Left    ? word->xMin
                             : t->alignment == TextAlignment::Right ? word->xMax + blanks
                                                                     : (word->xMin + word->xMax) / 2;
            best = std::min(best, std::hypot(x - t->anchor().x(), word->yMin - t->anchor().y()));
        }
        EXPECT_LE(best, 0.25) << qPrintable(where) << " " << qPrintable(t->name) << " " << qPrintable(t->text);
    }
    for (size_t i = 0; i < pdf.words.size(); ++i) {
        const PdfWord& a = pdf.words[i];
        // No value runs sideways across a printed upright line (a calibration stroke of a test page).
        for (const DisplayShape& s : list.shapes) {
            const double x = s.box.center().x();
            const bool crosses = s.kind == ReportShape::Kind::VerticalLine && a.xMin < x && x < a.xMax
                              && a.yMin < s.box.bottom() && s.box.top() < a.yMax;
            EXPECT_FALSE(crosses) << qPrintable(where) << " " << qPrintable(a.text) << " crosses " << qPrintable(s.name);
        }
        EXPECT_TRUE(a.xMin >= -tol && a.yMin >= -tol && a.xMax <= pdf.widthMm + tol && a.yMax <= pdf.heightMm + tol)
            << qPrintable(where) << " off the sheet: " << qPrintable(a.text);
        // The box of the text the word belongs to: the one its middle lies in.
        const QPointF middle((a.xMin + a.xMax) / 2, (a.yMin + a.yMax) / 2);
        const auto owner = std::find_if(texts.begin(), texts.end(), [&](const DisplayText* t) {
            return middle.x() >= t->box.left() && middle.x() <= t->box.right() && middle.y() >= t->box.top()
                && middle.y() <= t->box.top() + std::max(t->box.height(), t->font.pixelHeight * kMmPerReportPixel);
        });
        if (owner == texts.end()) {
            ADD_FAILURE() << qPrintable(where) << " a word in no box: " << qPrintable(a.text) << " at " << a.xMin << "," << a.yMin;
            continue;
        }
        EXPECT_TRUE(a.xMin >= (*owner)->box.left() - tol && a.xMax <= (*owner)->box.right() + tol)
            << qPrintable(where) << " " << qPrintable(a.text) << " leaves its box " << qPrintable((*owner)->name);
        for (size_t j = i + 1; j < pdf.words.size(); ++j) {
            const PdfWord& b = pdf.words[j];
            const bool over = std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin) > tol
                           && std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin) > tol;
            EXPECT_FALSE(over) << qPrintable(where) << " " << qPrintable(a.text) << " over " << qPrintable(b.text);
        }
    }
    return counts;
}

// The page printed into a PDF (kept as `keepAs` when given) and checked.
inline FitCounts PrintAndExpectValuesFit(qx::report::ReportPage& page, const QString& where, const QString& keepAs = {})
{
    QTemporaryDir dir;
    const QString path = keepAs.isEmpty() ? dir.filePath(QStringLiteral("page.pdf")) : keepAs;
    bool printed = false;
    EXPECT_TRUE(qx::report::PrintToPdf(page, path, &printed)) << qPrintable(where);
    if (!printed)
        return {};
    const PdfPage pdf = ReadPdfWords(path);
    EXPECT_TRUE(pdf.ok) << qPrintable(where);
    EXPECT_NEAR(pdf.widthMm, page.paperWidthMm(), 0.2) << qPrintable(where);
    const qx::report::DisplayList list = qx::report::LayoutPage(page);
    // The font each text was given, to tell the shrunk ones.
    QHash<QString, int> fontPx;
    for (int b = 0; b < page.bandCount(); ++b)
        for (int i = 0; i < page.band(b).childCount(); ++i) {
            qx::report::ReportItem& item = page.band(b).child(i);
            if (auto* d = dynamic_cast<qx::report::ReportDataText*>(&item))
                fontPx.insert(d->name, d->font.pixelHeight);
            else if (auto* l = dynamic_cast<qx::report::ReportLabel*>(&item))
                fontPx.insert(l->name, l->font.pixelHeight);
        }
    return ExpectValuesFitTheirBoxes(list, pdf, where, fontPx);
}
