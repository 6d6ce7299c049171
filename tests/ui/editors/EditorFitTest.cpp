// Every number, date and code on the editor pages shows whole while its box is not focused: each
// input at its widest value, each calculated text measured with its widest one, against the
// control's own font and width (less the edit's margins); and every cell of the list grids as the
// grid paints it.
#include "EditorFixture.h"
#include "ListEditorFixture.h"

#include "core/assets/AssetPaging.h"
#include "platform/layout/BoxFit.h"
#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataText.h"
#include "platform/widgets/WholeOrMarks.h"
#include "print/FilledPages.h"
#include "print/forms/WidestValues.h"
#include "support/PaintedTexts.h"
#include "ui/editors/AnnexVariants.h"
#include "ui/editors/LayoutPage.h"
#include "ui/framework/EditorTabs.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QPainter>
#include <cmath>

namespace {

// Pixels of `text` in `font` as a line edit, a label or a cell lays it out.
int Advance(const QFont& font, const QString& text)
{
    return qRound(QFontMetricsF(font).horizontalAdvance(text));
}

// The width `text` needs beyond the room the control has for it: a line edit keeps 2 pixels on
// each side of its text and one for its cursor; a data text may not grow past its layout box.
int Overflow(const QWidget& control, const QString& text)
{
    if (auto* edit = qobject_cast<const DataEdit*>(&control)) {
        const QMargins m = edit->textMargins();
        const int room = edit->contentsRect().width() - m.left() - m.right() - 4;
        return Advance(edit->font(), text) + 1 - room;
    }
    return Advance(control.font(), text) + 2 - LayoutRectOf(control).width();
}

// The data controls of a page with the layout boxes they were made from, in layout order.
std::vector<std::pair<QWidget*, const qx::Box*>> ControlsWithBoxes(const TFormFill::Page& page, const qx::PageLayout& layout)
{
    std::vector<QWidget*> controls;
    for (QObject* child : page.Content->children())
        if (qobject_cast<DataEdit*>(child) || qobject_cast<DataText*>(child))
            controls.push_back(static_cast<QWidget*>(child));
    std::vector<std::pair<QWidget*, const qx::Box*>> out;
    size_t next = 0;
    for (const qx::Box& box : layout.boxes)
        if (box.kind == qx::BoxKind::Edit || box.kind == qx::BoxKind::DataText || box.kind == qx::BoxKind::HeaderText)
            out.emplace_back(next < controls.size() ? controls[next++] : nullptr, &box);
    return out;
}

// Each box of the page: an edit shows its field's widest value whole, a data text would show its
// widest whole without growing over its neighbour.
void ExpectWholeValues(TFormFill& editor, int p, const QString& layoutName)
{
    const qx::PageLayout& layout = qx::pageLayout(layoutName);
    qx::ClientDataSet& ds = *editor.PageAt(p).spec.dataSet;
    FillEveryInputFieldWidest(ds, layout.amountDigits > 0 ? layout.amountDigits : qx::kAmountDigits);
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();  // every box unfocused
    QApplication::processEvents();
    int checked = 0;
    for (const auto& [control, box] : ControlsWithBoxes(editor.PageAt(p), layout)) {
        ASSERT_TRUE(control) << layoutName.toStdString();
        const auto widest = WidestOfBox(layout, *box).screen;
        if (!widest || !widest->exact())
            continue;  // a free text: its edit scrolls
        ++checked;
        auto* edit = qobject_cast<DataEdit*>(control);
        const QString shown = edit ? edit->text() : widest->text;
        if (edit && box->dataSet == ds.name()) {
            EXPECT_EQ(shown, widest->text) << layoutName.toStdString() << " " << box->field.toStdString();
        }
        EXPECT_LE(Overflow(*control, shown), 0) << layoutName.toStdString() << " " << box->field.toStdString() << " \""
                                                << shown.toStdString() << "\" at " << control->font().pixelSize() << " px in "
                                                << control->width();
    }
    EXPECT_GT(checked, 0) << layoutName.toStdString();
}

class EditorFit : public EditorFixture {};

TEST_F(EditorFit, EveryNumberDateAndCodeShowsWholeUnfocused)
{
    SetSector(0);
    std::vector<std::pair<TFormFill*, QStringList>> editorsAndPages = {
        {editors->FormFillM1.get(), {"M1P1", "M1P2", "M1P3"}}, {editors->FormFillM4.get(), {"M4P1", "M4P2"}}};
    const std::vector<TFormFill*> all = editors->All();
    for (size_t i = 0; i < AnnexVariants().size(); ++i) {
        const AnnexVariant& v = AnnexVariants()[i];
        editorsAndPages.push_back({all[i + 1], {QString::fromLatin1(v.pages[0].layout), QString::fromLatin1(v.pages[1].layout)}});
    }
    for (const auto& [editor, pages] : editorsAndPages) {
        Show(*editor);
        for (int p = 0; p < pages.size(); ++p)
            ExpectWholeValues(*editor, p, pages[p]);
        editor->close();
    }
}

class ListFit : public ListEditorFixture {};

// Rows for a list grid, field by field: one row per amount column holding the largest negative
// amount (each column of sums then reaches its widest in some row), rows of amounts of 1 to 14
// digits, every whole number and rate at its widest, codes and texts their whole length in Latin
// and in Chinese letters; more rows than the first sheet's front, so both faces show.
std::vector<std::vector<qx::Value>> WidestRows(const qx::ClientDataSet& list)
{
    const std::vector<qx::FieldDef>& defs = list.fieldDefs();
    std::vector<int> data;
    for (int i = 0; i < int(defs.size()); ++i)
        if (defs[std::size_t(i)].kind == qx::FieldKind::Data)
            data.push_back(i);
    auto isAmount = [](const qx::FieldDef& d) {
        return d.type == qx::FieldType::Currency && !d.displayFormat.contains(u'%');
    };
    std::vector<int> amounts;
    for (int i : data)
        if (isAmount(defs[std::size_t(i)]))
            amounts.push_back(i);
    const int rows = std::max<int>(kM3FirstFrontRows + 2, int(amounts.size()) + 14);
    std::vector<std::vector<qx::Value>> out;
    for (int r = 0; r < rows; ++r) {
        std::vector<qx::Value> row;
        for (int column = 0; column < int(data.size()); ++column) {
            const qx::FieldDef& d = defs[std::size_t(data[std::size_t(column)])];
            const bool chinese = r % 2 == 1;
            qx::Value v;
            if (d.type == qx::FieldType::AutoInc) {
                v = std::int32_t(r + 1);
            } else if (isAmount(d)) {
                const int widestRow = int(std::find(amounts.begin(), amounts.end(), data[std::size_t(column)]) - amounts.begin());
                const int digits = r < int(amounts.size()) ? (r == widestRow ? qx::kAmountDigits : 0) : 1 + (r + column) % 14;
                std::int64_t n = 0;
                for (int k = 0; k < digits; ++k)
                    n = n * 10 + 9;
                v = qx::Currency::fromUnits(r % 3 == 0 && r >= int(amounts.size()) ? n : -n);
            } else if (d.type == qx::FieldType::Currency) {
                v = qx::Currency::fromUnits(r == 0 ? 100 : r % 100);
            } else if (d.type == qx::FieldType::Integer) {
                v = std::int32_t(WidestOfField(d, qx::kAmountDigits)->text.toInt());
            } else if (d.type == qx::FieldType::String) {
                v = QString(chinese && d.size > 5 ? d.size / 2 : d.size, chinese && d.size > 5 ? QChar(0x8CC7) : QChar(u'W'));
            }
            row.push_back(v);
        }
        out.push_back(std::move(row));
    }
    return out;
}

// What each cell of a row paints: the texts whose base line starts inside it.
QStringList PaintedRow(DataGrid& grid, int row)
{
    grid.scrollTo(grid.model()->index(row, 0), QAbstractItemView::PositionAtTop);
    QApplication::processEvents();
    const std::vector<PaintedText> texts = PaintedTexts(*grid.viewport());
    QStringList cells;
    for (int c = 0; c < grid.model()->columnCount(); ++c) {
        const QRect cell = grid.visualRect(grid.model()->index(row, c));
        QString painted;
        for (const PaintedText& t : texts)
            if (cell.contains(t.at.toPoint()))
                painted += t.text;
        cells << painted;
    }
    return cells;
}

// A front's digit in white on black, a back's in black on silver.
void ExpectFaceBrush(DataGrid& grid, const QModelIndex& cell, bool front)
{
    const QImage image = grid.viewport()->grab().toImage();
    const QRect rect = grid.visualRect(cell);
    const QColor brush = front ? QColor(Qt::black) : QColor(0xC0, 0xC0, 0xC0);
    const QColor ink = front ? QColor(Qt::white) : QColor(Qt::black);
    EXPECT_EQ(QColor(image.pixel(rect.topLeft() + QPoint(1, 1))), brush) << "row " << cell.row() + 1;
    int inked = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            inked += qAbs(qGray(image.pixel(x, y)) - qGray(ink.rgb())) < 64;
    EXPECT_GT(inked, 5) << "row " << cell.row() + 1 << ": the digit";
}

bool OnlyMarks(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'#'; });
}

