// The print dialog on a folder: the error gate and its explanation, the page list per form, the
// offsets per page, computer and printer, the offset edits, and what the test and final prints
// send to the printer and tick.
#include "print/dialog/PrintDialogFixture.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class PrnSetupDialog : public PrintDialogFixture {};

TEST_F(PrnSetupDialog, OneErrorAnywhereBlocksTheFinalPrintOfEveryPageAndTheLinksSayWhere)
{
    CleanDeclaration("0");
    Show(2011);
    EXPECT_TRUE(dlg->CanPrint());
    EXPECT_TRUE(dlg->btnPrint->isEnabled());
    EXPECT_FALSE(dlg->LabelWhyCannotPrintChn->isVisible());

    // Decimals are errors on M/4's front.
    PostFields(dm->cdsM4P1, {{"1_R1_Col1_Mop", "10.5"}});
    Reopen(2011);
    EXPECT_FALSE(dlg->CanPrint());
    EXPECT_TRUE(dlg->btnPrintTestPage->isEnabled());
    EXPECT_FALSE(dlg->btnPrint->isEnabled());
    EXPECT_TRUE(dlg->LabelWhyCannotPrintChn->isVisible());
    EXPECT_TRUE(dlg->LabelWhyCannotPrintPor->isVisible());
    messages.clear();
    QTest::mouseClick(dlg->LabelWhyCannotPrintPor, Qt::LeftButton);
    ASSERT_EQ(messages.codes(), QStringList{"PS-005"});
    EXPECT_EQ(messages.shown[0].chn,
              QStringLiteral("由於下列頁面中存在有錯誤的資料，故不能列印正式報表：\r\n\r\nM/4格式(正面)"));
    EXPECT_EQ(messages.shown[0].por, QStringLiteral("Devido a erro(s), nas páginas subsequentes, o modelo não pode "
                                                    "ser oficialmente impresso:\r\n\r\nModelo M/4 (frente)"));
    EXPECT_EQ(messages.shown[0].dlgType, dtError);
    // The final print is refused even when asked for directly.
    dlg->btnPrintClick(false);
    EXPECT_TRUE(printers.prints.empty());
}

TEST_F(PrnSetupDialog, OnlyTheAnnexPairOfTheFoldersSectorIsGated)
{
    CleanDeclaration("-1");
    PostFields(dm->cdsAnexoAP1, {{"I_R4_Mop", "0.5"}});  // an error on the general Anexo A
    Show(2011);
    EXPECT_TRUE(dlg->CanPrint());
    PostFields(dm->cdsSys, {{"Sector_ID", "11"}});
    Reopen(2011);
    EXPECT_TRUE(dlg->CanPrint());
    PostFields(dm->cdsSys, {{"Sector_ID", ""}});  // no sector chosen: no annex either
    Reopen(2011);
    EXPECT_TRUE(dlg->CanPrint());
    PostFields(dm->cdsSys, {{"Sector_ID", "0"}});
    Reopen(2011);
    EXPECT_FALSE(dlg->CanPrint());
}

TEST_F(PrnSetupDialog, M1OnA3OpensOnTheBackSheetForPage3AndA4Page4HasOffsetsOfItsOwn)
{
    Show(1013);
    EXPECT_EQ(Items(), (QStringList{"正面 Frente", "背面 Verso"}));
    EXPECT_EQ(dlg->CheckListBoxRptPage->currentRow(), 1);
    EXPECT_EQ(dlg->PageCode, 1012);
    EXPECT_EQ(dlg->CurrentReport(), &pages.page(1012));
    EXPECT_EQ(Offsets(), QStringLiteral("10.8/8.5"));
    Select(0);
    EXPECT_EQ(dlg->PageCode, 1011);
    EXPECT_EQ(Offsets(), QStringLiteral("11/219.2"));

    Reopen(1014, true);
    EXPECT_EQ(dlg->CheckListBoxRptPage->currentRow(), 3);
    SetOffsets("3", "4.25");
    dlg->SavePrinterSettings();
    Select(2);
    EXPECT_EQ(Offsets(), QStringLiteral("10.8/8.5"));
    Select(3);
    EXPECT_EQ(Offsets(), QStringLiteral("3/4.25"));
    // Offsets saved on the A4 page 1 do not move the A3 front sheet.
    Select(0);
    SetOffsets("2", "7");
    dlg->SavePrinterSettings();
    Reopen(1011, false);
    EXPECT_EQ(Offsets(), QStringLiteral("11/219.2"));
}

