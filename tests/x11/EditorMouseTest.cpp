// The editors under a real mouse and keyboard, on an X server: what the offscreen platform cannot
// show (the focus a click gives, a page that scrolls under the pointer, the keys' walk after a
// click). The program is made as main() makes it, a new folder opened; each editor is opened
// by the main window's action and worked by xdotool.
#include "EditorUnderMouse.h"
#include "core/util/Clock.h"
#include "ui/dialogs/TFormDBEditCalendar.h"
#include "ui/framework/EditorTabs.h"
#include "ui/framework/TFrameDBGridAlert.h"
#include "platform/widgets/DataGrid.h"

#include <QScopeGuard>
#include <QTabBar>
#include <QToolButton>

namespace {

// The button ("…" or "=") nearest right of `edit` on its line.
QToolButton* ButtonBeside(const DataEdit& edit, const QString& text)
{
    QToolButton* best = nullptr;
    for (QObject* child : edit.parentWidget()->children()) {
        auto* b = qobject_cast<QToolButton*>(child);
        if (!b || b->text() != text || qAbs(b->geometry().center().y() - edit.geometry().center().y()) > 4
            || b->x() < edit.x())
            continue;
        if (!best || b->x() < best->x())
            best = b;
    }
    return best;
}

TFormDBEditCalendar* ShownCalendar()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* c = qobject_cast<TFormDBEditCalendar*>(w); c && c->isVisible())
            return c;
    return nullptr;
}

