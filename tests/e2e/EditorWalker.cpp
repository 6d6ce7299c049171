#include "EditorWalker.h"

#include "core/module/TdmMain.h"
#include "platform/data/ClientDataSet.h"
#include "platform/widgets/DataCheckBox.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataText.h"
#include "support/ModalScript.h"
#include "ui/dialogs/TFormDBEditCalendar.h"
#include "ui/dialogs/TFormSelectTaxas.h"
#include "ui/editors/TFormFillList.h"
#include "ui/editors/TListGridPage.h"
#include "ui/framework/EditorTabs.h"
#include "ui/framework/TFormFill.h"
#include "ui/framework/TFrameDBGridAlert.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

constexpr int kMaxSteps = 400;

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void Click(QWidget* w, QPoint at = {})
{
    QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
    Settle();
}

// The tool button beside `edit` that serves it: a date button sits right of its edit, an
// auto-calc button beside its target box; the nearest button whose middle is on the edit's line.
QToolButton* ButtonBeside(const QWidget& edit, bool autoCalc)
{
    QToolButton* best = nullptr;
    int bestDistance = 1 << 30;
    const QRect e = edit.geometry();
    for (QObject* child : edit.parentWidget()->children()) {
        auto* b = qobject_cast<QToolButton*>(child);
        if (!b || (b->toolTip() == QStringLiteral("自動計算")) != autoCalc)
            continue;
        const QRect r = b->geometry();
        if (r.center().y() < e.top() - 4 || r.center().y() > e.bottom() + 4)
            continue;
        const int distance = r.left() >= e.right() ? r.left() - e.right() : e.left() - r.right();
        if (distance >= -2 && distance < bestDistance) {
            best = b;
            bestDistance = distance;
        }
    }
    return best;
}

void PickNextDayInCalendar()
{
    TFormDBEditCalendar* calendar = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* c = qobject_cast<TFormDBEditCalendar*>(w); c && c->isVisible())
            calendar = c;
    if (!calendar) {
        for (QWidget* w : QApplication::allWidgets())
            if (auto* c = qobject_cast<TFormDBEditCalendar*>(w); c && c->isVisible())
                calendar = c;
    }
    ASSERT_NE(calendar, nullptr) << "the date button shows no calendar";
    QWidget* grid = calendar->MonthCalendar->findChild<QAbstractItemView*>();
    ASSERT_NE(grid, nullptr);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    Settle();
    EXPECT_FALSE(calendar->isVisible()) << "Enter closes the calendar";
}

