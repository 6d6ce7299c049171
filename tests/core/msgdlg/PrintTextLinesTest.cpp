#include "core/msgdlg/PrintTextLines.h"
#include "core/util/Clock.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PrintTextLinesPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetFixedNow(QDateTime(QDate(2024, 12, 31), QTime(23, 58, 7)));
        font.setFamily(QStringLiteral("Liberation Sans"));
        font.setPixelSize(19);
    }
    void TearDown() override { SetFixedNow({}); }

    std::unique_ptr<QPrinter> pdfPrinter(const QString& name, QSizeF pageMm = QSizeF(210, 297), int dpi = 600)
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath(name));
        printer->setResolution(dpi);
        printer->setPageSize(QPageSize(pageMm, QPageSize::Millimeter));
        printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        return printer;
    }

    // The text of each page of the PDF.
    static QStringList pdfPages(const QString& file)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return {QStringLiteral("pdftotext failed")};
        QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    static QStringList numbered(int count)
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines << QStringLiteral("Line %1").arg(i, 3, 10, QLatin1Char('0'));
        return lines;
    }

    QTemporaryDir dir;
    QFont font;
    const QString title = QStringLiteral("Quendrix - Message");
};

}  // namespace

TEST_F(PrintTextLinesPdf, EmptyListPrintsOnePageWithHeaderAndFooter)
{
    auto printer = pdfPrinter(QStringLiteral("empty.pdf"));
    PrintTextLines(*printer, title, {}, font);
    const QStringList pages = pdfPages(printer->outputFileName());
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(title));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("31/12/2024 23:58:07")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Page 1")));
}

TEST_F(PrintTextLinesPdf, ExactlyFullPageIsOnePageAndOneMoreLineStartsAnother)
{
    auto probe = pdfPrinter(QStringLiteral("probe.pdf"));
    const int perPage = LayoutTextPage(*probe, title, font).linesPerPage;
    ASSERT_GT(perPage, 10);

    auto full = pdfPrinter(QStringLiteral("full.pdf"));
    PrintTextLines(*full, title, numbered(perPage), font);
    const QStringList onePage = pdfPages(full->outputFileName());
    ASSERT_EQ(onePage.size(), 1);
    EXPECT_TRUE(onePage[0].contains(numbered(perPage).last()));

    auto over = pdfPrinter(QStringLiteral("over.pdf"));
    PrintTextLines(*over, title, numbered(perPage + 1), font);
    const QStringList twoPages = pdfPages(over->outputFileName());
    ASSERT_EQ(twoPages.size(), 2);
    EXPECT_FALSE(twoPages[0].contains(numbered(perPage + 1).last()));
    EXPECT_TRUE(twoPages[1].contains(numbered(perPage + 1).last()));
    EXPECT_TRUE(twoPages[1].contains(title));
    EXPECT_TRUE(twoPages[1].contains(QStringLiteral("Page 2")));
}

TEST_F(PrintTextLinesPdf, PagingDoesNotDependOnTheDeviceResolution)
{
    auto low = pdfPrinter(QStringLiteral("low.pdf"), QSizeF(210, 297), 300);
    auto high = pdfPrinter(QStringLiteral("high.pdf"), QSizeF(210, 297), 1200);
    const TextPageLayout a = LayoutTextPage(*low, title, font);
    const TextPageLayout b = LayoutTextPage(*high, title, font);
    EXPECT_EQ(a.linesPerPage, b.linesPerPage);
    // The pitch is the same length on paper: 8 x 19 pixels of a 600 dpi printer.
    EXPECT_NEAR(a.linePitch * 72.0 / 300, 18.24, 0.2);
    EXPECT_NEAR(b.linePitch * 72.0 / 1200, 18.24, 0.05);
    EXPECT_EQ(TextLinePitch(font, 600), 152);

    PrintTextLines(*high, title, numbered(a.linesPerPage + 1), font);
    EXPECT_EQ(pdfPages(high->outputFileName()).size(), 2);
}

TEST_F(PrintTextLinesPdf, TinyPagesStillEnd)
{
    // A page narrower than one title character and too short for a line above the footer.
    auto tiny = pdfPrinter(QStringLiteral("tiny.pdf"), QSizeF(4, 20));
    const TextPageLayout layout = LayoutTextPage(*tiny, title, font);
    EXPECT_EQ(layout.titlePieces.size(), title.size());
    EXPECT_EQ(layout.linesPerPage, 1);
    PrintTextLines(*tiny, title, numbered(3), font);
    EXPECT_EQ(pdfPages(tiny->outputFileName()).size(), 3);
}