// Every cell of every list grid, as the grid paints it: a number shows whole or as marks only,
// never cut; each column's widest value (the sheet number of a list of 9999 sheets, a face, the
// largest amount, a rate, a code, a text its whole length) shows whole.
TEST_F(ListFit, EveryGridCellPaintsItsValueWholeOrMarksAndEachColumnItsWidestWhole)
{
    for (TListGridPage* page : {m3->ListPage, m3a->AliPage, m3a->AbaPage}) {
        const ListGridSpec& spec = page->Spec();
        auto* editor = static_cast<TFormFill*>(page->parent());
        page->List().loadRows(WidestRows(page->List()));
        // A list of 9999 sheets would take 380,000 rows: its last sheet number stands in.
        page->List().fieldByName(u"pag_num").onGetText = [](qx::Field&, QString& text, bool) { text = QStringLiteral("9999"); };
        Show(*editor);
        editor->PageControl->setCurrentIndex(spec.page);
        QApplication::processEvents();
        DataGrid& grid = *page->DBGrid;
        std::vector<bool> widestWhole(spec.columns.size(), false);
        std::vector<QStringList> faces(3);
        for (int r = 0; r < grid.model()->rowCount(); ++r) {
            const QStringList painted = PaintedRow(grid, r);
            for (int c = 0; c < int(spec.columns.size()); ++c) {
                const ListColumn& column = spec.columns[std::size_t(c)];
                const qx::Field* f = page->List().findField(QString::fromLatin1(column.field));
                ASSERT_TRUE(f) << column.field;
                const QString shown = grid.model()->index(r, c).data().toString();
                const QString where = QStringLiteral("%1 %2 row %3: \"%4\" painted \"%5\"")
                                          .arg(QLatin1String(spec.heading), QLatin1String(column.field))
                                          .arg(r + 1)
                                          .arg(shown, painted[c]);
                if (ShowsWhole(f->dataType())) {
                    EXPECT_TRUE(painted[c] == shown || OnlyMarks(painted[c])) << where.toStdString();
                }
                const auto widest = WidestOfField(f->def(), qx::kAmountDigits);
                const bool isWidest = widest && widest->exact() ? shown == widest->text : f->dataType() == qx::FieldType::String && !shown.isEmpty();
                if (isWidest) {
                    widestWhole[std::size_t(c)] = widestWhole[std::size_t(c)] || painted[c] == shown;
                    EXPECT_EQ(painted[c], shown) << where.toStdString();
                }
                if (qstrcmp(column.field, "face_num") == 0) {
                    faces[std::size_t(qBound(0, shown.toInt(), 2))] << painted[c];
                    if (r != page->List().recNo() - 1)  // the current row is all aqua
                        ExpectFaceBrush(grid, grid.model()->index(r, c), shown == QLatin1String("1"));
                }
            }
        }
        for (int c = 0; c < int(spec.columns.size()); ++c)
            EXPECT_TRUE(widestWhole[std::size_t(c)]) << spec.heading << " " << spec.columns[std::size_t(c)].field << " never shows its widest whole";
        if (spec.columns[1].field == std::string_view("face_num")) {
            EXPECT_EQ(faces[1], QStringList(kM3FirstFrontRows, QStringLiteral("1")));
            EXPECT_FALSE(faces[2].isEmpty());
            EXPECT_EQ(faces[2], QStringList(int(faces[2].size()), QStringLiteral("2")));
        }
        editor->close();
    }
}