// A click into an amount box selects what it holds, whatever that is, so typing replaces it; the
// click lands left of the digits, where a caret would stay before a 0.
TEST_F(EditorUnderMouse, TypingAfterAClickIntoAnAmountReplacesWhatTheBoxHeld)
{
    struct Case {
        const char* held;  // "" null
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {{"0", "7", "7"}, {"", "7", "7"}, {"250000", "7", "7"}, {"0", "250000", "250000"}};
    InEditor(run->main().ActionFillAnexoA, [&](TFormFill& editor) {
        qx::ClientDataSet& page = run->dm().cdsAnexoAP1;
        DataEdit* box = EditOf(editor, 0, "I_R5_Mop_Per_Ant");
        DataEdit* other = EditOf(editor, 0, "I_R1_Mop_Per_Ant");
        ASSERT_TRUE(box && other);
        for (const Case& c : cases) {
            other->setFocus();
            page.edit();
            page.fieldByName(u"I_R5_Mop_Per_Ant").setAsString(QString::fromLatin1(c.held));
            ASSERT_TRUE(input.click(*box, {3, box->height() / 2})) << input.error.toStdString();
            ASSERT_EQ(QApplication::focusWidget(), box);
            EXPECT_TRUE(box->selectedText() == box->text()) << "held " << c.held << ": '" << box->text().toStdString()
                                                             << "', selected '" << box->selectedText().toStdString() << "'";
            QStringList keys;
            for (const char ch : std::string(c.typed))
                keys << QString(QLatin1Char(ch));
            ASSERT_TRUE(input.keys(keys << QStringLiteral("Return"))) << input.error.toStdString();
            EXPECT_EQ(page.fieldByName(u"I_R5_Mop_Per_Ant").asString().toStdString(), c.stored) << "held " << c.held;
        }
    });
}

// The row of the alert list of `frame` that points at `field`, -1 for none.
int AlertRowOf(TFrameDBGridAlert& frame, const char* field)
{
    qx::ClientDataSet* alerts = frame.cdsCur_DB_Alert.get();
    const qx::Field* name = alerts && alerts->active() ? alerts->findField(u"Field_Name") : nullptr;
    for (int r = 1; name && r <= alerts->recordCount(); ++r)
        if (const qx::Value v = alerts->rowValue(r, name->index());
            std::get_if<QString>(&v) && std::get<QString>(v).compare(QLatin1String(field), Qt::CaseInsensitive) == 0)
            return r - 1;
    return -1;
}

// The field of the focused data-aware box, empty elsewhere.
QString FocusedField()
{
    auto* box = dynamic_cast<DataAware*>(QApplication::focusWidget());
    return box ? box->dataField() : QString();
}

// A box reached by a click on its alert takes typing as one reached by Tab: what it held is all
// selected, so the keys replace it; Enter and Ctrl+S store what was typed and the alert goes. A
// key the box cannot take (a ninth digit of the taxpayer's number) is told by a beep.
TEST_F(EditorUnderMouse, TypingAfterAnAlertClickReplacesWhatTheBoxHeld)
{
    struct Case {
        const char* what;
        int page;
        std::vector<std::pair<const char*, const char*>> held;
        const char* field;
        QStringList keys;
        const char* stored;
        int beeps;
    };
    const Case cases[] = {
        {"a number cleared and posted, shown as 00000000", 0, {{"No_Contribuinte", ""}}, "No_Contribuinte",
         KeysOf("87654321"), "87654321", 0},
        {"a ninth digit", 0, {{"No_Contribuinte", "123"}}, "No_Contribuinte", KeysOf("876543219"), "87654321", 1},
        {"an amount with decimals", 1, {{"R6_Mop", "12.5"}}, "R6_Mop", KeysOf("12"), "12", 0},
        {"a date before the period's start", 0, {{"Periodo_de", "01/06/2023"}, {"Periodo_a", "01/01/2023"}},
         "Periodo_a", KeysOf("31/12/2023"), "31/12/2023", 0},
        {"a text without its tick", 2, {{"Lingua_Reg_Con_Outro", "False"}, {"Lingua_Reg_Con_Outro_Desc", "Zorgish"}},
         "Lingua_Reg_Con_Outro_Desc", {QStringLiteral("Delete")}, "", 0},
        {"a tick without its text", 0, {{"Acomp_Outros_1", "True"}, {"Acomp_Outros_1_Desc", ""}}, "Acomp_Outros_1",
         {QStringLiteral("space")}, "False", 0},
    };
    int beeps = 0;
    SetBeepHandler([&beeps] { ++beeps; });
    const auto restoreBeep = qScopeGuard([] { SetBeepHandler(nullptr); });
    InEditor(run->main().ActionFillM1, [&](TFormFill& editor) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            editor.PageControl->setCurrentIndex(c.page);
            qx::ClientDataSet& data = *editor.PageAt(c.page).spec.dataSet;
            // A refused text left behind would keep the editor from closing.
            const auto dropRefused = qScopeGuard([&] {
                if (auto* box = qobject_cast<DataEdit*>(QApplication::focusWidget()))
                    box->reset();
                if (data.state() != qx::DataSetState::Browse)
                    data.cancel();
            });
            data.edit();
            for (const auto& [field, value] : c.held)
                data.fieldByName(QString::fromLatin1(field)).setAsString(QString::fromLatin1(value));
            data.post();
            TFrameDBGridAlert& frame = *editor.PageAt(c.page).FrameDBGridAlert;
            const int row = AlertRowOf(frame, c.field);
            ASSERT_GE(row, 0) << "no alert points at " << c.field;
            DataGrid& grid = *frame.DBGridAlert;
            grid.scrollTo(grid.model()->index(row, 0));
            AfterDoubleClickTime();
            ASSERT_TRUE(input.click(*grid.viewport(), grid.visualRect(grid.model()->index(row, 0)).center()))
                << input.error.toStdString();
            ASSERT_EQ(frame.CurrentFieldName(), QLatin1String(c.field));
            ASSERT_EQ(FocusedField(), QLatin1String(c.field));
            messages.clear();
            beeps = 0;
            ASSERT_TRUE(input.keys(QStringList(c.keys) << QStringLiteral("Return") << QStringLiteral("ctrl+s")))
                << input.error.toStdString();
            EXPECT_EQ(data.fieldByName(QString::fromLatin1(c.field)).asString().toStdString(), c.stored);
            EXPECT_EQ(AlertRowOf(frame, c.field), -1) << "the alert stays";
            EXPECT_EQ(messages.codes().join(u' ').toStdString(), "");
            EXPECT_EQ(beeps, c.beeps);
        }
    });
}

