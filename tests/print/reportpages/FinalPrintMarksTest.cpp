// A final print never puts a row of '#' in place of a declared value without a word: the print
// dialog first lists, in both languages, each page and box that would print so (PS-007) and
// prints only when the person answers Yes; a test print goes on as it is.
#include "print/binding/BindReportFields.h"
#include "print/dialog/MarkedValuesQuestion.h"
#include "print/dialog/PrintDialogFixture.h"
#include "print/forms/EditorBindings.h"
#include "print/forms/ReportFormPages.h"
#include "print/forms/ReportForms.h"
#include "ui/editors/LayoutBoxNames.h"
#include "support/PdfWords.h"

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// Prints each job into a PDF file of its own.
class PdfFiles final : public PrintService {
public:
    explicit PdfFiles(QString dir) : dir_(std::move(dir)) {}
    QStringList printerNames() override { return {QStringLiteral("Office Laser")}; }
    int currentPrinterIndex() override { return 0; }
    bool setupPrinter(QWidget*, const ReportPage&, PrinterChoice&) override { return false; }
    PrintOutcome print(ReportPage& page, const PagePrintRequest& request, const PrinterChoice&, PrintFailure& failure) override
    {
        files << dir_ + u'/' + request.docName + QStringLiteral(".pdf");
        return SystemPrintService().print(page, request, {-1, files.last(), QString()}, failure);
    }
    QStringList files;

private:
    QString dir_;
};

// M/4's front of a declaration without errors: 1,000,000,000 typed on line 1 (2) and reached by
// line 3's sum (1)+(2) of 600,000,000 and 400,000,000, at M/4's seven digits too wide for their
// boxes even at 6 points. The boxes are named in each language as the page names them.
class FinalPrintMarksTest : public PrintDialogFixture {
protected:
    void SetUp() override
    {
        PrintDialogFixture::SetUp();
        CleanDeclaration("0");
        PostFields(dm->cdsM4P1, {{"1_R1_Col2_Mop", "1000000000"}, {"1_R3_Col1_Mop", "600000000"},
                                 {"1_R3_Col2_Mop", "400000000"}});
        SetAutoMapPresenter([] {});
        forms = std::make_unique<ReportForms>(*dm);
        formPages = std::make_unique<ReportFormPages>(*forms, LayoutBoxName);
        ASSERT_TRUE(BindReportPagesFromLayouts(*forms, *dm));
        SetAutoMapPresenter({});
        dialog = std::make_unique<TFormPrnSetup>(*dm, *formPages, files);
        dialog->setDecimalSeparator(u'.');
    }
    void TearDown() override
    {
        dialog.reset();
        formPages.reset();
        forms.reset();
        PrintDialogFixture::TearDown();
    }
    void ShowPage(int pageCode)
    {
        dialog->PageCode = pageCode;
        dialog->FormShow();
        messages.clear();
    }

    QTemporaryDir out;
    PdfFiles files{out.path()};
    std::unique_ptr<ReportForms> forms;
    std::unique_ptr<ReportFormPages> formPages;
    std::unique_ptr<TFormPrnSetup> dialog;
};

}  // namespace

TEST_F(FinalPrintMarksTest, AFinalPrintSaysWhichBoxesWouldPrintAsMarksAndPrintsOnlyOnYes)
{
    ShowPage(6011);
    ASSERT_TRUE(dialog->CanPrint());

    // A test print goes on without a question, the marks on the page.
    dialog->btnPrintTestPage->click();
    EXPECT_EQ(messages.codes(), QStringList{});
    ASSERT_EQ(files.files.size(), 1);
    const PdfPage test = ReadPdfWords(files.files.last());
    EXPECT_TRUE(std::any_of(test.words.begin(), test.words.end(), [](const PdfWord& w) { return w.text.startsWith(u"####"); }));

    // No: nothing is printed, nothing ticked.
    messages.answer(QStringLiteral("PS-007"), mrNo);
    dialog->btnPrint->click();
    ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("PS-007")});
    EXPECT_EQ(messages.shown[0].dlgType, dtQuestion);
    EXPECT_EQ(files.files.size(), 1);
    EXPECT_FALSE(dialog->ItemTicked(0));
    const QString chn = messages.shown[0].chn, por = messages.shown[0].por;
    for (const auto& box : {std::pair{"第 1 行 (2) 期初結餘 - 稅則不認許部分",
                                      "linha 1 (2) Saldos iniciais - Importâncias não consideradas para efeitos fiscais"},
                            std::pair{"第 3 行 (1)+(2) 期初結餘", "linha 3 (1)+(2) Saldos iniciais"}}) {
        EXPECT_TRUE(chn.contains(QStringLiteral("\r\nM/4格式(正面)，%1：1,000,000,000").arg(QString::fromUtf8(box.first)))) << qPrintable(chn);
        EXPECT_TRUE(por.contains(QStringLiteral("\r\nModelo M/4 (frente), %1: 1,000,000,000").arg(QString::fromUtf8(box.second)))) << qPrintable(por);
    }
    EXPECT_FALSE(chn.contains(QStringLiteral("600,000,000")));  // it prints whole
    EXPECT_TRUE(chn.endsWith(QStringLiteral("仍要正式列印嗎？")));
    EXPECT_TRUE(por.endsWith(QStringLiteral("Imprimir a versão final mesmo assim?")));

    // Yes: the page prints as the test page did, and is ticked.
    messages.clear();
    messages.answer(QStringLiteral("PS-007"), mrYes);
    dialog->btnPrint->click();
    EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("PS-007")});
    EXPECT_EQ(files.files.size(), 2);
    EXPECT_TRUE(dialog->ItemTicked(0));

    // A page whose values all print whole prints at once.
    messages.clear();
    ShowPage(2011);
    dialog->btnPrint->click();
    EXPECT_EQ(messages.codes(), QStringList{});
    EXPECT_EQ(files.files.size(), 3);
}