TEST_F(ListFit, TheM3HeaderPageAndEveryGridTotalShowTheirWidestWhole)
{
    Show(*m3);
    ExpectWholeValues(*m3, 0, QStringLiteral("M3P1"));
    Show(*m3a);
    for (TListGridPage* page : {m3->ListPage, m3a->AliPage, m3a->AbaPage}) {
        const ListGridSpec& spec = page->Spec();
        auto* editor = static_cast<TFormFill*>(page->parent());
        editor->PageControl->setCurrentIndex(spec.page);
        QApplication::processEvents();
        for (int c = spec.headColumns; c < int(spec.columns.size()); ++c) {
            if (!spec.totals[std::size_t(c - spec.headColumns)])
                continue;
            const ListColumn& column = spec.columns[std::size_t(c)];
            const auto* panel = editor->findChild<QWidget*>(QString::fromLatin1(spec.panelPrefix) + QString::number(c + 1));
            const DataText* total = panel ? panel->findChild<DataText*>() : nullptr;
            ASSERT_TRUE(total && total->field()) << spec.heading << " " << column.field;
            const auto sum = WidestOfField(total->field()->def(), qx::kAmountDigits);
            ASSERT_TRUE(sum);
            EXPECT_LE(Advance(total->font(), sum->text), total->contentsRect().width())
                << spec.heading << " total of " << column.field << " \"" << sum->text.toStdString() << "\" " << Advance(total->font(), sum->text) << " in " << total->contentsRect().width();
        }
    }
}