TEST_F(PrnSetupDialog, M3SheetsListTheSheetsAndPrintTheSheetOfTheItem)
{
    CleanDeclaration("0");
    AppendEmptyRows(dm->cdsM3VCLF, 70);  // three sheets, the last one on its front
    dlg->PagNum = 2;
    dlg->FaceNum = 2;
    Show(4012);
    EXPECT_EQ(Items(), (QStringList{"第 Pag. 1 頁 - 正面 Frente", "               背面 Verso",
                                    "第 Pag. 2 頁 - 正面 Frente (續頁 Cont.)", "               背面 Verso  (續頁 Cont.)",
                                    "第 Pag. 3 頁 - 正面 Frente (續頁 Cont.)"}));
    EXPECT_EQ(dlg->CheckListBoxRptPage->currentRow(), 3);
    EXPECT_EQ(dlg->PageCode, 4016);
    dlg->btnPrintClick(false);
    ASSERT_EQ(printers.prints.size(), 1u);
    EXPECT_EQ(printers.prints[0].page, &pages.page(4016));
    EXPECT_EQ(printers.prints[0].request.pagNum, 2);
    Select(4);
    dlg->btnPrintClick(true);
    ASSERT_EQ(printers.prints.size(), 2u);
    EXPECT_EQ(printers.prints[1].page, &pages.page(4015));
    EXPECT_EQ(printers.prints[1].request.pagNum, 3);
    EXPECT_TRUE(printers.prints[1].request.testPage);
    EXPECT_EQ(printers.prints[0].request.docName, QStringLiteral("Quendrix 4016-2"));
    EXPECT_EQ(printers.prints[1].request.docName, QStringLiteral("Quendrix 4015-3 test"));
}

TEST_F(PrnSetupDialog, M3AListsItsPagesAndNeverPrintsADisabledItem)
{
    CleanDeclaration("0");
    AppendEmptyRows(dm->cdsM3AAli, 21);
    AppendEmptyRows(dm->cdsM3AAba, 1);
    Show(5012);
    EXPECT_EQ(Items(), (QStringList{"第 Pag. 1 頁 - 正面 Frente", "               背面 Verso", "第 Pag. 2 頁 - 正面 Frente"}));
    EXPECT_EQ(dlg->CheckListBoxRptPage->currentRow(), 1);
    dlg->btnPrintClick(false);
    ASSERT_EQ(printers.prints.size(), 1u);
    EXPECT_EQ(printers.prints[0].page, &pages.page(5012));
    EXPECT_EQ(printers.prints[0].request.pagNum, 1);

    // Three pages of alienated rows, one of written-off rows: the back of page 2 stays listed,
    // disabled, and neither print button takes it, however it was reached.
    AppendEmptyRows(dm->cdsM3AAli, 20);
    Reopen(5011);
    ASSERT_EQ(dlg->CheckListBoxRptPage->count(), 5);
    EXPECT_FALSE(dlg->PageItems().items[3].enabled);
    Select(2);
    EXPECT_TRUE(dlg->btnPrint->isEnabled());
    Select(3);
    EXPECT_FALSE(dlg->btnPrintTestPage->isEnabled());
    EXPECT_FALSE(dlg->btnPrint->isEnabled());
    dlg->btnPrintClick(true);
    dlg->btnPrintClick(false);
    EXPECT_EQ(printers.prints.size(), 1u);
    Select(4);
    EXPECT_TRUE(dlg->btnPrint->isEnabled());
}