// A box that holds only its zero takes typed digits in place of the 0, however it was entered
// (focused as the editor showed, by Enter, by a click) and wherever a later click lands in it;
// a later click into any other value places the caret where it lands.
TEST_F(EditorUnderMouse, ALaterClickMeetsALoneZeroWithTheWholeTextSelectedAndPlacesTheCaretElsewhere)
{
    enum Entry { AtShow, ByEnter, ByClick };
    struct Case {
        const char* what;
        QAction* TFormMain::*open;
        const char* editor;
        int page;
        const char* field;  // nullptr: the page's first box
        Entry entry;
        double at;  // where the click lands across the box: 0 its left edge, 1 its right edge
        const char* held;
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"M/4's first box, focused as the editor showed", &TFormMain::ActionFillM4, "FormFillM4", 0, nullptr, AtShow, 0,
         "0", "7", "7"},
        {"M/1 line 6 after Enter, left edge", &TFormMain::ActionFillM1, "FormFillM1", 1, "R6_Mop", ByEnter, 0, "0",
         "7654321", "7654321"},
        {"M/1 line 6 after Enter, middle", &TFormMain::ActionFillM1, "FormFillM1", 1, "R6_Mop", ByEnter, 0.5, "0",
         "7654321", "7654321"},
        {"M/1 line 6 after Enter, right edge", &TFormMain::ActionFillM1, "FormFillM1", 1, "R6_Mop", ByEnter, 1, "0",
         "7654321", "7654321"},
        {"a second click, left edge", &TFormMain::ActionFillAnexoA, "FormFillAnexoA", 0, "I_R5_Mop_Per_Ant", ByClick, 0,
         "0", "7", "7"},
        {"a second click on a value, right edge", &TFormMain::ActionFillAnexoA, "FormFillAnexoA", 0,
         "I_R5_Mop_Per_Ant", ByClick, 1, "250000", "7", "2500007"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TFormFill* editor = run->Editor(QString::fromLatin1(c.editor));
        ASSERT_NE(editor, nullptr);
        qx::ClientDataSet& data = *editor->PageAt(c.page).spec.dataSet;
        const QString field = c.field ? QString::fromLatin1(c.field) : editor->PageAt(c.page).First->dataField();
        data.edit();
        data.fieldByName(field).setAsString(QString::fromLatin1(c.held));
        data.post();
        InEditor(run->main().*c.open, [&](TFormFill& shown) {
            shown.PageControl->setCurrentIndex(c.page);
            DataEdit* box = EditOf(shown, c.page, field.toLatin1().constData());
            ASSERT_NE(box, nullptr);
            if (c.entry == AtShow) {
                ASSERT_EQ(QApplication::focusWidget(), box) << "the first box has not the focus at the show";
            } else if (c.entry == ByEnter) {
                box->setFocus();
                ASSERT_TRUE(input.keys({QStringLiteral("Up"), QStringLiteral("Return")})) << input.error.toStdString();
                ASSERT_EQ(QApplication::focusWidget(), box) << "Enter does not come back to the box";
            } else {
                ASSERT_TRUE(input.click(*box)) << input.error.toStdString();
                AfterDoubleClickTime();
            }
            ASSERT_EQ(box->text(), QString::fromLatin1(c.held));
            const int x = qBound(2, int(c.at * box->width()), box->width() - 3);
            ASSERT_TRUE(input.click(*box, {x, box->height() / 2})) << input.error.toStdString();
            ASSERT_TRUE(input.keys(KeysOf(c.typed) << QStringLiteral("Return"))) << input.error.toStdString();
            EXPECT_EQ(data.fieldByName(field).asString().toStdString(), c.stored);
        });
    }
}