// The ellipsis button has the right end of its cell to itself: the cell paints its value left of
// it, in every row, so a value is never under the button.
TEST_F(ListFit, TheEllipsisButtonSitsBesideTheValueNotOverIt)
{
    AppendRow(dm->cdsM3VCLF, {{"Codigo", QStringLiteral("1.2")}, {"Tipo", QStringLiteral("Edifícios")},
                              {"Col1_Mop", QStringLiteral("9999999999")}, {"DA_Taxas", QStringLiteral("4")},
                              {"DA_Meses", QStringLiteral("12")}, {"Col5_Mop", QStringLiteral("399999999")}});
    Show(*m3);
    m3->PageControl->setCurrentIndex(1);
    QApplication::processEvents();
    DataGrid& grid = *m3->ListPage->DBGrid;
    for (const char* field : {"Codigo", "Col5_Mop"}) {
        const int column = Column(*m3->ListPage, field);
        const QModelIndex cell = grid.model()->index(0, column);
        QStyleOptionViewItem option;
        option.initFrom(&grid);
        option.font = grid.font();
        option.rect = QRect(0, 0, grid.columnWidth(column), grid.rowHeight(0));
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        grid.itemDelegate()->paint(&painter, option, cell);
        painter.end();
        // The button's place shows the cell's background only; the value lies left of it.
        // (The grid line at the cell's right edge left out.)
        const QRgb background = image.pixel(image.width() - DataGrid::kEllipsisWidth, 1);
        int inked = 0, left = 0;
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 0; x < image.width() - 2; ++x)
                if (image.pixel(x, y) != background)
                    (x >= image.width() - DataGrid::kEllipsisWidth ? inked : left)++;
        EXPECT_EQ(inked, 0) << field;
        EXPECT_GT(left, 20) << field;  // the value itself
    }
}

}  // namespace
