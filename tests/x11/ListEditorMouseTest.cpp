// The M/3 and M/3A list pages under a real mouse and keyboard: Tab through a row's cells, Insert
// From through the rate table's window, the sideways scroll a page opens at, and the colours left
// after a refused row takes the focus back.
// With QX_SCREENSHOTS naming a folder, the pages are also saved there as the X server shows them.
#include "EditorUnderMouse.h"
#include "platform/widgets/DataGrid.h"
#include "ui/dialogs/TFormSelectTaxas.h"
#include "ui/editors/TFormFillList.h"
#include "ui/editors/TListGridPage.h"
#include "ui/framework/EditorTabs.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>

namespace {

int ColumnOf(const TListGridPage& page, const char* field)
{
    for (int c = 0; c < int(page.Spec().columns.size()); ++c)
        if (qstrcmp(page.Spec().columns[std::size_t(c)].field, field) == 0)
            return c;
    return -1;
}

void AppendRow(qx::ClientDataSet& list, const std::vector<std::pair<const char*, QString>>& values)
{
    list.append();
    for (const auto& [field, text] : values)
        list.fieldByName(QString::fromLatin1(field)).setAsString(text);
    list.post();
}

// Rows of rate code `codigo` that pass their checks.
void AddAssetRows(qx::ClientDataSet& list, int count, const char* codigo = "1.2")
{
    for (int i = 0; i < count; ++i) {
        std::vector<std::pair<const char*, QString>> values = {
            {"Codigo", QString::fromLatin1(codigo)}, {"Tipo", QStringLiteral("Edifícios")}, {"Col1_Mop", QString::number(1000 + 100 * i)}};
        if (list.findField(QStringLiteral("DA_Taxas")))
            values.insert(values.end(), {{"DA_Taxas", QStringLiteral("4")}, {"DA_Meses", QStringLiteral("12")},
                                         {"Col5_Mop", QString::number((1000 + 100 * i) / 25)}});
        if (list.findField(QStringLiteral("Motivo_Abate")))
            values.push_back({"Motivo_Abate", QStringLiteral("Avariado")});
        AppendRow(list, values);
    }
}

void SaveScreen(QWidget& window, const char* name)
{
    const QString dir = qEnvironmentVariable("QX_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QApplication::processEvents();
    EXPECT_TRUE(window.screen()->grabWindow(window.winId()).save(dir + QLatin1Char('/') + QString::fromLatin1(name)));
}

class ListPageUnderMouse : public EditorUnderMouse {
protected:
    // Shows list page `page` by a click on its tab (the page an editor opens on is shown already).
    TListGridPage& ShowListPage(TFormFill& editor, int page)
    {
        if (editor.ActivePage() != page) {
            QTabBar* tabs = editor.PageControl->tabBar();
            EXPECT_TRUE(input.click(*tabs, tabs->tabRect(page).center())) << input.error.toStdString();
        }
        EXPECT_EQ(editor.ActivePage(), page);
        return *static_cast<TFormFillList&>(editor).GridPageAt(page);
    }
    bool ClickCell(TListGridPage& page, int row, const char* field)
    {
        DataGrid& grid = *page.DBGrid;
        const QRect cell = grid.visualRect(grid.model()->index(row, ColumnOf(page, field)));
        return input.click(*grid.viewport(), cell.center());
    }
    // A row left in edit would refuse the close.
    void DropEdit(TListGridPage& page)
    {
        if (page.List().editing())
            run->dm().CancelWithoutQuestion(page.List());
    }
};

// Tab writes the cell's text and moves to the next column, Shift+Tab to the one before, as Enter
// does: the second value typed lands in its own column.
TEST_F(ListPageUnderMouse, TabAndShiftTabWriteTheCellAndMoveToTheNextOrPreviousColumn)
{
    struct Case {
        QAction* TFormMain::*open;
        int page;
        qx::ClientDataSet TdmMain::*list;
        const char* month;
    };
    const Case cases[] = {{&TFormMain::ActionFillM3, 1, &TdmMain::cdsM3VCLF, "Mes_Ini_de_Util"},
                          {&TFormMain::ActionFillM3A, 0, &TdmMain::cdsM3AAli, "Mes_Venda"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.month);
        qx::ClientDataSet& list = run->dm().*c.list;
        AddAssetRows(list, 1);
        InEditor(run->main().*c.open, [&](TFormFill& editor) {
            TListGridPage& page = ShowListPage(editor, c.page);
            const struct {
                const char* clicked;
                QStringList keys;
                const char *year, *month;
                int current;  // the current column afterwards, from Ano_Aqu
            } steps[] = {
                {"Ano_Aqu", {"2", "0", "1", "7", "Tab", "8", "Tab"}, "2017", "8", 2},
                {c.month, {"9", "shift+Tab", "2", "0", "1", "6", "shift+Tab"}, "2016", "9", -1},
            };
            for (const auto& s : steps) {
                ASSERT_TRUE(ClickCell(page, 0, s.clicked)) << input.error.toStdString();
                ASSERT_TRUE(input.keys(s.keys)) << input.error.toStdString();
                const std::string keys = s.keys.join(u' ').toStdString();
                EXPECT_EQ(list.fieldByName(u"Ano_Aqu").asString().toStdString(), s.year) << keys;
                EXPECT_EQ(list.fieldByName(QString::fromLatin1(c.month)).asString().toStdString(), s.month) << keys;
                EXPECT_EQ(page.DBGrid->currentIndex().column(), ColumnOf(page, "Ano_Aqu") + s.current) << keys;
                EXPECT_TRUE(page.InGrid(QApplication::focusWidget()));
            }
            DropEdit(page);
        });
    }
}

// Insert From on a list that holds rows: the cursor on a row of 2.2, Shift+Ins, a row picked
// in the rate table's window in either language, Ok. The new row takes every value from the row
// picked, though the rows it shifts down are posted and their checks look up their own codes
// in the same rate table. The second 1.1 row differs from the first in its Chinese type only.
TEST_F(ListPageUnderMouse, InsertFromTakesEveryValueFromTheRowPickedOnAListWithRows)
{
    struct Case {
        QAction* TFormMain::*open;
        int page;
        qx::ClientDataSet TdmMain::*list;
        bool portuguese;
        int picked;  // the rate table's row, from 1
        const char *codigo, *tipo, *taxa;  // taxa nullptr: the list has no rate
    };
    const Case cases[] = {
        {&TFormMain::ActionFillM3, 1, &TdmMain::cdsM3VCLF, false, 6, "1.3", "輕型建築物(纖維，木材，鋅鐵等)", "20"},
        {&TFormMain::ActionFillM3, 1, &TdmMain::cdsM3VCLF, true, 6, "1.3", "Edificacoes ligeiras", "20"},
        {&TFormMain::ActionFillM3A, 0, &TdmMain::cdsM3AAli, false, 3, "1.1", "居住，商業及行政樓宇(私家地)", nullptr},
        {&TFormMain::ActionFillM3A, 0, &TdmMain::cdsM3AAli, true, 3, "1.1", "Edif. habit., comerciais e", nullptr},
        {&TFormMain::ActionFillM3A, 1, &TdmMain::cdsM3AAba, false, 3, "1.1", "居住，商業及行政樓宇(私家地)", nullptr},
        {&TFormMain::ActionFillM3A, 1, &TdmMain::cdsM3AAba, true, 3, "1.1", "Edif. habit., comerciais e", nullptr},
    };
    for (const Case& c : cases) {
        qx::ClientDataSet& list = run->dm().*c.list;
        SCOPED_TRACE(list.name().toStdString() + (c.portuguese ? " Portuguese" : " Chinese"));
        list.emptyDataSet();
        AddAssetRows(list, 2, "2.2");
        InEditor(run->main().*c.open, [&](TFormFill& editor) {
            TListGridPage& page = ShowListPage(editor, c.page);
            ASSERT_TRUE(ClickCell(page, 1, "Codigo")) << input.error.toStdString();
            ModalScript picker;
            picker.then([&](QWidget& w) {
                auto* rates = qobject_cast<TFormSelectTaxas*>(&w);
                ASSERT_NE(rates, nullptr) << "Shift+Ins opened " << w.metaObject()->className();
                rates->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(rates));
                ASSERT_TRUE(WaitForSteadyGeometry(*rates));
                QRadioButton* language = c.portuguese ? rates->RadioButtonPortugues : rates->RadioButtonChinese;
                ASSERT_TRUE(input.click(*language)) << input.error.toStdString();
                DataGrid& grid = *rates->DBGridTaxas;
                const QModelIndex row = grid.model()->index(c.picked - 1, 0);
                grid.scrollTo(row);
                ASSERT_TRUE(input.click(*grid.viewport(), grid.visualRect(row).center())) << input.error.toStdString();
                ASSERT_TRUE(input.click(*rates->btnOK)) << input.error.toStdString();
            });
            const auto pickedAndShut = [&] { return picker.done() && QApplication::activeModalWidget() == &editor; };
            ASSERT_TRUE(input.keysOpeningModal({QStringLiteral("shift+Insert")}, pickedAndShut))
                << input.error.toStdString() << ": Shift+Ins opened no rate table";
            EXPECT_EQ(list.recordCount(), 3);
            EXPECT_EQ(list.recNo(), 2) << "the new row is not at the cursor";
            EXPECT_EQ(list.fieldByName(u"Codigo").asString().toStdString(), c.codigo);
            EXPECT_EQ(list.fieldByName(u"Tipo").asString().toStdString(), c.tipo);
            if (c.taxa) {
                EXPECT_EQ(list.fieldByName(u"DA_Taxas").asString().toStdString(), c.taxa);
            }
            DropEdit(page);
        });
    }
}

// An empty list page opens with its scroll box at the origin: the sheet column, Código and the
// page count in view, though the grid is wider than the window.
TEST_F(ListPageUnderMouse, AnEmptyListPageOpensAtItsScrollOrigin)
{
    const struct {
        QAction* TFormMain::*open;
        int page;
        const char* screenshot;
    } cases[] = {{&TFormMain::ActionFillM3, 1, nullptr},
                 {&TFormMain::ActionFillM3A, 0, "M3AEmptyAlienated.png"},
                 {&TFormMain::ActionFillM3A, 1, nullptr}};
    for (const auto& c : cases) {
        InEditor(run->main().*c.open, [&](TFormFill& editor) {
            TListGridPage& page = ShowListPage(editor, c.page);
            SCOPED_TRACE(page.DBGrid->objectName().toStdString());
            ASSERT_EQ(page.List().recordCount(), 0);
            QScrollArea& box = *editor.PageAt(c.page).ScrollBox;
            ASSERT_GT(page.DBGrid->width(), box.viewport()->width()) << "the grid must be wider than the page";
            EXPECT_EQ(box.horizontalScrollBar()->value(), 0);
            const QPoint sheetColumn = page.DBGrid->viewport()->mapTo(box.viewport(), QPoint(page.DBGrid->columnViewportPosition(0), 0));
            EXPECT_GE(sheetColumn.x(), 0);
            EXPECT_LE(sheetColumn.x() + page.DBGrid->columnWidth(0), box.viewport()->width());
            if (c.screenshot)
                SaveScreen(editor, c.screenshot);
        });
    }
}

// A row refused as the focus leaves for an observation line takes the focus back to its grid,
// and the line it passed through shows no enter colour.
TEST_F(ListPageUnderMouse, TheObservationLineARefusedRowLeavesKeepsNoEnterColour)
{
    AddAssetRows(run->dm().cdsM3VCLF, 16);  // rows on both faces of the first sheet
    InEditor(run->main().ActionFillM3, [&](TFormFill& editor) {
        TListGridPage& page = ShowListPage(editor, 1);
        SaveScreen(editor, "M3ListTwoFaces.png");
        ASSERT_TRUE(ClickCell(page, 0, "Codigo")) << input.error.toStdString();
        ASSERT_TRUE(input.keys({"z", "z"})) << input.error.toStdString();
        messages.clear();
        DataEdit& line = *page.ObsEdits.front();
        ASSERT_TRUE(input.click(line)) << input.error.toStdString();
        EXPECT_EQ(messages.codes(), QStringList{QStringLiteral("DM-012")});
        EXPECT_TRUE(page.InGrid(QApplication::focusWidget()));
        QApplication::processEvents();
        const QImage shown = line.grab().toImage();
        EXPECT_EQ(shown.pixelColor(shown.width() - 3, shown.height() / 2).name().toStdString(), "#ffff80")
            << "the observation line keeps a colour not its own";
        DropEdit(page);
    });
}

}  // namespace
