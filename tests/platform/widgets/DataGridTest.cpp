// The grid over a dataset cursor: following the cursor, the row habits, the kept row values.
#include "WidgetTestData.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/WidgetErrors.h"
#include "support/PaintedTexts.h"

#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class DataGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ds = MakeTestDataSet(20, &calcRuns);
        source.setDataSet(ds.get());
        SetWidgetErrorReporter([this](const QString& m) { errors << m; });
        grid.setDataSource(&source);
        grid.setColumns({{QStringLiteral("Nome"), {}, 80},
                         {QStringLiteral("Valor_Mop"), {}, 80},
                         {QStringLiteral("dobro_mop"), {}, 80, {}, {}, true}});
        grid.resize(320, 200);
        ShowActive(grid);
        grid.setFocus();
    }
    void TearDown() override { SetWidgetErrorReporter(nullptr); }

    int row() const { return grid.currentIndex().row(); }

    int calcRuns = 0;
    std::unique_ptr<qx::ClientDataSet> ds;
    DataSource source;
    DataGrid grid;
    QStringList errors;
};

TEST_F(DataGridTest, TheCurrentRowAndTheCursorFollowEachOther)
{
    ds->setRecNo(5);
    EXPECT_EQ(row(), 4);
    grid.setCurrentIndex(grid.gridModel()->index(7, 1));
    EXPECT_EQ(ds->recNo(), 8);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(ds->recNo(), 7);
    EXPECT_EQ(grid.gridModel()->data(grid.gridModel()->index(6, 2), Qt::DisplayRole).toString(),
              QStringLiteral("14,000"));
}

TEST_F(DataGridTest, DownOnTheLastRowAppendsAndAnUntouchedNewRowIsDropped)
{
    ds->last();
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(ds->state(), qx::DataSetState::Insert);
    EXPECT_EQ(grid.gridModel()->rowCount(), 21);
    EXPECT_EQ(row(), 20);
    QTest::keyClick(&grid, Qt::Key_Down);  // no second new row
    EXPECT_EQ(grid.gridModel()->rowCount(), 21);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(ds->state(), qx::DataSetState::Browse);
    EXPECT_EQ(ds->recordCount(), 20);
    EXPECT_EQ(grid.gridModel()->rowCount(), 20);
    EXPECT_EQ(row(), 19);
}

TEST_F(DataGridTest, DownOnTheRowBeforeTheLastMovesOntoTheLast)
{
    ds->setRecNo(19);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(ds->recNo(), 20);
    EXPECT_EQ(row(), 19);
    EXPECT_EQ(ds->state(), qx::DataSetState::Browse);
    EXPECT_EQ(grid.gridModel()->rowCount(), 20);
}

// Where nothing may be typed no cell editor opens, and a key changes nothing: a calculated
// column, a read-only field, a read-only grid.
TEST_F(DataGridTest, NoCellEditorOpensOnACalculatedOrReadOnlyCell)
{
    qx::ClientDataSet fixedName(QStringLiteral("cdsFixedName"));
    std::vector<qx::FieldDef> defs = ds->fieldDefs();
    defs[0].readOnly = true;
    fixedName.setFieldDefs(defs);
    fixedName.loadRows(ds->dataRows());
    const struct {
        const char* what;
        qx::ClientDataSet* data;
        int column;
        bool gridReadOnly;
    } cases[] = {
        {"a calculated column", ds.get(), 2, false},
        {"a read-only field", &fixedName, 0, false},
        {"a read-only grid", ds.get(), 1, true},
    };
    for (const auto& c : cases) {
        source.setDataSet(c.data);
        grid.setReadOnly(c.gridReadOnly);
        grid.setCurrentIndex(grid.gridModel()->index(1, c.column));
        QTest::keyClicks(&grid, "5");
        QTest::keyClick(&grid, Qt::Key_F2);
        const auto* cell = grid.findChild<DataEdit*>();
        EXPECT_TRUE(!cell || !cell->isVisible()) << c.what;
        EXPECT_FALSE(c.data->editing()) << c.what;
    }
    source.setDataSet(ds.get());
}

TEST_F(DataGridTest, ARefusedPostKeepsTheRow)
{
    ds->beforePost = [](qx::ClientDataSet&) { throw qx::SilentAbort(); };
    ds->setRecNo(3);
    ds->edit();
    ds->fieldByName("Nome").setAsString(QStringLiteral("mudado"));
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(ds->state(), qx::DataSetState::Edit);
    EXPECT_EQ(ds->recNo(), 3);
    QApplication::processEvents();
    EXPECT_EQ(row(), 2);
    EXPECT_TRUE(grid.hasFocus());
}