// Clicks on the page list: on its empty space, or with Ctrl on the item chosen, no page is chosen,
// and the offsets, the printer choice, save and both prints wait until one is chosen again.
TEST_F(PrnSetupDialog, WithNoPageChosenNothingCanBeEditedSavedOrPrinted)
{
    CleanDeclaration("11");
    Show(6011);
    QListWidget& list = *dlg->CheckListBoxRptPage;
    const QPoint front = list.visualItemRect(list.item(0)).center();
    const QPoint back = list.visualItemRect(list.item(1)).center();
    const QPoint empty(back.x(), list.visualItemRect(list.item(1)).bottom() + 20);
    ASSERT_EQ(list.itemAt(empty), nullptr);
    const struct {
        QPoint at;
        Qt::KeyboardModifiers keys;
        bool chosen;
        int pageCode;
    } clicks[] = {
        {empty, {}, false, 6011}, {front, {}, true, 6011}, {empty, {}, false, 6011}, {front, {}, true, 6011},
        {front, Qt::ControlModifier, false, 6011}, {back, {}, true, 6012}, {empty, {}, false, 6012},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(testing::Message() << c.at.y() << ' ' << int(c.keys));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, c.keys, c.at);
        for (QWidget* control : std::initializer_list<QWidget*>{dlg->EditTopMargin, dlg->EditLeftMargin, dlg->btnSelectPrinter,
                                                                dlg->btnSaveSetting, dlg->btnPrintTestPage, dlg->btnPrint})
            EXPECT_EQ(control->isEnabled(), c.chosen) << control->metaObject()->className();
        EXPECT_EQ(dlg->PageCode, c.pageCode);
    }
    dlg->btnPrintClick(true);
    dlg->SavePrinterSettings();
    EXPECT_TRUE(printers.prints.empty());
    EXPECT_EQ(dm->cdsPrnSetup.recordCount(), 1);  // the blank row of a new folder only
}

TEST_F(PrnSetupDialog, OffsetEditsTakeOnlyWhatMakesANumber)
{
    Show(6011);
    dlg->EditTopMargin->clear();
    QTest::keyClicks(dlg->EditTopMargin, QStringLiteral("12,5.7.x"));
    EXPECT_EQ(dlg->EditTopMargin->text(), QStringLiteral("125.7"));
    QTest::keyClick(dlg->EditTopMargin, Qt::Key_Home);
    QTest::keyClick(dlg->EditTopMargin, Qt::Key_Delete);
    EXPECT_EQ(dlg->EditTopMargin->text(), QStringLiteral("25.7"));
    dlg->setDecimalSeparator(u',');
    dlg->EditLeftMargin->clear();
    QTest::keyClicks(dlg->EditLeftMargin, QStringLiteral("3.2,5,"));
    EXPECT_EQ(dlg->EditLeftMargin->text(), QStringLiteral("32,5"));
    dlg->setDecimalSeparator(u'.');
    QTest::keyClick(dlg->EditLeftMargin, Qt::Key_Return);
    EXPECT_TRUE(printers.prints.empty());
    EXPECT_TRUE(dlg->isVisible());

    const struct {
        const char* top;
        const char* left;
        const char* code;
    } cases[] = {{"10", "", "PS-003"}, {"", "10", "PS-004"}, {"", "", "PS-003"}};
    for (const auto& c : cases) {
        messages.clear();
        SetOffsets(c.top, c.left);
        dlg->btnPrintClick(true);
        dlg->SavePrinterSettings();
        EXPECT_EQ(messages.codes(), (QStringList{c.code, c.code})) << c.top << '/' << c.left;
    }
    EXPECT_TRUE(printers.prints.empty());
    EXPECT_EQ(dm->cdsPrnSetup.recordCount(), 1);  // the blank row of a new folder only
    // Choosing a printer reads the offsets quietly.
    messages.clear();
    SetOffsets("5", "");
    dlg->btnSelectPrinterClick();
    EXPECT_TRUE(messages.shown.empty());
}

