// The editors under a real mouse and keyboard, on an X server: what the offscreen platform cannot
// show (the focus a click gives, a page that scrolls under the pointer, the keys' walk after a
// click). The program is made as main() makes it, a new folder opened; each editor is opened
// by the main window's action and worked by xdotool.
#include "e2e/ProgramRun.h"
#include "platform/widgets/DataEdit.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessages.h"
#include "support/XInput.h"
#include "support/XServer.h"
#include "ui/dialogs/TFormDBEditCalendar.h"
#include "ui/framework/EditorTabs.h"
#include "ui/mainwindow/BrowseForFolder.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

DataEdit* EditOf(TFormFill& editor, int page, const char* field)
{
    for (QObject* child : editor.PageAt(page).Content->children())
        if (auto* e = qobject_cast<DataEdit*>(child); e && e->dataField() == QLatin1String(field))
            return e;
    return nullptr;
}

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

class EditorUnderMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        QX_NEED_X_SERVER();
        ASSERT_TRUE(root.isValid());
        SetFolderBrowser([this](QWidget*, const QString&, const QString&) { return root.path(); });
        run = std::make_unique<ProgramRun>(&messages);
        ScriptSectorChoice(modals, 0);
        run->main().FirstPaint = false;
        run->main().show();
        run->main().ActionSelectFolder->trigger();
        ASSERT_FALSE(run->dm().CurrentFormFolder.isEmpty());
    }
    void TearDown() override
    {
        run.reset();
        SetFolderBrowser(nullptr);
    }

    // Opens an editor by the main window's action, as a person does, and runs `work` in it once
    // its window is up, active and in its place.
    void InEditor(QAction* open, const std::function<void(TFormFill&)>& work)
    {
        modals.then([&](QWidget& w) {
            auto* editor = qobject_cast<TFormFill*>(&w);
            ASSERT_NE(editor, nullptr) << w.objectName().toStdString();
            // Without a window manager nobody maximises the window: it is given a screen's size.
            if (XServer::current().windowManager().isEmpty())
                editor->setGeometry(0, 0, 1280, 960);
            editor->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
            ASSERT_TRUE(WaitForSteadyGeometry(*editor)) << "the window keeps moving";
            work(*editor);
            editor->ActionClose->trigger();
        });
        open->trigger();
        EXPECT_TRUE(modals.done()) << "the editor did not open";
    }

    // Scrolls page `page` so that `w` is near the top of the view, the page moved down by
    // more than a screenful's margin.
    static void ScrollTo(TFormFill& editor, int page, QWidget& w)
    {
        QScrollBar* bar = editor.PageAt(page).ScrollBox->verticalScrollBar();
        bar->setValue(w.y() - 60);
        QApplication::processEvents();
        ASSERT_GT(bar->value(), 100) << "the page must be scrolled for the test to mean anything";
    }

    QTemporaryDir root;
    ScriptedMessages messages;
    ModalScript modals;
    std::unique_ptr<ProgramRun> run;
    XInput input;
};

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