// A list's sums too wide for their boxes, on the first sheet's front and on its back (14 rows: 12
// on the front, the sums carried to the back and the totals there): listed under the page's title
// with the sheet and face, named by the column they total, never cut to their first digits.
TEST_F(FinalPrintMarksTest, AListsSumTooWideForItsBoxIsListedUnderItsSheetAndFace)
{
    for (int i = 0; i < 14; ++i)
        ASSERT_TRUE(AppendRow(dm->cdsM3VCLF, {{"Codigo", "1.2"}, {"Tipo", "Edifícios"}, {"Ano_Aqu", "2020"},
                                              {"Mes_Ini_de_Util", "1"}, {"Col1_Mop", "9999999999999"},
                                              {"DA_Taxas", "4"}, {"DA_Meses", "12"}}));
    ShowPage(4011);
    struct Sum {
        const char* chn;  // the total's name in each language
        const char* por;
        const char* value;
    };
    const struct {
        int item;
        const char* pageChn;
        const char* pagePor;
        std::vector<Sum> sums;
    } cases[] = {
        // Columns (1), (3) and (8) sum alike; (3) and (8) share their Portuguese words.
        {0, "M/3格式(首頁正面) 第 Pag. 1 頁 - 正面 Frente", "Modelo M/3 (Campo cabeçalho da primeira página) 第 Pag. 1 頁 - 正面 Frente",
         {{"總計 (1) 購入價值", "Total (1) Valor de aquisição", "119,999,999,999,988"},
          {"總計 (3)=(1)-(2) 期末結餘", "Total (3)=(1)-(2) Valor líquido", "119,999,999,999,988"},
          {"總計 (8)=(3)-(7) 帳面淨值", "Total (8)=(3)-(7) Valor líquido", "119,999,999,999,988"}}},
        {1, "M/3格式(根據稅務法例計算之攤折) 第 Pag. 1 頁 背面 Verso",
         "Modelo M/3 (Valores Calculados Conforme a Legislação Fiscal) 第 Pag. 1 頁 背面 Verso",
         {{"承前 (1) 購入價值", "Transporte (1) Valor de aquisição", "119,999,999,999,988"},
          {"總計 (8)=(3)-(7) 帳面淨值", "Total (8)=(3)-(7) Valor líquido", "139,999,999,999,986"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        messages.clear();
        messages.answer(QStringLiteral("PS-007"), mrNo);
        dialog->CheckListBoxRptPage->setCurrentRow(c.item);
        dialog->btnPrint->click();
        ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("PS-007")});
        for (const Sum& sum : c.sums) {
            EXPECT_TRUE(messages.shown[0].chn.contains(
                QStringLiteral("\r\n%1，%2：%3\r\n")
                    .arg(QString::fromUtf8(c.pageChn), QString::fromUtf8(sum.chn), QString::fromLatin1(sum.value))))
                << qPrintable(messages.shown[0].chn);
            EXPECT_TRUE(messages.shown[0].por.contains(
                QStringLiteral("\r\n%1, %2: %3\r\n")
                    .arg(QString::fromUtf8(c.pagePor), QString::fromUtf8(sum.por), QString::fromLatin1(sum.value))))
                << qPrintable(messages.shown[0].por);
        }
    }
    EXPECT_EQ(files.files.size(), 0);
}

// Each value is listed under the title of the paper page it prints on: the second page of an A3
// sheet under its own, a list's faces with their sheet and face.
TEST_F(FinalPrintMarksTest, EachValueIsListedUnderThePageItPrintsOn)
{
    const struct {
        int valuePage, printed;
        const char* item;
        const char* chn;
        const char* por;
    } cases[] = {
        {1013, 1012, "背面 Verso", "M/1表格(背面右頁)", "Impresso Modelo M/1 (página direita do verso)"},
        {0, 1012, "背面 Verso", "M/1表格(背面左頁)", "Impresso modelo M/1 (página esquerda do verso)"},
        {0, 4011, "第 Pag. 1 頁 - 正面 Frente", "M/3格式(首頁正面) 第 Pag. 1 頁 - 正面 Frente",
         "Modelo M/3 (Campo cabeçalho da primeira página) 第 Pag. 1 頁 - 正面 Frente"},
        {0, 4016, "第 Pag. 2 頁 背面 Verso", "M/3格式(根據稅務法例計算之攤折) 第 Pag. 2 頁 背面 Verso",
         "Modelo M/3 (Valores Calculados Conforme a Legislação Fiscal) 第 Pag. 2 頁 背面 Verso"},
        {0, 5012, "第 Pag. 1 頁 背面 Verso", "M/3A格式(有形及無形資產報銷明細表) 第 Pag. 1 頁 背面 Verso",
         "Modelo M/3A (Discriminação dos Elementos Abatidos) 第 Pag. 1 頁 背面 Verso"},
    };
    for (const auto& c : cases) {
        messages.clear();
        messages.answer(QStringLiteral("PS-007"), mrNo);
        const MarkedValue value{c.valuePage, QStringLiteral("方格"), QStringLiteral("caixa"), QStringLiteral("1")};
        EXPECT_FALSE(ConfirmPrintWithMarks({value}, c.printed, 0, QString::fromUtf8(c.item)));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].chn.contains(QStringLiteral("\r\n%1，方格：1\r\n").arg(QString::fromUtf8(c.chn))))
            << qPrintable(messages.shown[0].chn);
        EXPECT_TRUE(messages.shown[0].por.contains(QStringLiteral("\r\n%1, caixa: 1\r\n").arg(QString::fromUtf8(c.por))))
            << qPrintable(messages.shown[0].por);
    }
}