// The stand-in page's boxes, 60 × 30 mm, on A4 landscape keep on the paper up to a top offset of
// 159.9929 mm and a left one of 224.5 mm; they would stay on it down to -20.0071 and -12.5 mm.
TEST_F(PrnSetupDialog, AnOffsetThatPutsTheBoxesOffThePaperIsRefusedAndTheOldValueStays)
{
    Show(6011);
    dlg->activateWindow();
    QApplication::setActiveWindow(dlg.get());
    enum class Finish { Enter, Tab, Save, Print };
    const struct {
        QLineEdit* edit;
        const char* typed;  // after Ctrl+A, which the edit swallows: typed after what it shows
        Finish finish;
        const char* code;   // nullptr: taken
        const char* after;
    } cases[] = {
        {dlg->EditTopMargin, "15", Finish::Enter, "PS-009", "10"},  // 15 over 10 gives 1015
        {dlg->EditLeftMargin, "15", Finish::Tab, "PS-008", "10"},
        {dlg->EditTopMargin, "0", Finish::Enter, nullptr, "100"},
        {dlg->EditTopMargin, "0", Finish::Tab, "PS-009", "100"},  // the value taken last stays
        {dlg->EditTopMargin, "0", Finish::Save, "PS-009", "100"},
        {dlg->EditLeftMargin, "00", Finish::Print, "PS-008", "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed << ' ' << int(c.finish));
        messages.clear();
        c.edit->setFocus();
        QTest::keyClick(c.edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(c.edit, QString::fromLatin1(c.typed));
        switch (c.finish) {
        case Finish::Enter: QTest::keyClick(c.edit, Qt::Key_Return); break;
        case Finish::Tab: QTest::keyClick(c.edit, Qt::Key_Tab); break;
        case Finish::Save: dlg->btnSaveSetting->click(); break;
        case Finish::Print: dlg->btnPrintTestPage->click(); break;
        }
        EXPECT_EQ(messages.codes(), c.code ? QStringList{QString::fromLatin1(c.code)} : QStringList{});
        EXPECT_EQ(c.edit->text(), QString::fromLatin1(c.after));
    }
    EXPECT_TRUE(printers.prints.empty());
    EXPECT_EQ(dm->cdsPrnSetup.recordCount(), 1);  // the blank row of a new folder only
    messages.clear();
    SetOffsets("1115", "10");
    dlg->btnSaveSetting->click();
    ASSERT_EQ(messages.codes(), QStringList{"PS-009"});
    EXPECT_EQ(messages.shown[0].chn, QStringLiteral("上邊界 1115 mm 會使欄位印到紙張以外，請輸入 0 至 159.9 mm 之間的數值"));
    EXPECT_EQ(messages.shown[0].por, QStringLiteral("Com a margem de topo de 1115 mm os campos ficam fora do papel. "
                                                    "Por favor, insira um valor entre 0 e 159.9 mm."));
    EXPECT_EQ(messages.shown[0].dlgType, dtError);

    // Destroyed while an offset box has the focus, changed to put the page off its paper: the box's
    // check does not run on a dialog half destroyed.
    messages.clear();
    dlg->EditLeftMargin->setFocus();
    QTest::keyClicks(dlg->EditLeftMargin, QStringLiteral("99"));
    ASSERT_TRUE(dlg->EditLeftMargin->hasFocus());
    dlg.reset();
    EXPECT_TRUE(messages.shown.empty());
}

// Offsets stored by another computer's program for this computer's name are refused when their
// page is chosen, each edge against its own range: the page keeps the offsets it had and prints on
// the paper. The stand-in's left offsets reach 224.5 mm on A4 landscape (M/4) and 137.5 mm upright
// (Anexo A), its top ones 159.9929 and 246.9929 mm.
TEST_F(PrnSetupDialog, StoredOffsetsOffThePaperAreRefusedWhenTheirPageIsChosen)
{
    PostFields(dm->cdsSys, {{"Sector_ID", "11"}});
    const struct {
        int code;
        int top, left;      // stored
        const char* said;   // nullptr: taken
        int shownTop, shownLeft;
    } cases[] = {
        {6012, 5, 170, nullptr, 5, 170},  // left beyond the top's range, within its own
        {6011, 1115, 5, "PS-009", 10, 10},
        {2111, 5, 200, "PS-008", 10, 10},  // left within the top's range, beyond its own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        StoreOffsets(dm->cdsPrnSetup, {c.code, false, dlg->PanelComputerName->text(), QStringLiteral("Office Laser")},
                     {}, {qx::Currency::fromUnits(c.top), qx::Currency::fromUnits(c.left)});
        messages.clear();
        Reopen(c.code);
        EXPECT_EQ(messages.codes(), c.said ? QStringList{QString::fromLatin1(c.said)} : QStringList{});
        EXPECT_EQ(Offsets(), QStringLiteral("%1/%2").arg(c.shownTop).arg(c.shownLeft));
        QTest::mouseClick(dlg->btnPrintTestPage, Qt::LeftButton);
        ASSERT_FALSE(printers.prints.empty());
        EXPECT_EQ(printers.prints.back().request.topMm, qx::Currency::fromUnits(c.shownTop));
        EXPECT_EQ(printers.prints.back().request.leftMm, qx::Currency::fromUnits(c.shownLeft));
    }
}

TEST_F(PrnSetupDialog, SavedOffsetsServeOnlyTheirPrinterAndComputer)
{
    const QString computer = dlg->PanelComputerName->text();
    auto addRow = [&](const QString& comp, const char* printer, const char* top) {
        auto& rows = dm->cdsPrnSetup;
        rows.append();
        rows.fieldByName(u"Rpt_ID").setAsString(QStringLiteral("6011"));
        rows.fieldByName(u"Computer_Name").setAsString(comp);
        rows.fieldByName(u"Printer_Name").setAsString(QString::fromLatin1(printer));
        rows.fieldByName(u"Top_Margin").setAsString(QString::fromLatin1(top));
        rows.fieldByName(u"Left_Margin").setAsString(QStringLiteral("1"));
        rows.post();
    };
    addRow(computer, "Back Room", "20");
    addRow(QStringLiteral("ANOTHER-PC"), "Office Laser", "30");
    Show(6011);
    EXPECT_EQ(dlg->PanelPrinterName->text(), QStringLiteral("Office Laser"));
    EXPECT_EQ(Offsets(), QStringLiteral("10/10"));

    printers.setupChoice = 1;
    dlg->btnSelectPrinterClick();
    EXPECT_EQ(dlg->PanelPrinterName->text(), QStringLiteral("Back Room"));
    EXPECT_EQ(dlg->PanelPrinterNameTag, 1);
    EXPECT_EQ(Offsets(), QStringLiteral("20/1"));

    // Saved for the printer shown; the page keeps its printer for the run, by its name when a
    // printer added since comes before it in the list.
    SetOffsets("22", "2");
    dlg->SavePrinterSettings();
    printers.names.prepend(QStringLiteral("Annex"));
    Reopen(6011);
    EXPECT_EQ(dlg->PanelPrinterName->text(), QStringLiteral("Back Room"));
    EXPECT_EQ(Offsets(), QStringLiteral("22/2"));
    EXPECT_EQ(dm->cdsPrnSetup.recordCount(), 3);
    printers.names.removeFirst();

    // A PDF file chosen: the printer line names it in the program's two languages, and its
    // offsets are saved and found again like a printer's, under the name stored folders know.
    const QString pdfCaption = QStringLiteral("列印到 PDF 檔案 Imprimir em PDF");
    printers.setupPdfFile = QStringLiteral("/tmp/page.pdf");
    dlg->btnSelectPrinterClick();
    EXPECT_EQ(dlg->PanelPrinterName->text(), pdfCaption);
    EXPECT_EQ(dlg->PanelPrinterName->toolTip(), QStringLiteral("/tmp/page.pdf"));
    EXPECT_TRUE(dlg->btnSaveSetting->isEnabled());
    SetOffsets("8", "4");
    dlg->SavePrinterSettings();
    EXPECT_EQ(dm->cdsPrnSetup.recordCount(), 4);
    EXPECT_EQ(dm->cdsPrnSetup.fieldByName(u"Printer_Name").asString(), QStringLiteral("Print to File (PDF)"));
    Reopen(6011);
    EXPECT_EQ(dlg->PanelPrinterName->text(), pdfCaption);
    EXPECT_EQ(Offsets(), QStringLiteral("8/4"));
    dlg->btnPrintClick(true);
    ASSERT_EQ(printers.prints.size(), 1u);
    EXPECT_EQ(printers.prints[0].printer.pdfFile, QStringLiteral("/tmp/page.pdf"));
    printers.setupPdfFile.clear();
    dlg->btnSelectPrinterClick();  // back to a printer: its own offsets
    EXPECT_EQ(dlg->PanelPrinterName->text(), QStringLiteral("Back Room"));
    EXPECT_EQ(Offsets(), QStringLiteral("22/2"));
}

TEST_F(PrnSetupDialog, WithoutAPrinterNothingIsSavedAndAPrintFailsVisibly)
{
    printers.names.clear();
    printers.current = -1;
    Show(6011);
    EXPECT_EQ(dlg->PanelPrinterName->text(), QStringLiteral("---"));
    EXPECT_FALSE(dlg->btnSaveSetting->isEnabled());
    EXPECT_TRUE(dlg->EditTopMargin->isEnabled());
    dlg->SavePrinterSettings();
    EXPECT_EQ(dm->cdsPrnSetup.recordCount(), 1);

    // Each cause, in each language on a line of its own under that language's sentence.
    const struct {
        PrintFailure failure;
        const char* chn;
        const char* por;
    } causes[] = {
        {{PrintFailureCause::NoPrinter, {}}, "沒有可用的印表機。", "Não há nenhuma impressora disponível."},
        {{PrintFailureCause::NoPrinterChosen, {}}, "尚未選擇印表機。", "Não foi escolhida nenhuma impressora."},
        {{PrintFailureCause::PrinterGone, QStringLiteral("Back Room")}, "所選的印表機「Back Room」已無法使用。",
         "A impressora escolhida «Back Room» já não está disponível."},
        {{PrintFailureCause::PaperSize, {}}, "印表機不接受此頁的紙張大小。",
         "A impressora não aceita o tamanho de papel desta página."},
        {{PrintFailureCause::JobNotStarted, {}}, "無法開始列印工作。", "Não foi possível iniciar o trabalho de impressão."},
        {{PrintFailureCause::JobNotAccepted, {}}, "列印服務不接受此列印工作。",
         "O serviço de impressão não aceitou o trabalho de impressão."},
    };
    for (const auto& c : causes) {
        messages.clear();
        printers.failure = c.failure;
        dlg->btnPrintClick(true);
        ASSERT_EQ(messages.codes(), QStringList{"PS-006"}) << c.por;
        EXPECT_EQ(messages.shown[0].chn, QStringLiteral("列印失敗。\r\n") + QString::fromUtf8(c.chn));
        EXPECT_EQ(messages.shown[0].por, QStringLiteral("Falha na impressão.\r\n") + QString::fromUtf8(c.por));
    }
    EXPECT_FALSE(dlg->ItemTicked(0));
    // The system's print service finds no printer chosen itself.
    PrintFailure failure;
    EXPECT_EQ(SystemPrintService().print(pages.page(6011), {}, {}, failure), PrintOutcome::Failed);
    EXPECT_EQ(failure.cause, SystemPrintService().printerNames().isEmpty() ? PrintFailureCause::NoPrinter
                                                                           : PrintFailureCause::NoPrinterChosen);
}

TEST_F(PrnSetupDialog, OnlyAFinalPrintTicksItsItemForThisShowing)
{
    CleanDeclaration("11");
    Show(6012);
    ASSERT_EQ(dlg->CheckListBoxRptPage->count(), 2);
    SetOffsets("7.5", "3");
    dlg->btnPrintClick(true);
    EXPECT_FALSE(dlg->ItemTicked(1));
    dlg->btnPrintClick(false);
    EXPECT_TRUE(dlg->ItemTicked(1));
    ASSERT_EQ(printers.prints.size(), 2u);
    EXPECT_TRUE(printers.prints[0].request.testPage);
    EXPECT_FALSE(printers.prints[1].request.testPage);
    EXPECT_EQ(printers.prints[1].request.topMm, qx::Currency::parse(u"7.5"));
    EXPECT_EQ(printers.prints[1].printer.index, 0);
    EXPECT_EQ(printers.prints[1].printer.name, QStringLiteral("Office Laser"));
    // A page with nothing to print ticks nothing.
    Select(0);
    pages.page(6011).content = false;
    dlg->btnPrintClick(false);
    EXPECT_FALSE(dlg->ItemTicked(0));
    Reopen(6012);
    EXPECT_FALSE(dlg->ItemTicked(1));
    // Closing forgets the report page and the printer shown.
    dlg->reject();
    EXPECT_EQ(dlg->CurrentReport(), nullptr);
    EXPECT_TRUE(dlg->PanelPrinterName->text().isEmpty());
}

}  // namespace

