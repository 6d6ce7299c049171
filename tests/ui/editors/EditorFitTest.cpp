// Every number, date and code on the editor pages shows whole while its box is not focused: each
// input at its widest value, each calculated text measured with its widest one, against the
// control's own font and width (less the edit's margins); and every column of the list grids.
#include "EditorFixture.h"
#include "ListEditorFixture.h"

#include "platform/layout/BoxFit.h"
#include "platform/layout/PageLayout.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataText.h"
#include "print/FilledPages.h"
#include "print/forms/WidestValues.h"
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

TEST_F(ListFit, TheM3HeaderPageAndEveryGridColumnShowTheirWidestWhole)
{
    Show(*m3);
    ExpectWholeValues(*m3, 0, QStringLiteral("M3P1"));
    Show(*m3a);
    for (TListGridPage* page : {m3->ListPage, m3a->AliPage, m3a->AbaPage}) {
        const ListGridSpec& spec = page->Spec();
        static_cast<TFormFill*>(page->parent())->PageControl->setCurrentIndex(spec.page);
        QApplication::processEvents();
        const DataGrid& grid = *page->DBGrid;
        // The cell's text keeps the delegate's margin on each side; the ellipsis button sits beside it.
        const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
        for (int c = 0; c < int(spec.columns.size()); ++c) {
            const ListColumn& column = spec.columns[std::size_t(c)];
            const qx::Field* f = page->List().findField(QString::fromLatin1(column.field));
            ASSERT_TRUE(f) << column.field;
            // A text its whole length (the type's 30 characters, the reason's 14).
            const qx::WidestValue widest = WidestOfField(f->def(), qx::kAmountDigits).value_or(qx::WidestValue{{}, f->size()});
            const int room = grid.columnWidth(c) - 2 * margin - (column.ellipsis ? DataGrid::kEllipsisWidth : 0);
            EXPECT_LE(std::ceil(TextWidthIn(grid.font(), widest)), room)
                << spec.heading << " " << column.field << " \"" << widest.text.toStdString() << "\" " << widest.characters;
            // The total under the column, in its panel.
            if (c < spec.headColumns || !spec.totals[std::size_t(c - spec.headColumns)])
                continue;
            auto* editor = static_cast<TFormFill*>(page->parent());
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
