#pragma once
// The program as main() makes it on an X server, a new folder opened, its editors opened by the
// main window's actions and worked by real clicks and keys (xdotool).

#include "e2e/ProgramRun.h"
#include "platform/widgets/DataEdit.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessages.h"
#include "support/XInput.h"
#include "support/XServer.h"
#include "ui/mainwindow/BrowseForFolder.h"

#include <QGuiApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

inline DataEdit* EditOf(TFormFill& editor, int page, const char* field)
{
    for (QObject* child : editor.PageAt(page).Content->children())
        if (auto* e = qobject_cast<DataEdit*>(child); e && e->dataField() == QLatin1String(field))
            return e;
    return nullptr;
}

// The keys that type `text`, one a character ('/' by its X name).
inline QStringList KeysOf(const char* text)
{
    QStringList keys;
    for (const char* c = text; *c; ++c)
        keys << (*c == '/' ? QStringLiteral("slash") : QString(QLatin1Char(*c)));
    return keys;
}

// Waits out the double-click time, so that the next click is a click of its own.
inline void AfterDoubleClickTime()
{
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
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
