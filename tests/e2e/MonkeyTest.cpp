// A seeded monkey over a filled folder: random keys, clicks and wheel turns in the main window,
// the editors and the dialogs, the message dialog answered at random. Nothing may crash, nothing
// a person could not cause may reach the last-resort handler, and the folder must save, open
// again and hold only values its fields take.
//   QX_MONKEY_EVENTS (default 3000) and QX_MONKEY_SEED (default 21) choose the run.
#include "Monkey.h"
#include "ProgramRun.h"
#include "support/ScriptedMessages.h"
#include "ui/editors/SampleValues.h"
#include "ui/mainwindow/BrowseForFolder.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int EnvInt(const char* name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

TEST(Monkey, RandomKeysClicksAndWheelOverAFilledFolder)
{
    const int events = EnvInt("QX_MONKEY_EVENTS", 3000);
    const unsigned seed = unsigned(EnvInt("QX_MONKEY_SEED", 21));
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.path() + QStringLiteral("/filled");
    QDir().mkpath(folder);
    SetFolderBrowser([&](QWidget*, const QString&, const QString&) { return folder; });
    {
        ScriptedMessages messages;
        ProgramRun run(&messages);
        OpenNewFolder(run);
        ASSERT_FALSE(run.dm().CurrentFormFolder.isEmpty());
        FillPages(run.dm());
        run.main().ActionSaveAndCloseAll->trigger();
    }

    QElapsedTimer clock;
    clock.start();
    {
        ProgramRun run;
        Monkey monkey(seed, run.main());
        run.main().FirstPaint = false;
        run.main().show();
        run.main().ActionSelectFolder->trigger();
        monkey.Run(events);
        // The person ends the day: the folder (opened again if the monkey closed it) is saved.
        if (run.dm().CurrentFormFolder.isEmpty())
            run.main().ActionSelectFolder->trigger();
        ASSERT_FALSE(run.dm().CurrentFormFolder.isEmpty());
        run.main().ActionSaveAndCloseAll->trigger();
        EXPECT_TRUE(run.dm().CurrentFormFolder.isEmpty()) << "the folder did not save and close";

        std::cout << "monkey: seed " << seed << ", " << events << " events in " << clock.elapsed() << " ms;";
        for (const auto& [kind, n] : monkey.eventsByKind)
            std::cout << " " << kind.toStdString() << " " << n << ";";
        for (const auto& [window, n] : monkey.windows)
            std::cout << " " << window.toStdString() << " " << n << ";";
        std::cout << " refused inputs " << monkey.refusedInputs << "; messages";
        for (const auto& [code, n] : monkey.messageCodes)
            std::cout << " " << code.toStdString() << "×" << n;
        std::cout << std::endl;
        for (const auto& [text, n] : monkey.lastResortErrors)
            ADD_FAILURE() << "reached the last-resort handler " << n << " times: " << text.toStdString();
    }

    ScriptedMessages messages;
    ProgramRun again(&messages);
    again.main().FirstPaint = false;
    again.main().ActionSelectFolder->trigger();
    ASSERT_FALSE(again.dm().CurrentFormFolder.isEmpty()) << "the folder does not open again";
    const QStringList faults = InvalidStoredValues(again.dm());
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    SetFolderBrowser(nullptr);
}

}  // namespace