// One click runs a date button or an auto-calc button on a scrolled page, and neither they nor a
// click on the bare page scroll it.
TEST_F(EditorUnderMouse, OneClickRunsAPageButtonAndNoClickOutsideTheBoxesScrollsThePage)
{
    InEditor(run->main().ActionFillM1, [&](TFormFill& editor) {
        DataEdit* date = EditOf(editor, 0, "Data_da_Constituicao");
        ASSERT_NE(date, nullptr);
        QToolButton* dateButton = ButtonBeside(*date, QStringLiteral("…"));
        ASSERT_NE(dateButton, nullptr);
        EditOf(editor, 0, "No_Contribuinte")->setFocus();
        ScrollTo(editor, 0, *dateButton);
        QScrollBar* bar = editor.PageAt(0).ScrollBox->verticalScrollBar();
        const int scrolled = bar->value();

        ASSERT_TRUE(input.click(*editor.PageAt(0).Content, {4, dateButton->y() + 200})) << input.error.toStdString();
        EXPECT_EQ(bar->value(), scrolled) << "a click on the bare page scrolls it";

        ASSERT_TRUE(input.click(*dateButton)) << input.error.toStdString();
        EXPECT_TRUE(WaitFor([] { return ShownCalendar() != nullptr; })) << "the first click on … shows no calendar";
        EXPECT_EQ(bar->value(), scrolled);
        if (TFormDBEditCalendar* calendar = ShownCalendar()) {
            EXPECT_EQ(calendar->TargetDBEdit, date);
            calendar->close();
        }

        editor.PageControl->setCurrentIndex(1);
        DataEdit* target = EditOf(editor, 1, "R23_Mop");
        QToolButton* calc = target ? ButtonBeside(*target, QStringLiteral("=")) : nullptr;
        ASSERT_NE(calc, nullptr);
        editor.PageAt(1).First->setFocus();
        ScrollTo(editor, 1, *calc);
        QScrollBar* bar2 = editor.PageAt(1).ScrollBox->verticalScrollBar();
        const int scrolled2 = bar2->value();
        messages.clear();
        ASSERT_TRUE(input.click(*calc)) << input.error.toStdString();
        EXPECT_TRUE(WaitFor([&] { return !messages.shown.empty(); })) << "the first click on = does nothing";
        EXPECT_EQ(bar2->value(), scrolled2);
        EXPECT_EQ(QApplication::focusWidget(), target);
    });
}

// After a click on a button or on the bare page the keys walk the page's boxes and nothing else:
// Up and Down never reach the tabs, whatever their number.
TEST_F(EditorUnderMouse, TheKeysWalkThePagesBoxesAfterAClickOutsideThem)
{
    InEditor(run->main().ActionFillAnexoB, [&](TFormFill& editor) {
        QTabBar* tabs = editor.PageControl->tabBar();
        ASSERT_TRUE(input.click(*tabs, tabs->tabRect(1).center())) << input.error.toStdString();
        ASSERT_EQ(editor.ActivePage(), 1);
        TFormFill::Page& page = editor.PageAt(1);
        DataEdit* target = EditOf(editor, 1, "V_R2_Mop");
        QToolButton* calc = target ? ButtonBeside(*target, QStringLiteral("=")) : nullptr;
        ASSERT_NE(calc, nullptr);
        const struct {
            const char* what;
            QWidget* clicked;
            QPoint at;
        } clicks[] = {{"=", calc, {}}, {"the bare page", page.Content, {4, calc->y()}}};
        for (const auto& c : clicks) {
            for (const char* key : {"Up", "Down"}) {
                ASSERT_TRUE(input.click(*c.clicked, c.at.isNull() ? c.clicked->rect().center() : c.at))
                    << input.error.toStdString();
                for (int i = 0; i < 14; ++i) {
                    ASSERT_TRUE(input.keys({QString::fromLatin1(key)})) << input.error.toStdString();
                    QWidget* focused = QApplication::focusWidget();
                    ASSERT_EQ(editor.ActivePage(), 1) << key << " ×" << i + 1 << " after a click on " << c.what;
                    ASSERT_TRUE(focused && page.Content->isAncestorOf(focused) && focused != page.Content)
                        << key << " ×" << i + 1 << " after a click on " << c.what << " leaves the boxes for "
                        << (focused ? focused->metaObject()->className() : "nothing");
                }
            }
        }
    });
}

}  // namespace