// Types over the box's text as a keyboard does; a letter beyond ASCII (ç, é) arrives as its text, as from a
// keyboard layout that has it.
void TypeText(QWidget* box, const QString& text, bool overBoxText = true)
{
    if (overBoxText)
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // over what the box shows (a 0, a year)
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(box, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void Act(QWidget* box, const Entry& row)
{
    switch (row.press) {
    case Press::Keys:
        TypeText(box, QString::fromUtf8(row.typed));
        break;
    case Press::Space:
        QTest::keyClick(box, Qt::Key_Space);
        break;
    case Press::CalendarNextDay: {
        TypeText(box, QString::fromUtf8(row.typed));
        QToolButton* button = ButtonBeside(*box, false);
        ASSERT_NE(button, nullptr) << "no date button beside " << row.field;
        Click(button);
        PickNextDayInCalendar();
        box->setFocus();  // the person clicks back into the box to walk on
        break;
    }
    case Press::AtAlert:  // typed as the alert's click leaves the box, over what it selected
        if (qobject_cast<QLineEdit*>(box))
            TypeText(box, QString::fromUtf8(row.typed), false);
        else
            QTest::keyClick(box, Qt::Key_Space);
        break;
    case Press::AutoCalc: {
        QToolButton* button = ButtonBeside(*box, true);
        ASSERT_NE(button, nullptr) << "no auto-calc button beside " << row.field;
        Click(button);
        break;
    }
    }
    Settle();
}

}  // namespace

QString FieldOf(const QWidget* w)
{
    if (auto* e = qobject_cast<const DataEdit*>(w))
        return e->dataField();
    if (auto* c = qobject_cast<const DataCheckBox*>(w))
        return c->dataField();
    return {};
}

qx::ClientDataSet& ListOrPageDataSet(TFormFill& editor, int page)
{
    auto* lists = qobject_cast<TFormFillList*>(&editor);
    if (TListGridPage* list = lists ? lists->GridPageAt(page) : nullptr)
        return list->List();
    return *editor.PageAt(page).spec.dataSet;
}

QString StoredText(const Entry& row) { return QString::fromUtf8(row.stored ? row.stored : row.typed); }

bool Holds(const qx::Field& f, const Entry& row)
{
    const QString text = StoredText(row);
    switch (f.dataType()) {
    case qx::FieldType::Boolean: return !f.isNull() && f.asBoolean();
    case qx::FieldType::Currency: return !f.isNull() && f.asCurrency() == qx::Currency::parse(text);
    case qx::FieldType::Integer:
    case qx::FieldType::LargeInt: return !f.isNull() && f.asLargeInt() == text.toLongLong();
    case qx::FieldType::Date:
    case qx::FieldType::DateTime: return f.asDate() == QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    default: return f.asString() == text;
    }
}

void FillPageByKeys(TFormFill& editor, int page, std::span<const Entry> rows)
{
    QTabBar* tabs = editor.PageControl->tabBar();
    Click(tabs, tabs->tabRect(page).center());
    ASSERT_EQ(editor.ActivePage(), page) << "the tab of page " << page << " is refused";
    TFormFill::Page& pg = editor.PageAt(page);
    ASSERT_NE(pg.First, nullptr);
    Click(pg.First);
    std::size_t next = 0;
    QString lastField;
    for (int step = 0; step < kMaxSteps && next < rows.size(); ++step) {
        QWidget* box = QApplication::focusWidget();
        ASSERT_NE(box, nullptr) << "focus lost after " << lastField.toStdString();
        const QString field = FieldOf(box);
        ASSERT_FALSE(field.isEmpty()) << "Enter left the boxes after " << lastField.toStdString();
        // A field with two boxes (a date shown twice) is typed at its first box only.
        if (field.compare(QString::fromUtf8(rows[next].field), Qt::CaseInsensitive) == 0) {
            Act(box, rows[next]);
            ++next;
        }
        if (next == rows.size())
            break;
        lastField = field;
        QWidget* before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key_Return);
        Settle();
        ASSERT_NE(QApplication::focusWidget(), before)
            << "Enter stays at " << field.toStdString() << " before reaching " << rows[next].field;
    }
    ASSERT_EQ(next, rows.size()) << "Enter never reached " << rows[next].field;
    // Enter once more writes the last text, as a person leaves the box.
    if (QWidget* box = QApplication::focusWidget())
        QTest::keyClick(box, Qt::Key_Return);
    Settle();
}

// The page posted from the menu, then each fix typed at the box its alert leads to.
void FixAtAlerts(TFormFill& editor, int page, std::span<const Entry> fixes)
{
    editor.miPost->trigger();
    Settle();
    TFrameDBGridAlert& frame = *editor.PageAt(page).FrameDBGridAlert;
    QAbstractItemView* grid = frame.DBGridAlert;
    for (const Entry& fix : fixes) {
        bool clicked = false;
        for (int r = 0; r < grid->model()->rowCount() && !clicked; ++r) {
            Click(grid->viewport(), grid->visualRect(grid->model()->index(r, 0)).center());
            clicked = frame.CurrentFieldName().compare(QString::fromUtf8(fix.field), Qt::CaseInsensitive) == 0;
        }
        ASSERT_TRUE(clicked) << "no alert points at " << fix.field;
        QWidget* box = QApplication::focusWidget();
        ASSERT_EQ(FieldOf(box).toLower().toStdString(), QString::fromUtf8(fix.field).toLower().toStdString())
            << "the alert does not lead to its box";
        Act(box, fix);
        QTest::keyClick(box, Qt::Key_Return);
        editor.miPost->trigger();
        Settle();
    }
}