namespace {

// The dialog as the user sees it: an M/3 list with errors in the declaration. QX_SCREENSHOT_DIR
// keeps the picture.
TEST_F(PrnSetupDialog, DrawsTheSheetListAndTheLinks)
{
    AppendEmptyRows(dm->cdsM3VCLF, 60);  // two sheets, both faces
    dlg->PagNum = 2;
    dlg->FaceNum = 1;
    Show(4011);
    ASSERT_FALSE(dlg->CanPrint());
    const QImage shot = dlg->grab().toImage();
    if (const QString dir = qEnvironmentVariable("QX_SCREENSHOT_DIR"); !dir.isEmpty())
        shot.save(dir + QStringLiteral("/print-dialog-m3.png"));
    const QRect link = dlg->LabelWhyCannotPrintChn->geometry();
    bool blue = false;
    for (int x = link.left(); x < link.right() && !blue; ++x)
        for (int y = link.top(); y < link.bottom() && !blue; ++y) {
            const QColor c = shot.pixelColor(x, y);
            blue = c.blue() > 150 && c.red() < 100 && c.green() < 100;
        }
    EXPECT_TRUE(blue);
    EXPECT_EQ(dlg->CheckListBoxRptPage->count(), 4);
}

// 轉換印表機 opens the system's printer dialog only to choose a printer: its button says so
// rather than "Print".
TEST(SystemPrinterChoice, TheDialogsButtonSaysItChoosesAndNotPrint)
{
    FakeReportPage page(PaperOf(QPageSize::A4, QPageLayout::Portrait), "10", "10");
    SystemPrintService service;
    QString title;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        title = dialog->windowTitle();
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->isVisible())
                buttons << b->text();
        dialog->reject();
    });
    PrinterChoice choice{3, QString(), QString()};
    EXPECT_FALSE(service.setupPrinter(nullptr, page, choice));
    EXPECT_EQ(choice.index, 3) << "cancelled: the choice stays";
    EXPECT_EQ(title, QStringLiteral("轉換印表機"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("選擇 &Escolher"))) << buttons.join(u'|').toStdString();
    EXPECT_FALSE(buttons.contains(QStringLiteral("&Print"))) << buttons.join(u'|').toStdString();
}

}  // namespace
