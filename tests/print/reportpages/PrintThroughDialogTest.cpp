// Every item of every page list printed through the print dialog's print code into PDF files from
// a filled folder: each value lands where qxprint's BOX lines for the same item put it, at the
// offsets the dialog took (the default margins, or those stored for this computer and printer).
#include "core/util/SystemInfo.h"
#include "print/FilledPages.h"
#include "print/binding/BindReportFields.h"
#include "print/dialog/TFormPrnSetup.h"
#include "print/forms/EditorBindings.h"
#include "print/forms/ReportFormPages.h"
#include "print/forms/ReportForms.h"
#include "support/DmFixture.h"
#include "support/FileBytes.h"
#include "support/PdfWords.h"
#include "tools/QxFolderRun.h"

#include <QListWidget>
#include <QPageLayout>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

const QString kPrinter = QStringLiteral("Office Laser");

// One printer; each print goes into a PDF file named after its print job.
class PdfPerJobService final : public PrintService {
public:
    explicit PdfPerJobService(QString dir) : dir_(std::move(dir)) {}
    QStringList printerNames() override { return {kPrinter}; }
    int currentPrinterIndex() override { return 0; }
    bool setupPrinter(QWidget*, const ReportPage&, PrinterChoice&) override { return false; }
    PrintOutcome print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice&, PrintFailure& failure) override
    {
        files.push_back(dir_ + u'/' + request.docName + QStringLiteral(".pdf"));
        return SystemPrintService().print(page, request, {-1, files.back(), QString()}, failure);
    }
    std::vector<QString> files;

private:
    QString dir_;
};

// The BOX lines of one-word texts that the PDF does not show at their anchor: the word's left
// edge, its middle or its right edge (with the trailing blanks of a right-aligned amount, as wide
// as the word's own monospaced characters), and its top.
QStringList MissingInPdf(const QStringList& boxLines, const PdfPage& pdf, int& checked)
{
    constexpr double kTolerance = 0.25;
    QStringList missing;
    for (const QString& line : boxLines) {
        const QStringList f = line.split(u'\t');
        const QString word = f.value(4).trimmed();
        if (word.isEmpty() || word.contains(u' '))
            continue;
        ++checked;
        const double x = f[2].toDouble(), y = f[3].toDouble();
        qsizetype trailing = 0;
        while (f[4].endsWith(QString(trailing + 1, u' ')))
            ++trailing;
        bool found = false;
        for (const PdfWord* w : pdf.find(word)) {
            const double blanks = trailing * (w->xMax - w->xMin) / word.size();
            const bool atX = std::abs(w->xMin - x) < kTolerance || std::abs((w->xMin + w->xMax) / 2 - x) < kTolerance
                             || std::abs(w->xMax + blanks - x) < kTolerance;
            found = found || (atX && std::abs(w->yMin - y) < kTolerance);
        }
        if (!found)
            missing << line;
    }
    return missing;
}

class PrintThroughDialogTest : public DmFixture {
protected:
    void SetUp() override
    {
        DmFixture::SetUp();
        FillSinglePages(*dm);
        AppendAssets(dm->cdsM3VCLF, 55);  // M/3: two sheets, the second ending on its back
        AppendAssets(dm->cdsM3AAli, 25);  // M/3A: two pages alienated, one written off
        AppendAssets(dm->cdsM3AAba, 5);
        ASSERT_EQ(dm->ProcessFormFolder(dir.path(), ffSaveAll), TFolderResult::frDone);
        // qxprint is another program: it reads a copy, as the open folder is locked to this one.
        ASSERT_TRUE(qxtest::copyFolder(dir.path(), saved.path()));
        SetAutoMapPresenter([] {});
        forms = std::make_unique<ReportForms>(*dm);
        pages = std::make_unique<ReportFormPages>(*forms);
        ASSERT_TRUE(BindReportPagesFromLayouts(*forms, *dm));
        SetAutoMapPresenter({});
    }
    void TearDown() override
    {
        pages.reset();
        forms.reset();
        DmFixture::TearDown();
    }

