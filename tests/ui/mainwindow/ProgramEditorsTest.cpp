// The editors as the program makes them at start-up: the main window's actions open them, their
// print actions open FormPrnSetup, their first shows bind the report forms, their date buttons
// open FormDBEditCalendar.
#include "MainWindowFixture.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataSource.h"
#include "print/binding/TFormAutoMap.h"
#include "print/dialog/TFormPrnSetup.h"
#include "print/forms/EditorBindings.h"
#include "print/forms/ReportForms.h"
#include "ui/dialogs/TFormDBEditCalendar.h"
#include "ui/dialogs/TFormSelectTaxas.h"
#include "ui/editors/RateTablePicker.h"
#include "ui/editors/TListGridPage.h"
#include "ui/framework/EditorTabs.h"
#include "ui/framework/PagePictureLabel.h"
#include "ui/framework/TFormFill.h"
#include "ui/framework/TFrameDBGridAlert.h"

#include <QBackingStore>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QTimer>
#include <QToolButton>

namespace {

class ProgramEditors : public MainWindowFixture {
protected:
    TFormFill& editor(const char* name)
    {
        TFormFill* e = forms->Editor(QLatin1String(name));
        EXPECT_NE(e, nullptr) << name;
        return *e;
    }
};

TEST_F(ProgramEditors, EachEditorActionOpensItsEditorTheAnnexesBySector)
{
    struct Case {
        int sector;
        QAction* TFormMain::*action;
        const char* opens;
    };
    const Case cases[] = {
        {0, &TFormMain::ActionFillM1, "FormFillM1"},          {0, &TFormMain::ActionFillAnexoA, "FormFillAnexoA"},
        {11, &TFormMain::ActionFillAnexoB, "FormFillAnexoBSeg"}, {21, &TFormMain::ActionFillAnexoA, "FormFillAnexoABank"},
        {11, &TFormMain::ActionFillM4, "FormFillM4"},         {0, &TFormMain::ActionFillM3, "FormFillM3"},
        {0, &TFormMain::ActionFillM3A, "FormFillM3A"},
    };
    showMain();
    int n = 0;
    for (const Case& c : cases) {
        open(savedFolder(QStringLiteral("f%1").arg(n++), c.sector));
        modals.then([&](QWidget& w) {
            EXPECT_FALSE(main().isVisible());
            w.close();
        });
        (main().*c.action)->trigger();
        EXPECT_TRUE(modals.done()) << c.opens;
        EXPECT_EQ(modals.seen.last(), QLatin1String(c.opens));
        EXPECT_TRUE(main().isVisible());
    }
}

TEST_F(ProgramEditors, PrintActionsOpenThePrintDialogOnThePagesCode)
{
    struct Case {
        QAction* TFormMain::*action;
        int page;
        bool a3;
        int pageCode;
        bool m1OnA4;
        int pagNum;  // M/3: the sheet
    };
    const Case cases[] = {
        {&TFormMain::ActionFillM1, 2, true, 1012, false, 0},
        {&TFormMain::ActionFillM1, 1, false, 1012, true, 0},
        {&TFormMain::ActionFillAnexoB, 1, false, 3212, false, 0},
        {&TFormMain::ActionFillM3, 0, false, 4011, false, 1},
    };
    showMain();
    open(savedFolder(QStringLiteral("seg"), 11));
    for (const Case& c : cases) {
        bool dialogShown = false;
        forms->FormPrnSetup->PagNum = 3;
        modals.then([&](QWidget& w) {
            // The print dialog's own loop runs inside this action: a timer of its own answers it.
            QTimer answer;
            answer.setInterval(5);
            QObject::connect(&answer, &QTimer::timeout, [&] {
                auto* dialog = qobject_cast<TFormPrnSetup*>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                dialogShown = true;
                EXPECT_EQ(dialog->PageCode, c.pageCode);
                if (c.pageCode / 1000 == 1)
                    EXPECT_EQ(dialog->M1OnA4, c.m1OnA4);
                if (c.pagNum)
                    EXPECT_EQ(dialog->PagNum, c.pagNum);
                dialog->reject();
            });
            answer.start();
            auto& e = static_cast<TFormFill&>(w);
            e.PageControl->setCurrentIndex(c.page);
            (c.a3 ? e.PageAt(c.page).ActionPrintA3 : e.PageAt(c.page).ActionPrint)->trigger();
            e.close();
        });
        (main().*c.action)->trigger();
        EXPECT_TRUE(modals.done());
        EXPECT_TRUE(dialogShown) << c.pageCode;
    }
}

TEST_F(ProgramEditors, TheListPagesPickRatesInFormSelectTaxas)
{
    ASSERT_NE(TListGridPage::RatePicker(), nullptr);
    modals.then([](QWidget& w) { static_cast<QDialog&>(w).reject(); });
    EXPECT_FALSE(TListGridPage::RatePicker()->ShowModalOk(QString()));
    EXPECT_EQ(modals.seen, QStringList{QStringLiteral("FormSelectTaxas")});
}

TEST_F(ProgramEditors, FirstShowsBindEveryDataTextOfTheTwentyReportBands)
{
    showMain();
    open(savedFolder(QStringLiteral("f"), 0));
    for (const QString& name : ProgramForms::StartupOrder())
        if (TFormFill* e = forms->Editor(name)) {
            e->show();
            QApplication::processEvents();
            e->hide();
        }
    for (const EditorBindingSpec& b : EditorBindingSpecs()) {
        const auto& band = forms->Reports->page(QLatin1String(b.form), QLatin1String(b.page))->band(0);
        const double maxLeft = b.maxLeft < 0 ? band.width : b.maxLeft;
        int bound = 0;
        for (int i = 0; i < band.childCount(); ++i) {
            auto* text = dynamic_cast<const qx::report::ReportDataText*>(&band.child(i));
            if (!text || text->left < b.minLeft || text->left > maxLeft)
                continue;
            EXPECT_NE(text->dataSet, nullptr) << b.form << "." << b.page << " " << text->name.toStdString();
            ++bound;
        }
        EXPECT_GT(bound, 0) << b.form << "." << b.page;
    }
    EXPECT_FALSE(messages->codes().contains(QStringLiteral("PS-001")));
    EXPECT_FALSE(messages->codes().contains(QStringLiteral("PS-002")));
}

TEST_F(ProgramEditors, ADateButtonOpensTheCalendarWhichWritesTheDateIntoItsEdit)
{
    showMain();
    open(savedFolder(QStringLiteral("f"), 0));
    TFormFill& m1 = editor("FormFillM1");
    m1.show();
    QApplication::processEvents();
    m1.findChild<QToolButton*>(QStringLiteral("SpeedButton7"))->click();
    TFormDBEditCalendar& calendar = *forms->FormDBEditCalendar;
    ASSERT_TRUE(calendar.isVisible());
    calendar.MonthCalendar->setSelectedDate(QDate(2009, 3, 15));
    calendar.SpeedButton1->click();
    EXPECT_FALSE(calendar.isVisible());
    EXPECT_EQ(dm().cdsM1P1.fieldByName(u"Periodo_de").asDate(), QDate(2009, 3, 15));
    m1.close();
}

// The program's read-only grids, an editor's alerts, the rate picker and the two tables of the
// report binding: Down on the row before the last moves onto the last, Down on the last adds no row.
TEST_F(ProgramEditors, ReadOnlyGridsMoveDownToTheirLastRowAndAddNone)
{
    open(savedFolder(QStringLiteral("f"), 0));
    for (qx::ClientDataSet* table : {&dm().cdsFormField, &dm().cdsRptField}) {
        table->createDataSet();
        for (int line = 1; line <= 2; ++line) {
            table->append();
            table->fieldByName(u"Line").setAsInteger(line);
            table->post();
        }
    }
    auto downToTheLastRow = [](DataGrid* grid) {
        SCOPED_TRACE(qPrintable(grid->objectName()));
        qx::ClientDataSet& ds = *grid->dataSource()->dataSet();
        const int rows = ds.recordCount();
        ASSERT_GE(rows, 2);
        grid->setCurrentIndex(grid->model()->index(rows - 2, 0));
        for (int press = 0; press < 2; ++press) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(grid, &down);
            EXPECT_EQ(ds.recNo(), rows);
            EXPECT_EQ(grid->currentIndex().row(), rows - 1);
        }
        EXPECT_EQ(ds.state(), qx::DataSetState::Browse);
        EXPECT_EQ(grid->model()->rowCount(), rows);
    };
    for (DataGrid* grid : {forms->FormSelectTaxas->DBGridTaxas, forms->FormAutoMap->DBGrid1, forms->FormAutoMap->DBGrid2})
        downToTheLastRow(grid);
    modals.then([&](QWidget& w) {
        downToTheLastRow(editor("FormFillM1").PageAt(0).FrameDBGridAlert->DBGridAlert);  // a new folder's M/1 alerts
        w.close();
    });
    main().ActionFillM1->trigger();
    EXPECT_TRUE(modals.done());
}

