#include "PrintWalker.h"

#include "EditorWalker.h"
#include "core/check/RuleText.h"
#include "core/module/TdmMain.h"
#include "platform/data/ClientDataSet.h"
#include "platform/layout/PageLayout.h"
#include "print/dialog/TFormPrnSetup.h"
#include "support/ModalScript.h"
#include "support/PdfWords.h"
#include "ui/framework/TFormFill.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Waits in the event loop until the script ran, so that a modal window opened by a click is
// answered before the click returns.
void RunScripted(ModalScript& script, const std::function<void()>& open)
{
    open();
    Settle();
    EXPECT_TRUE(script.done()) << "a scripted window did not open";
}

// The system's printer dialog: the PDF file entry, the file named.
void ChoosePdf(QWidget& w, const QString& file)
{
    auto* printers = w.findChild<QComboBox*>(QStringLiteral("printers"));
    auto* name = w.findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_TRUE(printers && name) << "not the printer dialog: " << w.metaObject()->className();
    const int pdf = printers->findText(QStringLiteral("PDF"), Qt::MatchContains);
    if (pdf >= 0)
        printers->setCurrentIndex(pdf);
    name->setText(file);
    static_cast<QDialog&>(w).accept();
}

// The editor page that prints as `pageCode`; nullptr for a picture-only page.
qx::ClientDataSet* DataSetOfPageCode(TFormFill& editor, int pageCode)
{
    for (int p = 0; p < editor.PageCount(); ++p)
        if (editor.PageAt(p).spec.pageCode == pageCode)
            return editor.PageAt(p).spec.dataSet;
    return nullptr;
}

// Every record of `ds` shows, for each declaration field, its display text's first word inside one of the
// field's boxes of `layoutName` (a list's rows each in a line of boxes).
void ExpectInBoxes(const QString& pdf, const QString& layoutName, qx::ClientDataSet& ds, std::span<const Entry> declaration)
{
    const PdfPage page = ReadPdfWords(pdf);
    ASSERT_TRUE(page.ok) << pdf.toStdString();
    const qx::PageLayout& layout = qx::pageLayout(layoutName);
    for (ds.first(); !ds.eof(); ds.next()) {
        for (const Entry& row : declaration) {
            const qx::Field* f = ds.findField(QString::fromLatin1(row.field));
            if (!f)
                continue;
            // Its first word; of a date, which may print day, month and year apart, its year.
            const bool date = f->dataType() == qx::FieldType::Date;
            const QString word = f->displayText().section(QRegularExpression(QStringLiteral("[ /]")), date ? -1 : 0, date ? -1 : 0,
                                                          QString::SectionSkipEmpty);
            if (word.isEmpty())
                continue;
            bool inBox = false;
            for (const qx::Box& box : layout.boxes) {
                if (!box.isBound() || box.field.compare(f->fieldName(), Qt::CaseInsensitive) != 0)
                    continue;
                const QRectF area = box.mm.adjusted(-2, -2, 2, 2);
                // The word starts in the box and stays on its line (a long date may run past its end).
                for (const PdfWord* w : page.find(word))
                    inBox = inBox || (area.contains(QPointF(w->xMin, w->yMin)) && area.contains(QPointF(w->xMin, w->yMax)));
            }
            EXPECT_TRUE(inBox) << QFileInfo(pdf).fileName().toStdString() << ": " << row.field << " (\""
                               << word.toStdString() << "\") is not printed in its box";
        }
    }
}

// A sheet that prints the rows of an editor's list page, as lines of boxes.
struct ListSheet {
    int pageCode;
    const char* layout;
    int listPage;
};
const ListSheet kListSheets[] = {{4011, "M3Front", 1}};

// The error alerts of the declaration, as the print dialog's gate sees them.
QString ErrorAlerts()
{
    QStringList errors;
    qx::ClientDataSet& alerts = dmMain->cdsAlert;
    for (alerts.first(); !alerts.eof(); alerts.next())
        if (alerts.fieldByName(u"Alert_Type").asInteger() == kErrorAlert)
            errors << alerts.fieldByName(u"Obj_Code").asString() + QLatin1Char(' ') + alerts.fieldByName(u"Field_Name").asString()
                          + QStringLiteral(": ") + alerts.fieldByName(u"Msg_Por").asString();
    return errors.join(QStringLiteral("; "));
}

}  // namespace

int PrintEveryPageToPdf(TFormFill& editor, bool a3, const QString& pdfFolder, std::span<const Entry> declaration)
{
    int printed = 0;
    ModalScript dialogScript;
    dialogScript.then([&](QWidget& w) {
        auto* dialog = qobject_cast<TFormPrnSetup*>(&w);
        if (!dialog) {
            ADD_FAILURE() << "the print command opened " << w.metaObject()->className();
            if (auto* d = qobject_cast<QDialog*>(&w))
                d->reject();
            return;
        }
        QListWidget* list = dialog->CheckListBoxRptPage;
        for (int i = 0; i < list->count(); ++i) {
            if (!(list->item(i)->flags() & Qt::ItemIsEnabled))
                continue;
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
            Settle();
            const int code = PageCodeOfItem(dialog->PageItems(), i);
            if (!dialog->CurrentReport()) {
                ADD_FAILURE() << "the print dialog has no report page for " << code;
                continue;
            }
            const QString pdf = QStringLiteral("%1/%2%3-%4.pdf").arg(pdfFolder, editor.objectName(), a3 ? QStringLiteral("-A3") : QString()).arg(i);
            ModalScript printerScript;
            printerScript.then([&](QWidget& p) { ChoosePdf(p, pdf); });
            RunScripted(printerScript, [&] { QTest::mouseClick(dialog->btnSelectPrinter, Qt::LeftButton); });
            QTest::mouseClick(dialog->btnPrintTestPage, Qt::LeftButton);
            Settle();
            EXPECT_GT(QFileInfo(pdf).size(), 0) << "no test page of item " << i;
            QFile::rename(pdf, QString(pdf).replace(QLatin1String(".pdf"), QLatin1String("-test.pdf")));
            ASSERT_TRUE(dialog->btnPrint->isEnabled()) << "the final print is refused: " << ErrorAlerts().toStdString();
            QTest::mouseClick(dialog->btnPrint, Qt::LeftButton);
            Settle();
            EXPECT_GT(QFileInfo(pdf).size(), 0) << "no final page of item " << i;
            ++printed;
            if (qx::ClientDataSet* ds = DataSetOfPageCode(editor, code); ds && !a3)
                ExpectInBoxes(pdf, ds->name().mid(3), *ds, declaration);
            for (const ListSheet& sheet : kListSheets)
                if (sheet.pageCode == code)
                    ExpectInBoxes(pdf, QString::fromLatin1(sheet.layout), ListOrPageDataSet(editor, sheet.listPage), declaration);
        }
        dialog->reject();
    });
    RunScripted(dialogScript, [&] { (a3 ? editor.miPrintA3 : editor.miPrint)->trigger(); });
    return printed;
}
