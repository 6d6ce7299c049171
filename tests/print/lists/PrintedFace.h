#pragma once
// A face of an asset list printed into a PDF: what the report laid out (item names and texts) and
// what the PDF itself shows (its words and their positions), with the expected places of the rows
// taken from the face layouts.

#include "platform/layout/PageLayout.h"
#include "platform/report/ReportOutput.h"
#include "support/PdfWords.h"

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

struct PrintedFace {
    bool printed = false;
    qx::report::DisplayList list;
    PdfPage pdf;

    // The printed text of the item `name` ("" when it did not print).
    QString text(const QString& name) const
    {
        const qx::report::DisplayText* t = list.findText(name);
        return t ? t->text : QString();
    }
    bool has(const QString& name) const { return list.findText(name) != nullptr; }
    // Texts of the labels prefix1.., prefix8.. with the face letter (QRLabel_S1A ...).
    QStringList labels(const char* prefix, QChar face, int count) const
    {
        QStringList out;
        for (int i = 1; i <= count; ++i)
            out << text(QStringLiteral("%1%2%3").arg(QLatin1String(prefix)).arg(i).arg(face));
        return out;
    }
    // The rows printed, by the numbers of their type texts ("Tipo 13" is row 13), in print order.
    std::vector<int> rows() const
    {
        std::vector<int> out;
        for (const auto& t : list.texts)
            if (t.dataText && t.text.startsWith(u"Tipo "))
                out.push_back(t.text.mid(5).toInt());
        return out;
    }
};

inline PrintedFace PrintFace(qx::report::ReportPage& page)
{
    PrintedFace face;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("face.pdf"));
    EXPECT_TRUE(qx::report::PrintToPdf(page, pdf, &face.printed));
    if (!face.printed)
        return face;
    face.pdf = ReadPdfWords(pdf);
    EXPECT_TRUE(face.pdf.ok);
    face.list = qx::report::LayoutPage(page);
    return face;
}

// Width of one character of the printed font, millimetres (right-aligned amounts end in a blank).
inline double CharWidthMm(const qx::report::ReportFont& font)
{
    QFont f(font.family);
    f.setPixelSize(font.pixelHeight);
    f.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(f).horizontalAdvance(QLatin1Char(' ')) * qx::report::kMmPerReportPixel;
}

// Where the PDF puts `text` nearest to `anchor` (the anchor of its box: left edge, right edge or
// middle by `align`, top); the distance in millimetres, or infinity when the word is not there.
inline double DistanceInPdf(const PdfPage& pdf, const QString& text, QPointF anchor, qx::BoxAlign align,
                            double charWidthMm)
{
    const QString word = text.trimmed();
    const int trailing = int(text.size() - QStringView(text).trimmed().size());
    double best = INFINITY;
    for (const PdfWord* w : pdf.find(word)) {
        double x = w->xMin;
        if (align == qx::BoxAlign::Right)
            x = w->xMax + trailing * charWidthMm;
        else if (align == qx::BoxAlign::Center)
            x = (w->xMin + w->xMax) / 2;
        best = std::min(best, std::hypot(x - anchor.x(), w->yMin - anchor.y()));
    }
    return best;
}

inline QPointF BoxAnchor(const qx::Box& box)
{
    const double x = box.align == qx::BoxAlign::Left ? box.mm.left()
        : box.align == qx::BoxAlign::Right          ? box.mm.right()
                                                    : box.mm.center().x();
    return {x, box.mm.top()};
}