// Every editor is made at start-up, but a page picture is decoded only when its page first shows
// (grey, a byte a pixel), kept while the folder stays open, and let go when the folder closes; a
// closed editor keeps no backing store of the screen's size, and has one again when it shows.
TEST_F(ProgramEditors, PagePicturesAreDecodedWhenTheirPageShowsAndLetGoWhenTheFolderCloses)
{
    auto pictureOf = [](TFormFill& e, int page) { return e.PageAt(page).ImageForm->pixmap(); };
    for (const QString& name : ProgramForms::StartupOrder())
        if (TFormFill* e = forms->Editor(name))
            for (int page = 0; page < e->PageCount(); ++page)
                EXPECT_TRUE(pictureOf(*e, page).isNull()) << name.toStdString() << " page " << page + 1;

    showMain();
    TFormFill& m1 = editor("FormFillM1");
    for (int opening = 0; opening < 2; ++opening) {
        open(savedFolder(QStringLiteral("f%1").arg(opening), 0));
        modals.then([&](QWidget&) {
            QApplication::processEvents();
            EXPECT_EQ(m1.backingStore()->size(), m1.size());
            EXPECT_EQ(pictureOf(m1, 0).depth(), 8);
            EXPECT_TRUE(pictureOf(m1, 1).isNull());
            m1.PageControl->setCurrentIndex(1);
            EXPECT_EQ(pictureOf(m1, 1).depth(), 8);
            m1.PageControl->setCurrentIndex(0);
            m1.close();
        });
        main().ActionFillM1->trigger();
        ASSERT_TRUE(modals.done());
        EXPECT_LE(m1.backingStore()->size().width(), 1);
        EXPECT_FALSE(pictureOf(m1, 1).isNull());
        main().ActionSaveAndCloseAll->trigger();
        ASSERT_TRUE(dm().CurrentFormFolder.isEmpty());
        for (int page = 0; page < m1.PageCount(); ++page)
            EXPECT_TRUE(pictureOf(m1, page).isNull()) << "page " << page + 1;
    }
}

}  // namespace