TEST_F(DataGridTest, CellsAreEditedUnderTheEditRules)
{
    grid.setCurrentIndex(grid.gridModel()->index(1, 1));
    QTest::keyClicks(&grid, "a");  // a key opens the cell's editor, which takes the key
    auto* cell = grid.findChild<DataEdit*>();
    ASSERT_TRUE(cell);
    QTest::keyClicks(cell, "bc");
    EXPECT_EQ(ds->state(), qx::DataSetState::Edit);
    QTest::keyClick(cell, Qt::Key_Return);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(cell->isVisible());
    EXPECT_EQ(cell->text(), QStringLiteral("abc"));
    QTest::keyClick(cell, Qt::Key_Escape);
    EXPECT_EQ(cell->text(), QStringLiteral("2000"));
    cell->selectAll();
    QTest::keyClicks(cell, "35");
    QTest::keyClick(cell, Qt::Key_Return);
    EXPECT_EQ(ds->fieldByName("Valor_Mop").asString(), QStringLiteral("35"));
    EXPECT_EQ(grid.gridModel()->data(grid.gridModel()->index(1, 2), Qt::DisplayRole).toString(), QStringLiteral("70"));
}

TEST_F(DataGridTest, RowsAreReadOnceUntilTheDatasetChangesThem)
{
    QApplication::processEvents();
    grid.viewport()->repaint();
    const int reads = grid.gridModel()->rowReads();
    const int runs = calcRuns;
    EXPECT_GT(reads, 0);
    for (int i = 0; i < 3; ++i)
        grid.viewport()->repaint();
    ds->setRecNo(2);
    grid.viewport()->repaint();
    EXPECT_EQ(grid.gridModel()->rowReads(), reads);
    EXPECT_EQ(calcRuns, runs + 1);  // the cursor's own calculation of the row it reached
    // A change of the record under edit re-reads that row only.
    ds->edit();
    const int afterEdit = grid.gridModel()->rowReads();
    ds->fieldByName("Valor_Mop").setAsString(QStringLiteral("7"));
    grid.viewport()->repaint();
    EXPECT_EQ(grid.gridModel()->rowReads(), afterEdit + 1);
    EXPECT_EQ(grid.gridModel()->data(grid.gridModel()->index(1, 2), Qt::DisplayRole).toString(), QStringLiteral("14"));
}

TEST_F(DataGridTest, CellsTakeTheStyleCallbacksColoursAndTheEllipsisColumnItsButton)
{
    grid.gridModel()->cellStyle = [](int column, const std::vector<qx::Value>& values, GridCellStyle& style) {
        if (column == 0 && std::get<QString>(values[0]) == QStringLiteral("R2"))
            style.text = Qt::red;
    };
    auto* m = grid.gridModel();
    EXPECT_EQ(m->data(m->index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(m->data(m->index(2, 0), Qt::ForegroundRole).isValid());
    int clicked = -1;
    QObject::connect(&grid, &DataGrid::ellipsisClicked, [&](int c) { clicked = c; });
    grid.setCurrentIndex(m->index(1, 2));
    auto* button = grid.viewport()->findChild<QToolButton*>();
    ASSERT_TRUE(button && button->isVisible());
    button->click();
    EXPECT_EQ(clicked, 2);
    grid.setCurrentIndex(m->index(1, 0));
    EXPECT_FALSE(button->isVisible());
}

// A number shows whole or as marks, never cut to its first digits: for a column a pixel at a time
// from too narrow to wide enough, with and without the ellipsis button's place, the cell paints
// its text whole or only marks, and whole once the column is wide enough.
TEST_F(DataGridTest, ANumberPaintsWholeOrAsMarksNeverCut)
{
    for (int column : {1, 2}) {
        const QModelIndex cell = grid.gridModel()->index(0, column);
        const QString shown = cell.data().toString();  // "1,000", "2,000"
        QStringList painted;
        for (int width = 30; width <= 70; ++width) {
            grid.setColumnWidth(column, width);
            QString text;
            for (const PaintedText& t : PaintedTexts(*grid.viewport()))
                if (grid.visualRect(cell).contains(t.at.toPoint()))
                    text += t.text;
            const bool marks = !text.isEmpty() && text.count(QLatin1Char('#')) == text.size();
            EXPECT_TRUE(text == shown || marks) << "column " << column << " at " << width << " px: \"" << text.toStdString() << "\"";
            painted << text;
        }
        EXPECT_EQ(painted.last(), shown) << column;
    }
}

}  // namespace