// A list page: rows added by Shift+Ins (the rate table answered with its first row) or Ctrl+Ins,
// cells clicked and typed, Enter after each.
void FillListByKeys(TFormFill& editor, TListGridPage& list, int page, std::span<const Entry> rows)
{
    QTabBar* tabs = editor.PageControl->tabBar();
    Click(tabs, tabs->tabRect(page).center());
    ASSERT_EQ(editor.ActivePage(), page) << "the tab of page " << page << " is refused";
    DataGrid& grid = *list.DBGrid;
    for (const Entry& row : rows) {
        editor.activateWindow();  // also back from the rate table's window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor, 2000));
        if (row.press == Press::RateRow) {
            grid.setFocus();
            ModalScript picker;
            picker.then([&row](QWidget& w) {
                auto* rates = qobject_cast<TFormSelectTaxas*>(&w);
                ASSERT_NE(rates, nullptr) << "Shift+Ins opened " << w.metaObject()->className();
                // Down the table to the row of the code asked for (a heading row is refused).
                const qx::Field& code = dmMain->cdsTaxMaxReintAmor.fieldByName(u"Codigo");
                for (int i = 0; i < 200 && code.asString() != QString::fromUtf8(row.stored); ++i)
                    QTest::keyClick(rates->DBGridTaxas, Qt::Key_Down);
                ASSERT_EQ(code.asString().toStdString(), row.stored) << "the rate table has no row " << row.stored;
                QTest::mouseClick(rates->btnOK, Qt::LeftButton);
            });
            QTest::keyClick(&grid, Qt::Key_Insert, Qt::ShiftModifier);
            Settle();
            EXPECT_TRUE(picker.done()) << "Shift+Ins opened no rate table";
        } else if (row.press == Press::NewRow) {
            grid.setFocus();
            QTest::keyClick(&grid, Qt::Key_Insert, Qt::ControlModifier);
            Settle();
        } else {
            int column = -1;
            for (int c = 0; c < int(list.Spec().columns.size()); ++c)
                if (QString::fromLatin1(list.Spec().columns[std::size_t(c)].field).compare(QString::fromUtf8(row.field), Qt::CaseInsensitive) == 0)
                    column = c;
            ASSERT_GE(column, 0) << "no column " << row.field;
            const QModelIndex cell = grid.model()->index(grid.currentIndex().row(), column);
            grid.scrollTo(cell);
            Click(grid.viewport(), grid.visualRect(cell).center());
            // The first key opens the cell's edit with it; Enter commits it and moves to the next column.
            const QString typed = QString::fromUtf8(row.typed);
            QTest::keyClick(&grid, char(typed.front().unicode()));
            QWidget* cellEdit = QApplication::focusWidget();
            ASSERT_NE(cellEdit, nullptr) << "no edit opens in the cell of " << row.field;
            TypeText(cellEdit, typed.mid(1), false);
            QTest::keyClick(cellEdit, Qt::Key_Return);
            Settle();
            EXPECT_EQ(grid.currentIndex().column(), column + 1) << "Enter after " << row.field << " stays in its column";
        }
    }
    list.DataSetPost->trigger();
    Settle();
}

void FillEditorByKeys(TFormFill& editor, std::span<const Entry> rows)
{
    std::size_t begin = 0;
    while (begin < rows.size()) {
        std::size_t end = begin;
        while (end < rows.size() && rows[end].page == rows[begin].page)
            ++end;
        std::vector<Entry> walk, fixes;
        for (const Entry& row : rows.subspan(begin, end - begin))
            (row.press == Press::AtAlert ? fixes : walk).push_back(row);
        auto* lists = qobject_cast<TFormFillList*>(&editor);
        if (TListGridPage* list = lists ? lists->GridPageAt(rows[begin].page) : nullptr)
            FillListByKeys(editor, *list, rows[begin].page, walk);
        else if (!walk.empty())
            FillPageByKeys(editor, rows[begin].page, walk);
        if (!fixes.empty() && !::testing::Test::HasFatalFailure())
            FixAtAlerts(editor, rows[begin].page, fixes);
        if (::testing::Test::HasFatalFailure())
            return;
        begin = end;
    }
}

int ClickEveryAlert(TFormFill& editor, int page)
{
    if (!editor.PageAt(page).FrameDBGridAlert || !editor.PageAt(page).FrameDBGridAlert->isVisible())
        return 0;
    TFrameDBGridAlert& frame = *editor.PageAt(page).FrameDBGridAlert;
    QAbstractItemView* grid = frame.DBGridAlert;
    const int rows = grid->model()->rowCount();
    for (int r = 0; r < rows; ++r) {
        const QModelIndex cell = grid->model()->index(r, 0);
        Click(grid->viewport(), grid->visualRect(cell).center());
        const QString field = frame.CurrentFieldName();
        if (field.isEmpty())
            continue;
        const QString focused = FieldOf(QApplication::focusWidget());
        const bool flashes = editor.FlashControl && editor.FlashControl->dataField().compare(field, Qt::CaseInsensitive) == 0;
        EXPECT_TRUE(focused.compare(field, Qt::CaseInsensitive) == 0 || flashes)
            << "the alert of " << field.toStdString() << " leads to " << focused.toStdString();
    }
    return rows;
}
