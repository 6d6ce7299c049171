#pragma once
// The words of a PDF page with their boxes in millimetres, as pdftotext -bbox (poppler-utils)
// measures them, and the page's size.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <vector>

struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;  // millimetres from the page's top left corner
};

struct PdfPage {
    double widthMm = 0, heightMm = 0;
    std::vector<PdfWord> words;
    bool ok = false;
    std::vector<const PdfWord*> find(const QString& text) const
    {
        std::vector<const PdfWord*> out;
        for (const PdfWord& w : words)
            if (w.text == text)
                out.push_back(&w);
        return out;
    }
};

inline PdfPage ReadPdfWords(const QString& pdf)
{
    constexpr double mmPerPoint = 25.4 / 72.0;
    PdfPage page;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return page;
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression pageRe(QStringLiteral(R"x(<page width="([\d.]+)" height="([\d.]+)")x"));
    static const QRegularExpression wordRe(QStringLiteral(
        R"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x"));
    const auto pm = pageRe.match(html);
    if (!pm.hasMatch())
        return page;
    page.widthMm = pm.captured(1).toDouble() * mmPerPoint;
    page.heightMm = pm.captured(2).toDouble() * mmPerPoint;
    for (auto it = wordRe.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace(QLatin1String("&amp;"), QLatin1String("&"))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""));
        page.words.push_back(PdfWord{text, m.captured(1).toDouble() * mmPerPoint, m.captured(2).toDouble() * mmPerPoint,
                                     m.captured(3).toDouble() * mmPerPoint, m.captured(4).toDouble() * mmPerPoint});
    }
    page.ok = true;
    return page;
}