    // qxprint's BOX lines for the test page of item `item` of the list opened on `pageCode`.
    QStringList qxprintBoxes(int pageCode, bool m1OnA4, int item, const QStringList& offsets) const
    {
        QStringList args{QStringLiteral("--today"), QStringLiteral("2024-03-15"), saved.path(), QString::number(pageCode),
                         out.filePath(QStringLiteral("qxprint.pdf")), QStringLiteral("--test"), QStringLiteral("--boxes"),
                         QStringLiteral("--item"), QString::number(item)};
        if (!m1OnA4)
            args << QStringLiteral("--a3");
        const qxtest::ToolRun r = qxtest::RunTool(QStringLiteral(QX_QXPRINT), args + offsets, out.path());
        EXPECT_EQ(r.status, 0) << pageCode << " item " << item << qPrintable(r.err);
        return r.lines.filter(QRegularExpression(QStringLiteral("^BOX\t")));
    }

    QTemporaryDir out;
    QTemporaryDir saved;
    std::unique_ptr<ReportForms> forms;
    std::unique_ptr<ReportFormPages> pages;
};

}  // namespace

TEST_F(PrintThroughDialogTest, EveryItemOfEveryPageListPrintsItsValuesWhereQxprintPutsThem)
{
    // Offsets stored for Anexo A's front on this computer and printer: 5 mm right of and below
    // its default margins; qxprint, which does not see that printer, is given them.
    ReportPage& anexoA = *pages->reportPage(2011, false);
    const qx::Currency five = qx::Currency::fromUnits(5);
    const StoredOffsets stored{anexoA.defaultTopMargin() + five, anexoA.defaultLeftMargin() + five};
    StoreOffsets(dm->cdsPrnSetup, {2011, false, GetLocalComputerName(), kPrinter}, {}, stored);
    const QStringList storedArgs{QStringLiteral("--left"), stored.left.toString(), QStringLiteral("--top"), stored.top.toString()};

    PdfPerJobService service(out.path());
    TFormPrnSetup dialog(*dm, *pages, service);
    dialog.setDecimalSeparator(u'.');
    const struct {
        int pageCode;
        bool m1OnA4;
        int items;
    } lists[] = {{1011, true, 4},  {1011, false, 2}, {2011, false, 2}, {2111, false, 2}, {2211, false, 2}, {3011, false, 2},
                 {3111, false, 2}, {3311, false, 2}, {6012, false, 2}, {4011, false, 4}, {5011, false, 3}};
    int printedItems = 0;
    for (const auto& list : lists) {
        dialog.PageCode = list.pageCode;
        dialog.M1OnA4 = list.m1OnA4;
        dialog.FormShow();
        ASSERT_EQ(int(dialog.PageItems().items.size()), list.items) << list.pageCode;
        for (int item = 0; item < list.items; ++item) {
            SCOPED_TRACE(testing::Message() << list.pageCode << (list.m1OnA4 ? " A4" : "") << " item " << item);
            dialog.CheckListBoxRptPage->setCurrentRow(item);
            ASSERT_TRUE(dialog.btnPrintTestPage->isEnabled());
            const size_t before = service.files.size();
            dialog.btnPrintTestPage->click();
            ASSERT_EQ(service.files.size(), before + 1);
            EXPECT_EQ(std::count(service.files.begin(), service.files.end(), service.files.back()), 1);  // job names apart
            const PdfPage pdf = ReadPdfWords(service.files.back());
            ASSERT_TRUE(pdf.ok);
            const bool withStored = dialog.PageCode == 2011;
            const QStringList boxes = qxprintBoxes(list.pageCode, list.m1OnA4, item, withStored ? storedArgs : QStringList{});
            const QSizeF paper = dialog.CurrentReport()->paperLayout().fullRect(QPageLayout::Millimeter).size();
            EXPECT_NEAR(pdf.widthMm, paper.width(), 0.5);
            EXPECT_NEAR(pdf.heightMm, paper.height(), 0.5);
            int checked = 0;
            EXPECT_EQ(MissingInPdf(boxes, pdf, checked), QStringList{});
            EXPECT_TRUE(checked > 0 || dialog.PageCode == 1014);  // M/1 page 4 is its picture alone
            ++printedItems;
        }
        dialog.FormClose();
    }

    EXPECT_EQ(printedItems, 27);
}
